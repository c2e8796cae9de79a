"""What a screen reader finds in the running simulator, through AT-SPI: the
amount boxes named as the panel reads them, reached and followed with the
keyboard alone, and the tab strip as a list of tabs."""

import os
import unittest

import pyatspi

from bureau import Simulateur, attendre, controles, touches

AIDE_QUANTITES = "Saisir les quantités de matière à l'état initial"


def descendants(objet):
    """Every accessible below `objet`, tables left out: their cells are many
    and hold no control."""
    for enfant in objet:
        if enfant is None:
            continue
        yield enfant
        if enfant.getRole() != pyatspi.ROLE_TABLE:
            yield from descendants(enfant)


def boites(application):
    """The amount boxes as a screen reader meets them: name, description, text."""
    trouvees = []
    for objet in descendants(application):
        if objet.name.startswith("n (mol)"):
            texte = objet.queryText()
            trouvees.append((objet.name, objet.description, texte.getText(0, texte.characterCount)))
    return trouvees


def onglet_choisi(application):
    """The title of the tab that a screen reader reads as selected."""
    for objet in descendants(application):
        if objet.getRole() == pyatspi.ROLE_PAGE_TAB and objet.getState().contains(pyatspi.STATE_SELECTED):
            return objet.name
    return None


def focalise(application):
    """The name of the object that has the focus, the one a screen reader speaks."""
    for objet in descendants(application):
        if objet.getState().contains(pyatspi.STATE_FOCUSED):
            return objet.name
    return None


def application_accessible(simulateur):
    """The running simulator as assistive technologies list it."""
    def chercher():
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == simulateur.processus.pid:
                return application
        return None
    return attendre(chercher, "le simulateur n'apparaît pas parmi les applications accessibles")


class TestAccessibilite(unittest.TestCase):

    def test_cases_des_quantites_nommees_et_suivies_au_clavier(self):
        s = Simulateur(self, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        application = application_accessible(s)
        self.assertEqual(attendre(lambda: boites(application), "aucune case de quantité nommée"), [
            ("n (mol) acide carboxylique", AIDE_QUANTITES, "0,1"),
            ("n (mol) alcool", AIDE_QUANTITES, "0,1"),
            ("n (mol) ester", AIDE_QUANTITES, "0"),
            ("n (mol) eau", AIDE_QUANTITES, "0"),
        ])

        # From the first button, Tab reaches the first box at its rank.
        rangs = {nom: c["tabOrder"] for nom, c in controles().items()}
        touches("Tab")
        attendre(lambda: focalise(application) == "Enregistrer", "Tab ne mène pas au deuxième bouton")
        touches(*["Tab"] * (rangs["Text1(0)"] - rangs["Command11"]))
        attendre(lambda: focalise(application) == "n (mol) acide carboxylique",
                 "le lecteur d'écran n'annonce pas la première case de quantité")

        # Back to the list of reactions, down to the saponification: the
        # boxes take the names of its species.
        touches(*["shift+Tab"] * (rangs["Text1(0)"] - rangs["Combo1"]), "Down", "Down", "Down")
        attendre(lambda: [nom for nom, _, _ in boites(application)] == [
            "n (mol) ester", "n (mol) ion hydroxyde", "n (mol) ion carboxylate", "n (mol) alcool"],
            "les noms des cases ne suivent pas la réaction")

        # The window's keys go round the tabs, whatever has the focus.
        touches("ctrl+shift+Tab")
        attendre(lambda: onglet_choisi(application) == "Historique", "Ctrl+Maj+Tab ne mène pas au dernier onglet")
        touches("ctrl+Tab")
        attendre(lambda: onglet_choisi(application) == "Réaction", "Ctrl+Tab ne revient pas au premier onglet")


if __name__ == "__main__":
    unittest.main()
