"""Start-up with an exercise handed over by another program of the suite, and
the close with its question."""

import os
import random
import re
import unittest

from bureau import (Simulateur, attendre, ecrire_enregistrement, lire_enregistrement, pause, taper, touches)

EXERCICE = "CATALYSEUR.E39"
NOMBRE_ENREGISTREMENTS = 40


def echange_initial():
    """A hand-over file whose other records belong to other programs."""
    alea = random.Random(15)
    contenu = bytes(alea.randrange(256) for _ in range(NOMBRE_ENREGISTREMENTS * 128))
    return ecrire_enregistrement(contenu, 31, EXERCICE)


def enregistrements(contenu, sauf):
    return {n: contenu[(n - 1) * 128:n * 128] for n in range(1, NOMBRE_ENREGISTREMENTS + 1) if n not in sauf}


class TestDemarrage(unittest.TestCase):
    def verifier_exercice_ouvert(self, s):
        attendre(lambda: re.fullmatch(r"Vedoriruvirivi - .*CATALYSEUR\.C15", s.titre()),
                 "le titre ne montre pas la configuration de l'exercice transmis")
        echange = s.echange_contenu()
        self.assertEqual(lire_enregistrement(echange, 31), "")
        self.assertEqual(lire_enregistrement(echange, 16), "OUI")

    @staticmethod
    def historique(s):
        """The number of runs the history lists."""
        s.onglet(5)
        return s.copier_texte("rtf1").count("Réaction ")

    def test_exercice_transmis_ouvert_une_fois_puis_fermer(self):
        avant = echange_initial()
        s = Simulateur(self, echange=avant)
        self.verifier_exercice_ouvert(s)

        # The exercise keeps the runs. The student makes two, changes an
        # amount, then uses the calculator: closing it activates the window
        # again, which forgets the kept runs, and the exercise is not opened
        # anew.
        s.cliquer_controle("Command3")
        s.cliquer_controle("Command3")
        self.assertEqual(self.historique(s), 2)
        s.onglet(1)
        s.cliquer_controle("Text1(0)")
        touches("ctrl+a")
        taper("0,07")
        touches("Tab")
        s.cliquer_controle("Command8")
        machine = s.attendre_fenetre("Machine à calculer")
        s.attendre_active(machine, "la calculatrice")
        touches("Escape")
        s.attendre_active(s.fenetre, "la fenêtre principale")
        pause()
        self.assertEqual(s.copier_texte("Text1(0)"), "0,07")
        self.assertEqual(lire_enregistrement(s.echange_contenu(), 31), "")
        s.cliquer_controle("Command3")
        self.assertEqual(self.historique(s), 1)

        s.cliquer_controle("Command1")
        question = s.attendre_fenetre("Fermer")
        s.attendre_active(question, "la question « Quitter vraiment Vedoriruvirivi ? »")
        touches("Return")
        self.assertEqual(s.attendre_fin(), 0)
        apres = s.echange_contenu()
        self.assertEqual(len(apres), len(avant))
        self.assertEqual(lire_enregistrement(apres, 16), "NON")
        self.assertEqual(lire_enregistrement(apres, 31), "")
        self.assertEqual(enregistrements(apres, {16, 31}), enregistrements(avant, {16, 31}))

    def test_exercice_transmis_sans_gestionnaire_de_fenetres(self):
        """No window manager gives the window the focus: the exercise opens all the same."""
        ecran_nu = os.environ.get("VEDO_ECRAN_NU")
        if not ecran_nu:
            raise AssertionError("pas de second serveur X : lancer par tests/desktop/session.sh")
        self.addCleanup(os.environ.__setitem__, "DISPLAY", os.environ["DISPLAY"])
        os.environ["DISPLAY"] = ecran_nu
        self.verifier_exercice_ouvert(Simulateur(self, echange=echange_initial()))

if __name__ == "__main__":
    unittest.main()
