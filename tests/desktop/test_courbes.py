"""Kept runs survive what the window system does to the window, and are
forgotten when one of the program's own windows closes.

The student keeps the runs with A = 0,08 and 0,05 mol, does something, then
runs A = 0,02 mol: the graph then shows three curves of A and the history
three entries, or one of each when the kept runs were forgotten."""

import subprocess
import unittest

from bureau import (Simulateur, attendre, capture, cliquer_ecran, fenetre_active, geometrie, pause, taper, touches)

BLEU_A = (0, 0, 255)  # the colour of the curves of A at start-up
ROUGE = (255, 0, 0)
# Points of the window's background, in window pixels.
FOND = [(60, 300), (4, 300), (426, 290), (4, 560), (600, 560)]


class TestCourbesConservees(unittest.TestCase):
    def saisir_a(self, s, quantite):
        s.cliquer_controle("Text1(0)")
        touches("ctrl+a")
        taper(quantite)
        touches("Tab")
        pause()

    def deux_runs_conserves(self):
        s = Simulateur(self)
        s.onglet(3)
        s.cliquer_controle("Check2", "--tab", "3")
        s.onglet(1)
        for quantite in ("0,08", "0,05"):
            self.saisir_a(s, quantite)
            s.cliquer_controle("Command3")
        return s

    def revenir(self, s, autre):
        """The student clicks the window's background where the other window
        does not cover it."""
        ax, ay, largeur, hauteur = geometrie(autre)
        ox, oy = s.origine()
        for x, y in FOND:
            if not (ax <= ox + x < ax + largeur and ay <= oy + y < ay + hauteur):
                s.cliquer(x, y)
                s.attendre_active(s.fenetre, "la fenêtre principale")
                return
        raise AssertionError("l'autre fenêtre couvre toute la fenêtre principale")

    def courbes_et_historique(self, s):
        s.onglet(1)
        self.saisir_a(s, "0,02")
        s.cliquer_controle("Command3")
        graphe = s.capture_controle("Picture2")
        courbes = max(graphe.traits_par_colonne(BLEU_A, x) for x in range(graphe.largeur // 4, graphe.largeur // 2))
        s.onglet(5)
        historique = s.copier_texte("rtf1")
        return courbes, historique.count("Réaction ")

    def test_autre_programme_puis_retour(self):
        s = self.deux_runs_conserves()
        autre = subprocess.Popen(["xmessage", "-name", "autreprogramme", "-geometry", "+0+0", "Un autre programme"],
                                 stderr=subprocess.DEVNULL)
        self.addCleanup(autre.wait)
        self.addCleanup(autre.kill)
        fenetre = attendre(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--classname",
                                                   "autreprogramme"], capture_output=True, text=True).stdout.split(),
                           "l'autre programme n'apparaît pas")[0]
        cliquer_ecran(20, 20)
        attendre(lambda: fenetre_active() == fenetre, "l'autre programme ne prend pas le focus")
        self.revenir(s, fenetre)
        self.assertEqual(self.courbes_et_historique(s), (3, 3))

    def repondre(self, s, fenetre, quoi, touche):
        """The window takes the focus, a key closes it, the main window has it back."""
        s.attendre_active(fenetre, quoi)
        touches(touche)
        s.attendre_active(s.fenetre, "la fenêtre principale")

    def test_message_de_depassement(self):
        s = self.deux_runs_conserves()
        self.saisir_a(s, "20")
        self.repondre(s, s.attendre_fenetre("Dépassement de capacité"), "le message", "Return")
        self.assertEqual(self.courbes_et_historique(s), (3, 3))

    def test_couleur_choisie_sur_une_pastille(self):
        s = self.deux_runs_conserves()
        s.onglet(4)
        s.cliquer_controle("Label4(4)", "--tab", "4")
        dialogue = s.attendre_autre_fenetre("le choix de couleur")
        s.attendre_active(dialogue, "le choix de couleur")
        self.cliquer_couleur(dialogue, ROUGE)
        self.repondre(s, dialogue, "le choix de couleur", "Return")
        pastille = s.capture_controle("Label4(4)", "--tab", "4")
        self.assertEqual(pastille.pixel(pastille.largeur // 2, pastille.hauteur // 2), ROUGE)
        self.assertEqual(self.courbes_et_historique(s), (3, 3))

    def test_aide_puis_retour(self):
        s = self.deux_runs_conserves()
        s.cliquer_controle("Command7")
        aide = s.attendre_fenetre("Aide - Vedoriruvirivi")
        s.attendre_active(aide, "l'aide")
        self.revenir(s, aide)
        self.assertEqual(self.courbes_et_historique(s), (3, 3))

    def test_calculatrice_fermee_oublie_les_runs(self):
        s = self.deux_runs_conserves()
        s.cliquer_controle("Command8")
        self.repondre(s, s.attendre_fenetre("Machine à calculer"), "la calculatrice", "Escape")
        self.assertEqual(self.courbes_et_historique(s), (1, 1))

    def test_ouverture_fermee_oublie_les_runs(self):
        s = self.deux_runs_conserves()
        s.cliquer_controle("Command2")
        self.repondre(s, s.attendre_autre_fenetre("le dialogue d'ouverture"), "le dialogue d'ouverture", "Escape")
        self.assertEqual(self.courbes_et_historique(s), (1, 1))

    @staticmethod
    def cliquer_couleur(fenetre, couleur):
        """A click on the first swatch of that colour the dialog shows."""
        x, y, largeur, hauteur = geometrie(fenetre)
        image = capture(x, y, largeur, hauteur)
        for py in range(image.hauteur - 4):
            for px in range(image.largeur - 4):
                if all(image.pixel(px + d, py + e) == couleur for d in range(4) for e in range(4)):
                    cliquer_ecran(x + px + 2, y + py + 2)
                    pause()
                    return
        raise AssertionError("aucune pastille de cette couleur dans le choix de couleur")


if __name__ == "__main__":
    unittest.main()
