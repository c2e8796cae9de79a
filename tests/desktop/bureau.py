"""The simulator as a person meets it on the desktop that session.sh starts.

Each `Simulateur` runs the real program from its own copy of the program
folder (the hand-over file lives there), finds its window, clicks at the
coordinates that `vedoriruvirivi-cli inspect` gives for a control, types keys,
and judges from outside: screenshots, window titles, the clipboard read by
another process, files. The test modules of this folder build on it.
"""

import json
import os
import re
import shutil
import subprocess
import tempfile
import time
from functools import lru_cache

BIN = os.environ.get("VEDO_BIN", "")
DELAI = 20.0  # seconds any expected change on the screen may take
TAILLE_ENREGISTREMENT = 128


def executer(*arguments, entree=None, binaire=False, env=None):
    """Runs a desktop tool and returns what it printed."""
    fini = subprocess.run(arguments, input=entree, capture_output=True, timeout=60, env=env, check=True)
    return fini.stdout if binaire else fini.stdout.decode("utf-8", "replace")


def attendre(condition, message, delai=DELAI):
    """The first true value of `condition`, asked until `delai` has passed."""
    fin = time.monotonic() + delai
    while True:
        valeur = condition()
        if valeur:
            return valeur
        if time.monotonic() > fin:
            raise AssertionError(f"{message} (après {delai:.0f} s)")
        time.sleep(0.1)


def pause(secondes=0.3):
    """Leaves the program time to repaint after a gesture."""
    time.sleep(secondes)


class Image:
    """An RGB screenshot, read from the PPM that ImageMagick writes."""

    def __init__(self, ppm):
        entete = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        if not entete:
            raise AssertionError("capture illisible")
        self.largeur, self.hauteur = int(entete.group(1)), int(entete.group(2))
        self.octets = ppm[entete.end():]

    def pixel(self, x, y):
        i = 3 * (y * self.largeur + x)
        return tuple(self.octets[i:i + 3])

    def traits_par_colonne(self, couleur, x):
        """How many separate vertical runs of `couleur` column x holds."""
        traits, dedans = 0, False
        for y in range(self.hauteur):
            present = self.pixel(x, y) == couleur
            traits += present and not dedans
            dedans = present
        return traits


def capture(x, y, largeur, hauteur):
    """The screen's pixels in that rectangle of the root window."""
    return Image(executer("import", "-silent", "-window", "root", "-crop", f"{largeur}x{hauteur}+{x}+{y}",
                          "+repage", "-depth", "8", "ppm:-", binaire=True))


def presse_papiers(type_mime):
    """What another program reads from the clipboard in that type."""
    return executer("xclip", "-selection", "clipboard", "-t", type_mime, "-o", binaire=True)


def fenetre_active():
    try:
        return executer("xdotool", "getactivewindow").strip()
    except subprocess.CalledProcessError:
        return ""


def cliquer_ecran(x, y, bouton=1):
    executer("xdotool", "mousemove", "--sync", str(x), str(y), "click", str(bouton))


def touches(*noms):
    executer("xdotool", "key", "--delay", "40", *noms)


def taper(texte):
    executer("xdotool", "type", "--delay", "40", texte)


def interieur(fenetre):
    """The inside of a window on the screen: (x, y, width, height)."""
    infos = executer("xwininfo", "-id", fenetre)
    return tuple(int(re.search(cle + r":\s+(-?\d+)", infos).group(1))
                 for cle in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def geometrie(fenetre):
    """Outer frame of a window, decorations included: (x, y, width, height)."""
    x, y, largeur, hauteur = interieur(fenetre)
    bords = re.findall(r"\d+", executer("xprop", "-id", fenetre, "_NET_FRAME_EXTENTS").split("=")[-1])
    gauche, droite, haut, bas = (int(b) for b in bords) if len(bords) == 4 else (0, 0, 0, 0)
    return x - gauche, y - haut, largeur + gauche + droite, hauteur + haut + bas


def taille_ecran():
    largeur, hauteur = re.search(r"dimensions:\s+(\d+)x(\d+)", executer("xdpyinfo")).groups()
    return int(largeur), int(hauteur)


@lru_cache(maxsize=None)
def controles(*options):
    """The named controls of the main window as `inspect` reports them, by
    name: position in window pixels, size, text."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    lignes = executer(os.path.join(BIN, "vedoriruvirivi-cli"), "inspect", *options, env=env).splitlines()
    return {c["name"]: c for c in map(json.loads, lignes)}


# The hand-over file of the suite: records of 128 bytes, a 2-byte
# little-endian length and that many bytes of Windows-1252 text.
def ecrire_enregistrement(contenu, numero, texte):
    octets = texte.encode("cp1252")
    debut = (numero - 1) * TAILLE_ENREGISTREMENT
    enregistrement = len(octets).to_bytes(2, "little") + octets
    return contenu[:debut] + enregistrement + contenu[debut + len(enregistrement):]


def lire_enregistrement(contenu, numero):
    debut = (numero - 1) * TAILLE_ENREGISTREMENT
    longueur = int.from_bytes(contenu[debut:debut + 2], "little")
    return contenu[debut + 2:debut + 2 + longueur].decode("cp1252")


class Simulateur:
    """The simulator started from a copy of the program folder."""

    NOM_PROGRAMME = "vedoriruvirivi"

    def __init__(self, test, echange=None, env=None):
        if not BIN or not os.path.isfile(os.path.join(BIN, self.NOM_PROGRAMME)):
            raise AssertionError("VEDO_BIN ne désigne pas le dossier bin/ de la compilation")
        self.dossier = tempfile.mkdtemp(prefix="vedo-appli-")
        test.addCleanup(shutil.rmtree, self.dossier, True)
        for nom in os.listdir(BIN):
            source = os.path.join(BIN, nom)
            if os.path.isfile(source) and not nom.startswith(("tst_", "fuzz_", "bench_")):
                shutil.copy2(source, self.dossier)
        self.echange = os.path.join(self.dossier, "TEMPQW.TMP")
        if echange is not None:
            with open(self.echange, "wb") as f:
                f.write(echange)
        self.journal = open(os.path.join(self.dossier, "sortie.log"), "wb")
        test.addCleanup(self.journal.close)
        self.processus = subprocess.Popen([os.path.join(self.dossier, self.NOM_PROGRAMME)], cwd=self.dossier,
                                          env=dict(env or os.environ, QT_QPA_PLATFORM="xcb"),
                                          stdout=self.journal, stderr=subprocess.STDOUT)
        test.addCleanup(self.arreter)
        self.fenetre = attendre(lambda: self.chercher("Vedoriruvirivi.*"), "la fenêtre principale n'apparaît pas")

    def chercher(self, titre, toutes=False):
        """A visible window of the program whose whole title matches (all of them with `toutes`)."""
        # xdotool's regular expressions read bytes: any letter outside ASCII
        # stands for whatever is there.
        motif = "".join(c if ord(c) < 128 else ".{1,2}" for c in titre)
        try:
            trouvees = executer("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.processus.pid),
                                "--name", f"^{motif}$").split()
        except subprocess.CalledProcessError:
            return ""
        return trouvees if toutes else trouvees[0] if trouvees else ""

    def attendre_fenetre(self, titre):
        return attendre(lambda: self.chercher(titre), f"la fenêtre « {titre} » n'apparaît pas")

    def attendre_autre_fenetre(self, quoi):
        """A visible window of the program other than the main one."""
        return attendre(lambda: [f for f in self.chercher(".*", toutes=True) if f != self.fenetre],
                        f"{quoi} n'apparaît pas")[0]

    def attendre_active(self, fenetre, quoi):
        attendre(lambda: fenetre_active() == fenetre, f"{quoi} ne prend pas le focus")

    def titre(self):
        return executer("xdotool", "getwindowname", self.fenetre).strip()

    def origine(self):
        """Screen position of the window's inside, where inspect's (0, 0) is."""
        return interieur(self.fenetre)[:2]

    def cliquer(self, x, y, bouton=1):
        """A click at window coordinates."""
        ox, oy = self.origine()
        cliquer_ecran(ox + x, oy + y, bouton)

    def cliquer_controle(self, nom, *options, dx=None, dy=None):
        """A click on a control, in its middle unless told where."""
        c = controles(*options)[nom]
        self.cliquer(c["x"] + (c["w"] // 2 if dx is None else dx), c["y"] + (c["h"] // 2 if dy is None else dy))
        pause()

    def onglet(self, numero):
        """A click on the title of a tab of the strip (1 "Réaction" .. 5 "Historique")."""
        bande = controles()["Onglets"]
        self.cliquer(bande["x"] + (2 * numero - 1) * bande["w"] // 10, bande["y"] + 6)
        pause()

    def capture_controle(self, nom, *options):
        c = controles(*options)[nom]
        ox, oy = self.origine()
        return capture(ox + c["x"], oy + c["y"], c["w"], c["h"])

    def copier_texte(self, nom, *options):
        """What a person gets by selecting all of a text box and copying it."""
        self.cliquer_controle(nom, *options)
        touches("ctrl+a", "ctrl+c")
        pause()
        return presse_papiers("UTF8_STRING").decode("utf-8")

    def echange_contenu(self):
        with open(self.echange, "rb") as f:
            return f.read()

    def attendre_fin(self, delai=DELAI):
        try:
            return self.processus.wait(delai)
        except subprocess.TimeoutExpired:
            raise AssertionError("le programme ne se termine pas") from None

    def arreter(self):
        if self.processus.poll() is None:
            self.processus.kill()
            self.processus.wait()
