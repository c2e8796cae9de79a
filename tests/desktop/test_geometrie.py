"""The outer frame of the main window, decorations included, is 800 x 600 and
centred on a screen wider than 850 pixels: from its first frame on, after a
maximise and after a resize."""

import re
import subprocess
import time
import unittest

from bureau import Simulateur, executer, geometrie, taille_ecran

TAILLE = (800, 600)


def stable(fenetre):
    """The frame once it has stopped changing."""
    precedent = None
    fin = time.monotonic() + 10
    while time.monotonic() < fin:
        actuel = geometrie(fenetre)
        if actuel == precedent:
            return actuel
        precedent = actuel
        time.sleep(0.4)
    raise AssertionError("la fenêtre ne cesse de changer de taille")


def pendant(espion, geste):
    """What a watching X client printed while the gesture was made."""
    temoin = subprocess.Popen(espion, stdout=subprocess.PIPE, text=True)
    time.sleep(0.3)
    geste()
    time.sleep(0.5)
    temoin.kill()
    return temoin.communicate()[0]


class TestGeometrie(unittest.TestCase):
    def test_premiere_montree_puis_agrandir_et_redimensionner(self):
        largeur_ecran, hauteur_ecran = taille_ecran()
        self.assertGreater(largeur_ecran, 850)
        attendu = ((largeur_ecran - TAILLE[0]) // 2, (hauteur_ecran - TAILLE[1]) // 2) + TAILLE
        x, y, largeur, hauteur = attendu

        s = Simulateur(self)
        # Every frame from the first one the window manager shows.
        vues = {geometrie(s.fenetre)}
        fin = time.monotonic() + 1.5
        while time.monotonic() < fin:
            vues.add(geometrie(s.fenetre))
        self.assertEqual(vues, {attendu})

        # A double click on the title bar maximises the window for a moment.
        etats = pendant(["xprop", "-spy", "-id", s.fenetre, "_NET_WM_STATE"], lambda: executer(
            "xdotool", "mousemove", "--sync", str(x + largeur // 3), str(y + 5), "click", "--repeat", "2",
            "--delay", "80", "1"))
        self.assertIn("_NET_WM_STATE_MAXIMIZED_HORZ", etats)
        self.assertEqual(stable(s.fenetre), attendu)

        # A drag of the bottom-right corner, step by step as a hand moves.
        def tirer():
            executer("xdotool", "mousemove", "--sync", str(x + largeur - 2), str(y + hauteur - 2), "mousedown", "1")
            for pas in range(1, 6):
                executer("xdotool", "mousemove", str(x + largeur - 2 + 20 * pas), str(y + hauteur - 2 + 15 * pas))
                time.sleep(0.05)
            executer("xdotool", "mouseup", "1")
        tailles = pendant(["xev", "-id", s.fenetre, "-event", "structure"], tirer)
        self.assertGreater(max(map(int, re.findall(r"width (\d+)", tailles))), largeur)
        self.assertEqual(stable(s.fenetre), attendu)


if __name__ == "__main__":
    unittest.main()
