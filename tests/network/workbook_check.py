#!/usr/bin/env python3
"""Reads back the results workbook of the hand-worked network with openpyxl,
a reader written apart from the library that writes it.

    workbook_check.py VEXA_CALC CATALOGUE NETWORK SCRATCH_FOLDER

The head row holds the headings with their units, in bold, and stays in view;
every row below holds its section's results as vexa-calc's table gives them:
numbers as numbers with the table's decimals, texts without the blanks that
lay them out in the window. No column is wider than its longest text needs.
"""
import os
import subprocess
import sys

import openpyxl

vexa_calc, catalogue, network, scratch = sys.argv[1:5]
os.makedirs(scratch, exist_ok=True)
workbook_file = os.path.join(scratch, "wyniki.xlsx")
table = subprocess.run([vexa_calc, "--katalog", catalogue, "--siec", network, "--wyniki-xlsx", workbook_file],
                       check=True, capture_output=True, text=True).stdout
rows = [line.split(";") for line in table.splitlines()]
sheet = openpyxl.load_workbook(workbook_file).active
faults = []


def expect(condition, what):
    if not condition:
        faults.append(what)


headings = [cell.value for cell in sheet[1]]
expect(len(headings) == len(rows[0]), "columns " + str(len(headings)))
expect(headings == ["Odcinek", "Studnia początkowa", "Studnia końcowa", "Długość [m]", "Q [l/s]",
                    "Średnice Dz / Dw [mm]", "Nr katalogowy", "Klasa", "k [mm]", "Spadek [‰]", "h/d [%]", "τ [Pa]",
                    "v [m/s]", "Samooczyszczanie", "Przewietrzanie", "Dno na początku [m n.p.m.]",
                    "Dno na końcu [m n.p.m.]", "Przykrycie na początku [m]", "Przykrycie na końcu [m]",
                    "Zagłębienie na początku [m]", "Zagłębienie na końcu [m]", "Kaskada [m]", "Uwagi"],
       "head " + str(headings))
expect(all(cell.font.bold for cell in sheet[1]), "bold head")
expect(sheet.freeze_panes == "A2", "frozen head " + str(sheet.freeze_panes))
expect(sheet.max_row == len(rows), "rows " + str(sheet.max_row))

decimals = {3: 3, 8: 2, 9: 1, 10: 0, 11: 2, 12: 2}
decimals.update({column: 3 for column in range(15, 22)})
for number, fields in enumerate(rows[1:], start=2):
    cells = list(sheet[number])
    for column, field in enumerate(fields):
        cell = cells[column]
        text = field.strip()
        if not text:
            expect(cell.value is None, f"{fields[0]} column {column + 1}: empty, not {cell.value!r}")
            continue
        try:
            value = float(text.replace(",", "."))
        except ValueError:
            value = None
        numeric = column in decimals or column == 4
        if numeric and value is not None:
            expect(cell.value == value, f"{fields[0]} column {column + 1}: {cell.value!r} for {text}")
            if column in decimals:
                wanted = "0" if decimals[column] == 0 else "0." + "0" * decimals[column]
                expect(cell.number_format == wanted, f"{fields[0]} column {column + 1}: format {cell.number_format}")
        else:
            expect(cell.value == text, f"{fields[0]} column {column + 1}: {cell.value!r} for {text!r}")

# The catalogue number as a value: no blank before it.
expect(sheet["G2"].value == "DP-101-0160", "catalogue number " + repr(sheet["G2"].value))
# Each column as wide as its longest text and two more.
for column, heading in enumerate(headings, start=1):
    letter = openpyxl.utils.get_column_letter(column)
    longest = max(len(str(sheet.cell(row, column).value or "")) for row in range(1, sheet.max_row + 1))
    longest = max(longest, len(heading))
    width = sheet.column_dimensions[letter].width
    expect(abs(width - min(longest + 2, 80)) < 1, f"{heading}: width {width} for {longest} characters")

for fault in faults:
    print("workbook_check: " + fault)
sys.exit(1 if faults else 0)
