"""Reads exported results back as a spreadsheet user would and compares every
cell with kalvo-cli analyze --json and the model (export --format json).

  check_export.py openpyxl BOOK.xlsx ANALYSIS.json MODEL.json
  check_export.py soffice  BOOK.xlsx ANALYSIS.json MODEL.json
  check_export.py soffice-csv FILE.csv ANALYSIS.json MODEL.json LANGUAGE

openpyxl reads the workbook (and its formats); soffice is LibreOffice Calc
headless, which converts every sheet to CSV (or opens our CSV in the locale
LANGUAGE, e.g. sl-SI, and saves it as a workbook). Exit 0 when all agree."""
import csv
import json
import os
import subprocess
import sys
import tempfile

import openpyxl

SOFFICE = "/usr/bin/soffice"


def close(a, b, tolerance):
    return abs(a - b) <= tolerance * max(1.0, abs(b))


def ratio_value(text):
    for mark in (":", "/"):
        if mark in text:
            a, b = text.split(mark)
            return float(a.replace(",", ".")) / float(b.replace(",", "."))
    return float(text.replace(",", "."))


def soffice(args, workdir):
    profile = "file://" + os.path.join(workdir, "profile")
    # Its own CSV output in the C locale's numbers; our CSV is read by the filter's language.
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    subprocess.run([SOFFICE, "-env:UserInstallation=" + profile, "--headless"] + args,
                   cwd=workdir, env=env, check=True, capture_output=True, timeout=180)


def number(text):
    if text in ("", None):
        return None
    try:
        return float(text)
    except ValueError:
        return text


def tables_from_book(path):
    book = openpyxl.load_workbook(path)
    return [(sheet.title, [list(row) for row in sheet.iter_rows(values_only=True)]) for sheet in book.worksheets], book


def tables_from_soffice(path):
    """Every sheet of the workbook as LibreOffice Calc reads it, through CSV."""
    with tempfile.TemporaryDirectory() as work:
        soffice(["--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,false,true,false,false,false,-1",
                 "--outdir", work, os.path.abspath(path)], work)
        stem = os.path.splitext(os.path.basename(path))[0] + "-"
        book = openpyxl.load_workbook(path, read_only=True)
        names = book.sheetnames
        tables = []
        for name in names:
            with open(os.path.join(work, stem + name + ".csv"), encoding="utf-8", newline="") as f:
                tables.append((name, [[number(cell) for cell in row] for row in csv.reader(f)]))
        return tables


def tables_from_csv(path, language):
    """Our CSV opened by LibreOffice Calc in the user's locale, split at its empty lines."""
    with tempfile.TemporaryDirectory() as work:
        separator = "59" if language == "sl-SI" else "44"
        code = "1060" if language == "sl-SI" else "1033"
        soffice(["--infilter=CSV:" + separator + ",34,76,1,," + code, "--convert-to", "xlsx",
                 "--outdir", work, os.path.abspath(path)], work)
        book = openpyxl.load_workbook(os.path.join(work, os.path.splitext(os.path.basename(path))[0] + ".xlsx"))
        rows = [list(row) for row in book.worksheets[0].iter_rows(values_only=True)]
    tables, current = [], []
    for row in rows + [[None]]:
        if all(cell is None for cell in row):
            if current:
                width = max(i + 1 for i, cell in enumerate(current[0]) if cell is not None)
                tables.append([r[:width] for r in current])
            current = []
        else:
            current.append(row)
    names = ["Rezultati", "Uteži", "Model"] + ["matrix"] * (len(tables) - 3)
    return list(zip(names, tables))


def ragged_rows(path, language):
    """Rows of our CSV whose fields are not as many as their table's header's."""
    with open(path, encoding="utf-8-sig", newline="") as f:
        records = list(csv.reader(f, delimiter=";" if language == "sl-SI" else ","))
    faults, width = [], None
    for line, record in enumerate(records, start=1):
        if not record:
            width = None
        elif width is None:
            width = len(record)
        elif len(record) != width:
            faults.append(f"{path} record {line}: {len(record)} fields, its header {width}")
    return faults


def tree_of(model):
    """Each criterion's path, and its parent's, from the levels of the model's JSON."""
    paths, stack = [], []
    for c in model["criteria"]:
        del stack[c["level"]:]
        stack.append(c["name"])
        paths.append("/".join(stack))
    return paths


def main():
    reader, path, analysis_file, model_file = sys.argv[1:5]
    with open(analysis_file, encoding="utf-8") as f:
        analysis = json.load(f)
    with open(model_file, encoding="utf-8") as f:
        model = json.load(f)
    faults = []
    # LibreOffice keeps 15 significant digits of a number it shows in full.
    tolerance = 1e-12 if reader == "openpyxl" else 1e-14

    def check(where, got, want):
        if not isinstance(got, (int, float)) or isinstance(got, bool):
            faults.append(f"{where}: {got!r} is not a number (want {want!r})")
        elif not close(got, want, tolerance):
            faults.append(f"{where}: {got!r}, want {want!r}")

    def same(where, got, want):
        if got != want:
            faults.append(f"{where}: {got!r}, want {want!r}")

    book = None
    if reader == "openpyxl":
        tables, book = tables_from_book(path)
    elif reader == "soffice":
        tables = tables_from_soffice(path)
    else:
        tables = tables_from_csv(path, sys.argv[5])
        faults += ragged_rows(path, sys.argv[5])
    sheets = dict(tables)
    for name in ("Rezultati", "Uteži", "Model"):
        if name not in sheets:
            faults.append(f"no sheet {name}: {[n for n, _ in tables]}")
            print("\n".join(faults))
            return 1

    criteria = {c["path"]: c for c in analysis["criteria"]}
    children = {}
    for c in analysis["criteria"]:
        parent = c["path"].rsplit("/", 1)[0]
        if parent != c["path"] and parent in criteria:
            children.setdefault(parent, []).append(c["path"])
    start = analysis["start"]
    leaves = [p for p in criteria if p not in children]

    def local(p):
        if p == start:
            return 1.0
        parent = p.rsplit("/", 1)[0]
        return criteria[parent]["vector"][children[parent].index(p)]

    def global_weight(p):
        return 1.0 if p == start else local(p) * global_weight(p.rsplit("/", 1)[0])

    # Rezultati: score, rank, each leaf's local and global score.
    rows = sheets["Rezultati"]
    header = ["Rešitev", "Skupaj", "Mesto"]
    for leaf in leaves:
        header += [leaf + " (lokalno)", leaf + " (globalno)"]
    same("Rezultati header", [c for c in rows[0]], header)
    scores = [s["score"] for s in analysis["solutions"]]
    for k, solution in enumerate(analysis["solutions"]):
        row = rows[k + 1]
        where = f"Rezultati row {k + 2}"
        same(where + " name", row[0], solution["name"])
        check(where + " score", row[1], solution["score"])
        check(where + " rank", row[2], 1 + sum(1 for s in scores if s > solution["score"]))
        for i, leaf in enumerate(leaves):
            vector = criteria[leaf]["vector"]
            value = vector[k] if vector and k < len(vector) else 0.0
            check(f"{where} {leaf} local", row[3 + 2 * i], value)
            check(f"{where} {leaf} global", row[4 + 2 * i], value * global_weight(leaf))
    same("Rezultati rows", len(rows), 1 + len(scores))

    # Uteži: each criterion's local and global weight and its consistency.
    rows = sheets["Uteži"]
    same("Uteži header", rows[0], ["Kriterij", "Lokalna utež", "Globalna utež", "lambda", "CI", "CR"])
    same("Uteži criteria", [r[0] for r in rows[1:]], [c["path"] for c in analysis["criteria"]])
    for r, row in enumerate(rows[1:], start=2):
        c = criteria[row[0]]
        check(f"Uteži!B{r}", row[1], local(row[0]))
        check(f"Uteži!C{r}", row[2], global_weight(row[0]))
        for column, key in ((3, "lambda"), (4, "ci"), (5, "cr")):
            if c["kind"] == "relative" and c[key] is not None:
                check(f"Uteži!{'ABCDEF'[column]}{r} {key}", row[column], c[key])
            else:
                same(f"Uteži!{'ABCDEF'[column]}{r} {key}", row[column], None)

    # Model: where the numbers come from.
    about = {row[0]: row[1] for row in sheets["Model"][1:]}
    same("Model: start", about.get("Začetni kriterij"), start)
    same("Model: model", about.get("Model"), analysis["model"])
    same("Model: method", (about.get("Metoda") or "").split(" ")[0],
         {"exact": "natančna", "approximate": "približna"}[analysis["method"]])
    if analysis["solutions"]:
        same("Model: marked", about.get("Označena rešitev") in [s["name"] for s in analysis["solutions"]], True)

    # A sheet per ratio matrix: row item r, column item c holds a(r, c).
    paths = tree_of(model)
    matrices = [t for t in tables if t[0] not in ("Rezultati", "Uteži", "Model")]
    names = [n for n, _ in tables]
    if reader != "soffice-csv":
        same("sheet names unique", len(set(n.lower() for n in names)), len(names))
        same("sheet names short", [n for n in names if len(n) > 31 or any(ch in n for ch in "[]:*?/\\")], [])
    for name, rows in matrices:
        p = rows[0][0]
        criterion = model["criteria"][paths.index(p)]
        ratios = None if criterion.get("judgements") else criterion["ratios"]
        completed = {(x["row"], x["col"]): x["value"] for x in criteria[p]["completed"]}
        n = len(criterion["ratios"])
        same(f"{name} size", (len(rows), len(rows[0])), (n + 1, n + 1))
        for r in range(n):
            for c in range(n):
                if ratios is None:
                    continue
                text = ratios[r][c]
                want = completed[(r + 1, c + 1)] if text == "" else ratio_value(text)
                check(f"{name} ({r + 1}, {c + 1})", rows[r + 1][c + 1], want)

    if book is not None:
        for name in ("Rezultati", "Uteži"):
            if book[name].freeze_panes != "A2":
                faults.append(f"{name}: the header row is not frozen")
            if not all(cell.font.bold for cell in book[name][1] if cell.value is not None):
                faults.append(f"{name}: the header row is not bold")
        if len(analysis["solutions"]) and book["Rezultati"]["B2"].number_format != "0.0000":
            faults.append(f"Rezultati!B2 number format {book['Rezultati']['B2'].number_format!r}")
    print("\n".join(faults))
    return 1 if faults else 0


sys.exit(main())
