"""Reads a workbook written by kalvo-cli export back with openpyxl and compares
every cell with kalvo-cli analyze --json of the same model.
Usage: check_workbook.py BOOK.xlsx ANALYSIS.json; exit 0 when all agree."""
import json
import sys

import openpyxl


def close(a, b):
    return abs(a - b) <= 1e-12 * max(1.0, abs(b))


def main():
    book = openpyxl.load_workbook(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as f:
        analysis = json.load(f)
    faults = []

    def check(sheet, cell, got, want):
        if not isinstance(got, (int, float)) or isinstance(got, bool):
            faults.append(f"{sheet}!{cell}: {got!r} is not a number")
        elif not close(got, want):
            faults.append(f"{sheet}!{cell}: {got!r}, analyze gives {want!r}")

    criteria = {c["path"]: c for c in analysis["criteria"]}
    children = {}
    for c in analysis["criteria"]:
        parent = c["path"].rsplit("/", 1)[0]
        if parent != c["path"] and parent in criteria:
            children.setdefault(parent, []).append(c["path"])
    leaves = [c["path"] for c in analysis["criteria"] if c["path"] not in children]

    results = book["Rezultati"]
    rows = list(results.iter_rows(values_only=True))
    if results.freeze_panes != "A2" or book["Uteži"].freeze_panes != "A2":
        faults.append("the header rows are not frozen")
    if list(rows[0][:2]) != ["Rešitev", "Skupaj"] or len(rows[0]) != 2 + 2 * len(leaves):
        faults.append(f"Rezultati header: {rows[0]!r}")
    if results["B2"].number_format != "0.0000":
        faults.append(f"Rezultati!B2 number format {results['B2'].number_format!r}")
    for k, solution in enumerate(analysis["solutions"]):
        row = rows[k + 1]
        if row[0] != solution["name"]:
            faults.append(f"Rezultati!A{k + 2}: {row[0]!r}, analyze names {solution['name']!r}")
        check("Rezultati", f"B{k + 2}", row[1], solution["score"])
        for i, leaf in enumerate(leaves):
            check("Rezultati", f"row {k + 2} local {leaf}", row[2 + 2 * i], criteria[leaf]["vector"][k])

    for r, row in enumerate(book["Uteži"].iter_rows(min_row=2, values_only=True), start=2):
        c = criteria[row[0]]
        parent = row[0].rsplit("/", 1)[0]
        if parent in children and row[0] != analysis["start"]:
            check("Uteži", f"B{r}", row[1], criteria[parent]["vector"][children[parent].index(row[0])])
        if c["kind"] == "relative":
            for column, key in ((3, "lambda"), (4, "ci"), (5, "cr")):
                if c[key] is not None:
                    check("Uteži", f"{'ABCDEF'[column]}{r}", row[column], c[key])
    print("\n".join(faults))
    return 1 if faults else 0


sys.exit(main())
