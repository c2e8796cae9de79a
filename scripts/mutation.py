#!/usr/bin/env python3
"""Mutation testing of the library folders against their test executables.

Makes small faults in the C++ sources of the folders given, one at a time:
a relational operator turned (< <=, > >=, == !=), a literal moved (integers
by one, floating values by a factor of two), an arithmetic operator swapped,
a statement removed, a condition negated. For each mutant it builds only the
test executable of the mutated folder (the one its mirror in tests/ declares) in a build folder of
its own (Release, with the standard library's index checks), runs it under a
time limit and restores the source, whatever happens. The report gives each mutant and the score per folder.

    scripts/mutation.py [--sample N --seed S] src/core/common src/core/engine ...

A sample walks a seeded shuffle of every mutant until N of them have been
run that compiled and are not marked equivalent, so a sample of N always
scores N mutants. Mutants known to change nothing observable are listed in
scripts/mutation-equivalents.txt with the reason; they are not run, and the
report lists them apart with that reason.
"""

import argparse
import bisect
import fcntl
import hashlib
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

RACINE = Path(__file__).resolve().parent.parent
EXTENSIONS = (".cpp", ".h")

# ---------------------------------------------------------------- lexing

PONCTUATION = sorted(
    """>>= <<= <=> ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .*
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #""".split(),
    key=len, reverse=True)

MOTS_CLES = set("""alignas alignof and asm auto bool break case catch char char8_t char16_t char32_t class
    co_await co_return co_yield concept const consteval constexpr constinit const_cast continue decltype
    default delete do double dynamic_cast else enum explicit export extern false float for friend goto if
    inline int long mutable namespace new noexcept not nullptr operator or private protected public register
    reinterpret_cast requires return short signed sizeof static static_assert static_cast struct switch
    template this thread_local throw true try typedef typeid typename union unsigned using virtual void
    volatile wchar_t while""".split())

RE_IDENT = re.compile(r"[A-Za-z_]\w*")
RE_NOMBRE = re.compile(r"(?:0[xX][0-9a-fA-F']+|0[bB][01']+|\d[\d']*\.?[\d']*(?:[eE][+-]?\d+)?|\.\d[\d']*(?:[eE][+-]?\d+)?)"
                       r"[uUlLfF]*")
RE_TEXTE = re.compile(r"(?:u8|[uUL])?(['\"])")
RE_BRUT = re.compile(r'(?:u8|[uUL])?R"([^(\s]*)\(')


@dataclass
class Jeton:
    genre: str  # ident, nombre, ponct, texte
    texte: str
    debut: int
    fin: int


def lexer(source):
    """Tokens of the code; comments and preprocessor lines give none, string
    and character literals give one opaque token each."""
    jetons = []
    i, n = 0, len(source)
    debut_ligne = True
    while i < n:
        c = source[i]
        if c == "\n":
            debut_ligne = True
            i += 1
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if c == "#" and debut_ligne:
            # A directive runs to the end of the line, continuations included.
            while i < n and source[i] != "\n":
                if source[i] == "\\" and i + 1 < n and source[i + 1] == "\n":
                    i += 1
                elif source.startswith("/*", i):
                    fin = source.find("*/", i + 2)
                    i = n if fin < 0 else fin + 1
                i += 1
            continue
        debut_ligne = False
        if source.startswith("//", i):
            fin = source.find("\n", i)
            i = n if fin < 0 else fin
            continue
        if source.startswith("/*", i):
            fin = source.find("*/", i + 2)
            i = n if fin < 0 else fin + 2
            continue
        m = RE_BRUT.match(source, i)
        if m:
            fin = source.find(")" + m.group(1) + '"', m.end())
            fin = n if fin < 0 else fin + len(m.group(1)) + 2
            jetons.append(Jeton("texte", source[i:fin], i, fin))
            i = fin
            continue
        m = RE_TEXTE.match(source, i)
        if m and (i == 0 or not (source[i - 1].isalnum() or source[i - 1] == "_")):
            guillemet = m.group(1)
            j = m.end()
            while j < n and source[j] != guillemet and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            j = min(j + 1, n)
            jetons.append(Jeton("texte", source[i:j], i, j))
            i = j
            continue
        if c.isdigit() or (c == "." and i + 1 < n and source[i + 1].isdigit()):
            m = RE_NOMBRE.match(source, i)
            jetons.append(Jeton("nombre", m.group(0), i, m.end()))
            i = m.end()
            continue
        m = RE_IDENT.match(source, i)
        if m:
            jetons.append(Jeton("ident", m.group(0), i, m.end()))
            i = m.end()
            continue
        for p in PONCTUATION:
            if source.startswith(p, i):
                jetons.append(Jeton("ponct", p, i, i + len(p)))
                i += len(p)
                break
        else:
            i += 1
    return jetons


def chevrons_de_modele(jetons):
    """Indices of the tokens from a < that opens template arguments to its
    closing > (or >>), both included."""
    ARRETS = {";", "{", "}", "&&", "||", "?", "=", "==", "!=", "<=", ">=", "!", ".", "->", "+=", "-=", "|", "^",
              "/", "%", ":"}
    marques = set()
    for i, j in enumerate(jetons):
        if j.texte != "<" or i == 0 or i in marques:
            continue
        avant = jetons[i - 1]
        if avant.texte == "operator" or avant.genre != "ident":
            continue
        profondeur, parentheses, k = 1, 0, i + 1
        while k < len(jetons):
            t = jetons[k].texte
            if t in ARRETS and jetons[k].genre == "ponct":
                break
            if t == "(":
                parentheses += 1
            elif t == ")":
                parentheses -= 1
                if parentheses < 0:
                    break
            elif t == "<":
                profondeur += 1
            elif t in (">", ">>"):
                profondeur -= len(t)
                if profondeur <= 0:
                    break
            k += 1
        if k < len(jetons) and jetons[k].texte in (">", ">>") and profondeur <= 0:
            marques.update(range(i, k + 1))
    return marques


# ---------------------------------------------------------------- mutants

@dataclass
class Mutant:
    fichier: str  # relative to the repository root
    debut: int
    fin: int
    remplacement: str
    ligne: int
    colonne: int
    genre: str
    changement: str
    code: str  # the source line, stripped
    dossier: str = ""

    def ident(self):
        return f"{self.fichier}:{self.ligne}:{self.colonne} {self.changement}"


def litteral_deplace(texte):
    """The moved values of a numeric literal, in its own form and suffix:
    integers by one (never below zero), floating values by a factor of two
    (zero becomes one)."""
    net = texte.replace("'", "")
    hexa = net[:2].lower() == "0x"
    m = re.match(r"(.*?)([uUlL]*)$" if hexa else r"(.*?)([uUlLfF]*)$", net)
    corps, suffixe = m.group(1), m.group(2)
    if not hexa and (any(c in corps for c in ".eE") or "f" in suffixe.lower()):
        v = float(corps)
        resultat = []
        for w in ([1.0] if v == 0 else [v * 2, v / 2]):
            r = repr(w)
            if not re.fullmatch(r"[\d.e+-]+", r):
                continue
            resultat.append((r if "." in r or "e" in r else r + ".0") + suffixe)
        return resultat
    if hexa:
        v = int(corps, 16)
        majuscules = any(c.isupper() for c in corps[2:])
        forme = lambda w: corps[:2] + format(w, "X" if majuscules else "x")
    elif corps[:2].lower() == "0b":
        v = int(corps[2:], 2)
        forme = lambda w: corps[:2] + format(w, "b")
    elif len(corps) > 1 and corps.startswith("0"):
        v = int(corps, 8)
        forme = lambda w: "0" + format(w, "o")
    else:
        v = int(corps)
        forme = str
    return [forme(w) + suffixe for w in ([v + 1, v - 1] if v > 0 else [v + 1])]


RELATIONS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIQUE = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "*", "+=": "-=", "-=": "+=", "*=": "/=",
                "/=": "*=", "++": "--", "--": "++"}
AFFECTATIONS = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>=", "++", "--"}
OPERANDES = {"ident", "nombre", "texte"}


def apercu(texte, longueur=60):
    texte = " ".join(texte.split())
    return texte if len(texte) <= longueur else texte[:longueur - 1] + "…"


def blocs(jetons):
    """For each token, the kind of its innermost brace block: "code" (a
    function body or a block of statements in one), "init" (a braced
    initializer) or "autre" (namespace, class, enum, or no block); and the
    matching ) of each (."""
    genres = []
    pile = []
    parentheses = []
    fermante = {}
    for i, j in enumerate(jetons):
        if j.texte == "(":
            parentheses.append(i)
        elif j.texte == ")" and parentheses:
            fermante[parentheses.pop()] = i
        if j.texte == "{":
            k = i - 1
            while k >= 0 and jetons[k].texte in ("const", "override", "noexcept", "final", "mutable"):
                k -= 1
            avant = jetons[k].texte if k >= 0 else ""
            parent = pile[-1] if pile else "autre"
            if avant in (")", "]", "else", "do", "try"):
                genre = "code"
            elif parent == "code" and avant in (";", "{", "}", ":"):
                genre = "code"
            elif parent != "autre" or avant in ("=", "return", ",", "("):
                genre = "init"
            else:
                genre = "autre"
            pile.append(genre)
        genres.append(pile[-1] if pile else "autre")
        if j.texte == "}" and pile:
            pile.pop()
    return genres, fermante


def mutants_du_fichier(racine, chemin_relatif):
    source = (racine / chemin_relatif).read_text(encoding="utf-8")
    jetons = lexer(source)
    modeles = chevrons_de_modele(jetons)
    genres, fermante = blocs(jetons)
    debuts_lignes = [0] + [m.end() for m in re.finditer("\n", source)]
    lignes = source.split("\n")
    mutants = []

    def position(offset):
        ligne = bisect.bisect_right(debuts_lignes, offset)
        return ligne, offset - debuts_lignes[ligne - 1] + 1

    def ajouter(debut, fin, remplacement, genre, changement):
        ligne, colonne = position(debut)
        mutants.append(Mutant(chemin_relatif, debut, fin, remplacement, ligne, colonne, genre, changement,
                              lignes[ligne - 1].strip()))

    def espace_autour(j):
        return (j.debut > 0 and source[j.debut - 1] in " \t\n" and j.fin < len(source) and
                source[j.fin] in " \t\n")

    # Tokens of headers (if, while, for, switch) that close a condition.
    fin_entete = set()
    for i, j in enumerate(jetons):
        if j.texte in ("if", "while", "for", "switch") and i + 1 < len(jetons) and jetons[i + 1].texte == "(":
            if i + 1 in fermante:
                fin_entete.add(fermante[i + 1])

    profondeur_parentheses = 0
    debut_instruction = False
    cas_en_cours = False
    for i, j in enumerate(jetons):
        precedent = jetons[i - 1] if i else None
        if i in modeles or (precedent and precedent.texte in ("operator", "case")):
            pass  # template arguments (mostly sizes), operator names, case labels
        elif j.genre == "ponct" and j.texte in RELATIONS:
            ajouter(j.debut, j.fin, RELATIONS[j.texte], "relation", f"`{j.texte}` → `{RELATIONS[j.texte]}`")
        elif j.genre == "nombre":
            for r in litteral_deplace(j.texte):
                ajouter(j.debut, j.fin, r, "literal", f"`{j.texte}` → `{r}`")
        elif j.genre == "ponct" and j.texte in ARITHMETIQUE and precedent:
            binaire = j.texte in ("+", "-", "*", "/", "%")
            if binaire and not (espace_autour(j) and (precedent.genre in OPERANDES or precedent.texte in (")", "]"))):
                pass
            elif binaire and (precedent.genre == "texte" or jetons[i + 1].genre == "texte"):
                pass  # string concatenation
            else:
                ajouter(j.debut, j.fin, ARITHMETIQUE[j.texte], "arithmetic",
                        f"`{j.texte}` → `{ARITHMETIQUE[j.texte]}`")

        # Conditions of if and while.
        if j.texte in ("if", "while") and genres[i] == "code" and i + 1 in fermante and jetons[i + 1].texte == "(":
            ouvrante, ferme = jetons[i + 1], jetons[fermante[i + 1]]
            interieur = jetons[i + 2:fermante[i + 1]]
            declaration = interieur and (interieur[0].texte in MOTS_CLES - {"true", "false", "this", "nullptr"}
                                         or any(t.texte == ";" for t in interieur))
            if interieur and not declaration:
                condition = source[ouvrante.fin:ferme.debut]
                ajouter(ouvrante.fin, ferme.debut, f"!({condition})", "condition",
                        f"condition negated: `{apercu(condition, 40)}`")

        # Whole expression statements: assignments, calls, increments.
        if debut_instruction and profondeur_parentheses == 0 and genres[i] == "code":
            k = i
            if j.texte in ("++", "--"):
                k = i + 1
            while k + 1 < len(jetons) and jetons[k].genre == "ident" and jetons[k + 1].texte == "::":
                k += 2
            tete = jetons[k] if k < len(jetons) else None
            suivant = jetons[k + 1] if k + 1 < len(jetons) else None
            expression = (tete is not None and tete.genre == "ident" and tete.texte not in MOTS_CLES - {"this"}
                          and not tete.texte.startswith("Q_") and suivant is not None and
                          (j.texte in ("++", "--") or suivant.texte in AFFECTATIONS or
                           suivant.texte in ("(", ".", "->", "[", "<<")))
            if expression:
                m, profondeur = i, 0
                while m < len(jetons):
                    t = jetons[m].texte
                    if t in ("(", "["):
                        profondeur += 1
                    elif t in (")", "]"):
                        profondeur -= 1
                    elif t == "{" and profondeur == 0 or t == "}" and profondeur == 0:
                        m = len(jetons)
                        break
                    elif t == ";" and profondeur == 0:
                        break
                    m += 1
                if m < len(jetons):
                    texte = source[j.debut:jetons[m].fin]
                    ajouter(j.debut, jetons[m].fin, "{}", "statement", f"statement removed: `{apercu(texte)}`")

        # Track where the next statement may start.
        if j.texte == "(":
            profondeur_parentheses += 1
        elif j.texte == ")":
            profondeur_parentheses = max(0, profondeur_parentheses - 1)
        if j.texte in ("case", "default"):
            cas_en_cours = True
        if j.texte in (";", "{", "}", "else", "do") or i in fin_entete:
            debut_instruction = profondeur_parentheses == 0
            cas_en_cours = False
        elif j.texte == ":" and cas_en_cours:
            debut_instruction = True
            cas_en_cours = False
        else:
            debut_instruction = False
    return mutants


def tous_les_mutants(racine, dossiers):
    mutants = []
    for dossier in dossiers:
        for chemin in sorted((racine / dossier).rglob("*")):
            if chemin.suffix in EXTENSIONS and chemin.is_file():
                for m in mutants_du_fichier(racine, str(chemin.relative_to(racine))):
                    m.dossier = dossier
                    mutants.append(m)
    mutants.sort(key=lambda m: (m.fichier, m.debut, m.fin, m.remplacement))
    return mutants


# ---------------------------------------------------------------- equivalents

@dataclass
class Equivalent:
    fichier: str
    ligne: int
    colonne: int
    changement: str
    code: str = ""
    raison: str = ""


def lire_equivalents(chemin):
    """Blocks of the form
         src/core/engine/RateLaw.cpp:57:12 `<` → `<=`
           code: if (x < 0.0) ...
           reason: why nothing observable changes
    """
    equivalents = []
    if not chemin.exists():
        return equivalents
    for numero, brute in enumerate(chemin.read_text(encoding="utf-8").split("\n"), 1):
        if not brute.strip() or brute.lstrip().startswith("#"):
            continue
        if not brute[0].isspace():
            m = re.match(r"(\S+?):(\d+):(\d+) (.+)$", brute)
            if not m:
                sys.exit(f"{chemin}:{numero}: expected `file:line:column change`")
            equivalents.append(Equivalent(m.group(1), int(m.group(2)), int(m.group(3)), m.group(4).strip()))
        elif equivalents:
            cle, _, valeur = brute.strip().partition(":")
            if cle == "code":
                equivalents[-1].code = valeur.strip()
            elif cle == "reason":
                equivalents[-1].raison = (equivalents[-1].raison + " " + valeur.strip()).strip()
            else:
                equivalents[-1].raison += " " + brute.strip()
    return equivalents


def associer_equivalents(mutants, equivalents):
    """The annotated mutants, by identity: an annotation names the mutant of
    the same file, column, change and line of code; among identical lines,
    the one nearest to the line number it gives."""
    associes = {}
    for e in equivalents:
        candidats = [m for m in mutants if m.fichier == e.fichier and m.colonne == e.colonne and
                     m.changement == e.changement and (m.code == e.code if e.code else m.ligne == e.ligne)]
        if candidats:
            associes[min(candidats, key=lambda m: abs(m.ligne - e.ligne)).ident()] = e
    return associes


# ---------------------------------------------------------------- running

class Interruption(Exception):
    pass


def interrompre(signum, _frame):
    raise Interruption(signal.Signals(signum).name)


def empreinte(octets):
    return hashlib.sha256(octets).hexdigest()


class Executeur:
    def __init__(self, racine, build, delai, facteur, jobs):
        self.racine = racine
        self.build = build
        self.delai_impose = delai
        self.facteur = facteur
        self.jobs = jobs
        self.delais = {}
        self.journal = build / "mutation-journal.json"

    def lancer(self, commande, delai=None, env=None):
        """Runs a command in its own process group; kills the group on time-out
        or interruption. Returns (code or None on time-out, output)."""
        processus = subprocess.Popen(commande, cwd=self.racine, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                     env=env, start_new_session=True)
        try:
            sortie, _ = processus.communicate(timeout=delai)
            return processus.returncode, sortie.decode("utf-8", "replace")
        except subprocess.TimeoutExpired:
            os.killpg(processus.pid, signal.SIGKILL)
            sortie, _ = processus.communicate()
            return None, sortie.decode("utf-8", "replace")
        except BaseException:
            try:
                os.killpg(processus.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            processus.wait()
            raise

    def configurer(self):
        # The standard library checks its indices: a mutant that reads past an
        # array stops the test instead of reading whatever lies beyond.
        code, sortie = self.lancer(["cmake", "-S", ".", "-B", str(self.build), "-G", "Ninja",
                                    "-DCMAKE_BUILD_TYPE=Release", "-DVEDO_BUILD_TESTS=ON",
                                    "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS"])
        if code != 0:
            sys.exit("cmake configure failed:\n" + sortie)

    def construire(self, cible):
        return self.lancer(["cmake", "--build", str(self.build), "--target", cible, "-j", str(self.jobs)])

    def tester(self, cible):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8", QTEST_FUNCTION_TIMEOUT="30000")
        return self.lancer([str(self.build / "bin" / cible), "-silent"], self.delais.get(cible), env)

    def preparer(self, cible):
        """Builds and runs the unmutated executable: it must pass, and its time
        sets the limit of the mutants' runs."""
        code, sortie = self.construire(cible)
        if code != 0:
            sys.exit(f"{cible} does not build without mutation:\n{sortie[-3000:]}")
        debut = time.monotonic()
        code, sortie = self.tester(cible)
        duree = time.monotonic() - debut
        if code != 0:
            sys.exit(f"{cible} fails without mutation:\n{sortie[-3000:]}")
        self.delais[cible] = self.delai_impose or max(10.0, self.facteur * duree + 10.0)
        print(f"{cible}: passes in {duree:.1f} s; mutants get {self.delais[cible]:.0f} s", flush=True)

    # The journal keeps the original of the file being mutated, so that a run
    # killed outright is undone by the next one.
    def reprendre(self):
        if not self.journal.exists():
            return
        donnees = json.loads(self.journal.read_text())
        chemin = self.racine / donnees["fichier"]
        original = bytes.fromhex(donnees["original"])
        chemin.write_bytes(original)
        print(f"restored {donnees['fichier']} left mutated by an interrupted run", flush=True)
        self.journal.unlink()

    def essayer(self, mutant, cible):
        chemin = self.racine / mutant.fichier
        original = chemin.read_bytes()
        texte = original.decode("utf-8")
        mute = texte[:mutant.debut] + mutant.remplacement + texte[mutant.fin:]
        self.journal.write_text(json.dumps({"fichier": mutant.fichier, "original": original.hex()}))
        try:
            chemin.write_text(mute, encoding="utf-8")
            code, sortie = self.construire(cible)
            if code != 0:
                return "build-failed", ""
            code, sortie = self.tester(cible)
            if code is None:
                return "timeout", ""
            if code == 0:
                return "survived", ""
            echecs = re.findall(r"^FAIL!\s*:\s*(\S+?\(.*?\))", sortie, re.M)
            return "killed", echecs[0] if echecs else f"exit status {code}"
        finally:
            chemin.write_bytes(original)
            if empreinte(chemin.read_bytes()) != empreinte(original):
                sys.exit(f"could not restore {mutant.fichier}")
            self.journal.unlink()


def cible_de(dossier):
    """The test executable that the mirror folder of tests/ declares."""
    miroir = RACINE / "tests" / Path(dossier).resolve().relative_to(RACINE / "src") / "CMakeLists.txt"
    nom = re.search(r"NAME\s+(\S+)", miroir.read_text()) if miroir.exists() else None
    return nom.group(1) if nom else "tst_" + Path(dossier).name


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("dossiers", nargs="+", help="source folders, e.g. src/core/common src/core/engine")
    parser.add_argument("--sample", type=int, help="number of scored mutants (default: all)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    parser.add_argument("--build-dir", default="build-mutation", help="build folder (default build-mutation)")
    parser.add_argument("--equivalents", default="scripts/mutation-equivalents.txt",
                        help="annotations of equivalent mutants")
    parser.add_argument("--timeout", type=float, help="seconds per test run (default: 3 x unmutated time + 10)")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    parser.add_argument("--nice", type=int, default=10, help="niceness of the builds and runs (default 10)")
    parser.add_argument("--report", help="also write the results to this JSON file")
    parser.add_argument("--only", help="run only the mutants of this JSON report that survived")
    parser.add_argument("--reuse", help="take the results of this JSON report, made on the same tree, instead of "
                                        "running its mutants again (to draw the replacements of newly marked "
                                        "equivalents)")
    parser.add_argument("--list", action="store_true", help="list the mutants of the sample without running them")
    args = parser.parse_args()

    racine = RACINE
    dossiers = [str(Path(d)) for d in args.dossiers]
    for d in dossiers:
        if not (racine / d).is_dir():
            sys.exit(f"no folder {d} under {racine}")
    mutants = tous_les_mutants(racine, dossiers)
    equivalents = lire_equivalents(racine / args.equivalents)
    equivalents_associes = associer_equivalents(mutants, equivalents)
    associes = {id(e) for e in equivalents_associes.values()}
    for e in equivalents:
        if id(e) not in associes and any(e.fichier.startswith(d + "/") for d in dossiers):
            print(f"warning: the annotation {e.fichier}:{e.ligne}:{e.colonne} {e.changement} matches no mutant",
                  flush=True)
    ordre = list(mutants)
    random.Random(args.seed).shuffle(ordre)
    if args.only:
        voulus = {r["id"] for r in json.loads(Path(args.only).read_text())["mutants"] if r["result"] == "survived"}
        ordre = [m for m in ordre if m.ident() in voulus]
    connus = {}
    if args.reuse:
        connus = {r["id"]: (r["result"], r["detail"]) for r in json.loads(Path(args.reuse).read_text())["mutants"]
                  if r["result"] != "equivalent"}
    print(f"{len(mutants)} mutants in {', '.join(dossiers)}; seed {args.seed}", flush=True)

    if args.list:
        compte = 0
        for m in ordre:
            e = equivalents_associes.get(m.ident())
            print(f"{m.ident()}" + (f"  [equivalent: {e.raison}]" if e else ""))
            compte += 0 if e else 1
            if args.sample and compte >= args.sample:
                break
        return

    os.nice(args.nice)
    build = (racine / args.build_dir).resolve()
    build.mkdir(parents=True, exist_ok=True)
    verrou = open(build / "mutation.lock", "w")
    try:
        fcntl.flock(verrou, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        sys.exit(f"another mutation run uses {build}")
    executeur = Executeur(racine, build, args.timeout, 3.0, args.jobs)
    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, interrompre)

    empreintes = {m.fichier: empreinte((racine / m.fichier).read_bytes()) for m in mutants}
    resultats = []
    try:
        executeur.reprendre()
        empreintes = {f: empreinte((racine / f).read_bytes()) for f in empreintes}
        executeur.configurer()
        for d in dossiers:
            executeur.preparer(cible_de(d))
        comptes = 0
        for m in ordre:
            if args.sample and comptes >= args.sample:
                break
            e = equivalents_associes.get(m.ident())
            if e:
                resultats.append((m, "equivalent", e.raison))
                print(f"{m.ident()}  equivalent", flush=True)
                continue
            debut = time.monotonic()
            resultat, detail = connus.get(m.ident()) or executeur.essayer(m, cible_de(m.dossier))
            resultats.append((m, resultat, detail))
            if resultat != "build-failed":
                comptes += 1
            print(f"[{comptes}] {m.ident()}  {resultat}{'  ' + detail if detail else ''}"
                  f"  ({time.monotonic() - debut:.0f} s)", flush=True)
    except Interruption as signal_recu:
        print(f"interrupted by {signal_recu}; sources restored", flush=True)
    finally:
        executeur.reprendre()
        for f, h in empreintes.items():
            if empreinte((racine / f).read_bytes()) != h:
                print(f"WARNING: {f} differs from its state before the run", flush=True)

    rapport(resultats, dossiers, args)


def rapport(resultats, dossiers, args):
    print("\n== Mutants ==")
    for m, resultat, detail in resultats:
        if resultat != "equivalent":
            print(f"{m.fichier}:{m.ligne}  {m.changement}  {resultat}{'  (' + detail + ')' if detail else ''}")
    equiv = [(m, d) for m, r, d in resultats if r == "equivalent"]
    if equiv:
        print("\n== Equivalent mutants met (not scored) ==")
        for m, raison in equiv:
            print(f"{m.fichier}:{m.ligne}  {m.changement}\n    {raison}")
    print("\n== Score per folder (killed includes time-outs) ==")
    print(f"{'folder':<20}{'killed':>8}{'survived':>10}{'timeout':>9}{'score':>8}{'build-failed':>14}"
          f"{'equivalent':>12}")
    total = {"killed": 0, "survived": 0, "timeout": 0, "build-failed": 0, "equivalent": 0}
    for d in dossiers + ["all"]:
        c = {k: 0 for k in total}
        for m, r, _ in resultats:
            if d == "all" or m.dossier == d:
                c[r] += 1
        tues = c["killed"] + c["timeout"]
        notes = tues + c["survived"]
        score = f"{100.0 * tues / notes:.0f} %" if notes else "-"
        print(f"{d:<20}{tues:>8}{c['survived']:>10}{c['timeout']:>9}{score:>8}{c['build-failed']:>14}"
              f"{c['equivalent']:>12}")
    if args.report:
        Path(args.report).write_text(json.dumps({
            "seed": args.seed, "sample": args.sample, "folders": dossiers,
            "mutants": [{"id": m.ident(), "file": m.fichier, "line": m.ligne, "change": m.changement,
                         "kind": m.genre, "folder": m.dossier, "result": r, "detail": d}
                        for m, r, d in resultats]}, ensure_ascii=False, indent=1))


if __name__ == "__main__":
    main()
