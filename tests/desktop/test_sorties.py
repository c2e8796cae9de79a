"""What leaves the program: copies read by another program, and printing on
a real print queue."""

import os
import re
import struct
import subprocess
import unittest

from bureau import Simulateur, attendre, controles, geometrie, pause, presse_papiers, touches

FILE_PDF = os.environ.get("VEDO_FILE_PDF", "")
SORTIE_PDF = os.environ.get("VEDO_SORTIE_PDF", "")


class TestCopies(unittest.TestCase):
    def copier(self, s, *cles):
        """"Co&pier", then an item of its pop-up menu by these keys."""
        s.cliquer_controle("Command3")
        s.cliquer_controle("Command4")
        touches(*cles)
        pause()

    def test_copier_le_graphe(self):
        s = Simulateur(self)
        self.copier(s, "Down", "Down", "Return")
        png = attendre(lambda: presse_papiers("image/png"), "le presse-papiers ne tient pas d'image")
        self.assertEqual(png[:8], b"\x89PNG\r\n\x1a\n")
        largeur, hauteur = struct.unpack(">II", png[16:24])
        graphe = controles()["Picture2"]
        self.assertEqual((largeur, hauteur), (graphe["w"], graphe["h"]))

    def test_copier_le_contenu_du_tableau(self):
        s = Simulateur(self)
        # "Copier le tableau" opens its sub-menu on its first item.
        self.copier(s, "Down", "Down", "Down", "Right", "Return")
        texte = attendre(lambda: presse_papiers("UTF8_STRING"), "le presse-papiers ne tient pas de texte").decode()
        attendu = "\n".join("\t".join(ligne) for ligne in controles("--final")["MSFlexGrid1"]["cells"])
        self.assertNotIn("\r", texte)
        self.assertEqual(texte.rstrip("\n"), attendu)
        self.assertEqual(len(texte.splitlines()), 51)


class TestAide(unittest.TestCase):
    def test_aide_sur_la_fenetre_et_fermee_par_echap(self):
        s = Simulateur(self)
        s.cliquer_controle("Command7")
        aide = s.attendre_fenetre("Aide - Vedoriruvirivi")
        s.attendre_active(aide, "l'aide")
        x, y, largeur, hauteur = geometrie(aide)
        px, py, plargeur, phauteur = geometrie(s.fenetre)
        # Centred on the main window, frames included, not in a corner of the screen.
        self.assertLessEqual(abs(2 * x + largeur - 2 * px - plargeur), 2, (x, y, largeur, hauteur))
        self.assertLessEqual(abs(2 * y + hauteur - 2 * py - phauteur), 2, (x, y, largeur, hauteur))
        touches("Escape")
        attendre(lambda: not s.chercher("Aide - Vedoriruvirivi"), "Échap ne ferme pas l'aide")


class TestImpression(unittest.TestCase):
    def test_graphe_et_tableau_sur_la_file_pdf(self):
        if not FILE_PDF or not os.path.isdir(SORTIE_PDF):
            raise AssertionError("pas de file d'impression PDF : lancer par tests/desktop/session.sh")
        deja = set(os.listdir(SORTIE_PDF))
        s = Simulateur(self)
        s.cliquer_controle("Command3")
        s.cliquer_controle("Command10")
        confimp = s.attendre_fenetre("Imprimer")
        s.attendre_active(confimp, "le dialogue d'impression")
        # The printer's name, selected and copied as a person would.
        touches("ctrl+a", "ctrl+c")
        pause()
        self.assertEqual(presse_papiers("UTF8_STRING").decode(), FILE_PDF)
        # Not the apparatus, the graph as it is, the table too; then "&OK".
        touches("Tab", "Tab", "Tab", "space", "Tab", "Tab", "space", "Return")
        s.attendre_active(s.fenetre, "la fenêtre principale")
        nouveau = attendre(lambda: [f for f in os.listdir(SORTIE_PDF) if f not in deja and f.endswith(".pdf")],
                           "la file PDF n'a rien produit", delai=60)
        chemin = os.path.join(SORTIE_PDF, nouveau[0])
        # The title line, the graph (235 px, 3525 twips) below a twentieth of
        # the page and two empty lines bring the table's top below 4 300
        # twips; its 51 rows of 16 px take 12 240 twips more, past the height
        # of any A4 or Letter page (at most 16 838 twips): the table goes to
        # a second page.
        infos = attendre(lambda: self.pdfinfo(chemin), "le PDF n'est pas complet")
        self.assertEqual(int(re.search(r"Pages:\s+(\d+)", infos).group(1)), 2)

    @staticmethod
    def pdfinfo(chemin):
        fini = subprocess.run(["pdfinfo", chemin], capture_output=True, text=True)
        return fini.stdout if fini.returncode == 0 else ""


if __name__ == "__main__":
    unittest.main()
