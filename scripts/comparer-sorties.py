#!/usr/bin/env python3
"""Records what the program shows and writes, and compares two such records.

    scripts/comparer-sorties.py enregistrer BIN DOSSIER
        runs BIN/vedoriruvirivi-cli on the default conditions and on every
        configuration that the build ships beside it (BIN/*.C15): `snapshot`
        of every tab, alone, with --final and with --enlarged; `graph` as SVG,
        PDF and PNG; `table` as TSV and CSV; `inspect`. It also copies the
        files the build generates (exercises, configurations, RTF texts).
    scripts/comparer-sorties.py comparer AVANT APRES
        compares two records: PNG pictures pixel for pixel, configuration,
        RTF, CSV, TSV and PNG files byte for byte, SVG and PDF files as the
        same drawing (the same paths and texts, whatever the writer's
        metadata), `inspect` field by field. Prints what differs and the
        figures; exit status 1 when anything differs.

A refactoring of the program must leave every figure at zero differences.
"""

import json
import re
import shutil
import subprocess
import sys
import zlib
from pathlib import Path

ONGLETS = range(1, 6)
VARIANTES = {"": [], "final": ["--final"], "agrandi": ["--enlarged"],
             "final-agrandi": ["--final", "--enlarged"]}


def cli(bin_, *args):
    r = subprocess.run([str(bin_ / "vedoriruvirivi-cli"), *args], capture_output=True,
                       env={"QT_QPA_PLATFORM": "offscreen", "LC_ALL": "C.UTF-8", "PATH": "/usr/bin:/bin"})
    if r.returncode != 0:
        raise SystemExit(f"vedoriruvirivi-cli {' '.join(args)}: {r.stderr.decode(errors='replace')}")
    return r.stdout


def enregistrer(bin_, dossier):
    bin_, dossier = Path(bin_).resolve(), Path(dossier)
    dossier.mkdir(parents=True, exist_ok=True)
    # The window's title names the configuration's path: the same folder
    # for every record.
    copies = Path("/tmp/comparer-sorties-configurations")
    shutil.rmtree(copies, ignore_errors=True)
    copies.mkdir()
    configurations = {"defaut": []}
    for c in sorted(bin_.glob("*.C15")):
        shutil.copy(c, copies / c.name)
        configurations[c.stem] = ["--config", str(copies / c.name)]
    for nom, conf in configurations.items():
        d = dossier / nom
        d.mkdir(exist_ok=True)
        for onglet in ONGLETS:
            for variante, options in VARIANTES.items():
                suffixe = f"-{variante}" if variante else ""
                cli(bin_, "snapshot", "-o", str(d / f"onglet{onglet}{suffixe}.png"),
                    "--tab", str(onglet), *options, *conf)
        (d / "inspect.json").write_bytes(cli(bin_, "inspect", *conf))
        (d / "inspect-final.json").write_bytes(cli(bin_, "inspect", "--final", *conf))
        for ext in ("svg", "pdf", "png"):
            cli(bin_, "graph", "-o", str(d / f"graphe.{ext}"), *conf)
        (d / "table.tsv").write_bytes(cli(bin_, "table", *conf))
        (d / "table.csv").write_bytes(cli(bin_, "table", "--format", "csv", *conf))
    livres = dossier / "livres"
    livres.mkdir(exist_ok=True)
    for f in sorted(bin_.iterdir()):
        if f.suffix.upper() in (".C15", ".E39", ".RTF", ".PEM", ".HLP") and f.is_file():
            shutil.copy(f, livres / f.name)


def pixels(chemin):
    """The RGBA pixels of a PNG, through ImageMagick."""
    r = subprocess.run(["convert", str(chemin), "-depth", "8", "rgba:-"], capture_output=True, check=True)
    taille = subprocess.run(["identify", "-format", "%wx%h", str(chemin)], capture_output=True,
                            check=True).stdout
    return taille, r.stdout


def dessin_svg(octets):
    texte = octets.decode("utf-8", errors="replace")
    # The drawing: every element but the writer's title, description and dates.
    texte = re.sub(r"<(title|desc)>.*?</\1>", "", texte, flags=re.S)
    return re.findall(r"<(?:path|polyline|polygon|line|rect|text|image|g)\b[^>]*>(?:[^<]*)", texte)


def dessin_pdf(octets):
    """The streams of a PDF, inflated, as a set: the writer embeds its fonts in
    no fixed order; metadata and object offsets are left out."""
    flux = []
    for m in re.finditer(rb"<<(.*?)>>\s*stream\r?\n(.*?)\r?\nendstream", octets, re.S):
        entete, corps = m.group(1), m.group(2)
        if b"/FlateDecode" in entete:
            try:
                corps = zlib.decompress(corps)
            except zlib.error:
                pass
        if b"/Metadata" in entete or b"/XML" in entete:
            continue
        flux.append(corps)
    return sorted(flux)


def comparer_inspect(a, b):
    ea = {o.get("name"): o for o in map(json.loads, a.decode().splitlines()) if o}
    eb = {o.get("name"): o for o in map(json.loads, b.decode().splitlines()) if o}
    ecarts = []
    for nom in sorted(set(ea) | set(eb), key=str):
        if nom not in ea or nom not in eb:
            ecarts.append(f"{nom}: {'absent avant' if nom not in ea else 'absent après'}")
            continue
        for champ in sorted(set(ea[nom]) | set(eb[nom])):
            if ea[nom].get(champ) != eb[nom].get(champ):
                ecarts.append(f"{nom}.{champ}: {ea[nom].get(champ)!r} -> {eb[nom].get(champ)!r}")
    return ecarts, sum(len(o) for o in ea.values())


def comparer(avant, apres):
    avant, apres = Path(avant), Path(apres)
    compte = {"png": 0, "octets": 0, "dessins": 0, "champs inspect": 0}
    ecarts = []
    fichiers = sorted(p.relative_to(avant) for p in avant.rglob("*") if p.is_file())
    autres = sorted(p.relative_to(apres) for p in apres.rglob("*") if p.is_file())
    for manquant in sorted(set(fichiers) ^ set(autres)):
        ecarts.append(f"{manquant}: {'absent après' if manquant in fichiers else 'absent avant'}")
    for rel in fichiers:
        a, b = avant / rel, apres / rel
        if not b.exists():
            continue
        oa, ob = a.read_bytes(), b.read_bytes()
        ext = rel.suffix.lower()
        if ext == ".json":
            e, n = comparer_inspect(oa, ob)
            compte["champs inspect"] += n
            ecarts += [f"{rel}: {x}" for x in e]
        elif ext == ".svg":
            compte["dessins"] += 1
            if dessin_svg(oa) != dessin_svg(ob):
                ecarts.append(f"{rel}: dessin différent")
        elif ext == ".pdf":
            compte["dessins"] += 1
            if dessin_pdf(oa) != dessin_pdf(ob):
                ecarts.append(f"{rel}: dessin différent")
        else:
            compte["octets"] += 1
            if oa != ob:
                if ext == ".png" and pixels(a) == pixels(b):
                    ecarts.append(f"{rel}: mêmes pixels, octets différents")
                else:
                    ecarts.append(f"{rel}: différent")
            if ext == ".png":
                compte["png"] += 1
    for e in ecarts:
        print(e)
    print(f"{len(fichiers)} fichiers comparés : {compte['png']} images, {compte['octets']} comparés octet "
          f"par octet, {compte['dessins']} dessins SVG et PDF, {compte['champs inspect']} champs d'inspect ; "
          f"{len(ecarts)} écart(s)")
    return 1 if ecarts else 0


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "enregistrer":
        enregistrer(sys.argv[2], sys.argv[3])
        return 0
    if len(sys.argv) == 4 and sys.argv[1] == "comparer":
        return comparer(sys.argv[2], sys.argv[3])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
