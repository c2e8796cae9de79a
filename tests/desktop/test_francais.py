"""What a French student types and reads: a decimal comma in the calculator
and in an amount box, and Qt's own buttons in French, as a screen reader
reports them through AT-SPI."""

import os
import unittest

import pyatspi

from bureau import Simulateur, attendre, pause, taper, touches
from test_accessibilite import application_accessible, boites, descendants


def texte(objet):
    t = objet.queryText()
    return t.getText(0, t.characterCount)


class TestFrancais(unittest.TestCase):
    def demarrer(self):
        s = Simulateur(self, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        return s, application_accessible(s)

    @staticmethod
    def fenetre(application, titre):
        return attendre(lambda: next((f for f in application if f is not None and f.name == titre), None),
                        f"la fenêtre « {titre} » n'apparaît pas pour le lecteur d'écran")

    def test_virgule_decimale_dans_la_calculatrice(self):
        s, application = self.demarrer()
        s.cliquer_controle("Command8")
        machine = s.attendre_fenetre("Machine à calculer")
        s.attendre_active(machine, "la calculatrice")
        affichage = next(o for o in descendants(self.fenetre(application, "Machine à calculer"))
                         if o.getRole() == pyatspi.ROLE_TEXT)
        taper("1/0,36")
        attendre(lambda: texte(affichage) == "1 / 0.36", "la virgule tapée n'entre pas dans le calcul")
        touches("Return")
        attendre(lambda: texte(affichage) == " 2.77777777777778", "1/0,36 ne donne pas 2,777…")

    def test_quantite_a_mi_chemin_arrondie_vers_le_haut(self):
        s, application = self.demarrer()
        s.cliquer_controle("Text1(0)")
        touches("ctrl+a")
        taper("1,005")
        touches("Tab")
        attendre(lambda: [t for _, _, t in boites(application)][0] == "1,01", "1,005 ne devient pas 1,01")

    def test_boutons_des_questions_en_francais(self):
        s, application = self.demarrer()
        s.cliquer_controle("Command1")
        question = s.attendre_fenetre("Fermer")
        s.attendre_active(question, "la question « Quitter … »")
        boutons = attendre(lambda: sorted(o.name for o in descendants(self.fenetre(application, "Fermer"))
                                          if o.getRole() == pyatspi.ROLE_PUSH_BUTTON),
                           "la question n'a pas de boutons")
        self.assertIn("Annuler", boutons)
        self.assertNotIn("Cancel", boutons)
        touches("Escape")
        pause()
        self.assertIsNone(s.processus.poll())


if __name__ == "__main__":
    unittest.main()
