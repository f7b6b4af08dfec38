#!/usr/bin/env python3
"""Reads back the results workbook of a network (the hand-worked one, and a
rain network with its five columns more) with openpyxl, a reader written
apart from the library that writes it.

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
rain = "Fzr" in rows[0]
expect(len(headings) == len(rows[0]), "columns " + str(len(headings)))
expect(headings == ["Odcinek", "Studnia początkowa", "Studnia końcowa", "Długość [m]", "Q [l/s]",
                    "Średnice Dz / Dw [mm]", "Nr katalogowy", "Klasa", "k [mm]", "Spadek [‰]", "h/d [%]", "τ [Pa]",
                    "v [m/s]", "Samooczyszczanie", "Przewietrzanie", "Dno na początku [m n.p.m.]",
                    "Dno na końcu [m n.p.m.]", "Przykrycie na początku [m]", "Przykrycie na końcu [m]",
                    "Zagłębienie na początku [m]", "Zagłębienie na końcu [m]", "Kaskada [m]"] +
       (["Fzr [ha]", "tp [min]", "td [min]", "q [l/(s·ha)]", "Q deszczu [l/s]"] if rain else []) + ["Uwagi"],
       "head " + str(headings))
expect(all(cell.font.bold for cell in sheet[1]), "bold head")
expect(sheet.freeze_panes == "A2", "frozen head " + str(sheet.freeze_panes))
expect(sheet.max_row == len(rows), "rows " + str(sheet.max_row))

# The decimals of each numeric column by its key; Q and Qdeszcz in the general form.
fixed = {"Dlugosc": 3, "Bk": 2, "Bi": 1, "Bh": 0, "Br": 2, "Bv": 2, "DnoOd": 3, "DnoDo": 3, "PrzykrycieOd": 3,
         "PrzykrycieDo": 3, "GlebokoscOd": 3, "GlebokoscDo": 3, "Kaskada": 3, "Fzr": 4, "tp": 2, "td": 2, "q": 1}
decimals = {column: fixed[key] for column, key in enumerate(rows[0]) if key in fixed}
general = {column for column, key in enumerate(rows[0]) if key in ("Q", "Qdeszcz")}
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
        numeric = column in decimals or column in general
        if numeric and value is not None:
            expect(cell.value == value, f"{fields[0]} column {column + 1}: {cell.value!r} for {text}")
            if column in decimals:
                wanted = "0" if decimals[column] == 0 else "0." + "0" * decimals[column]
                expect(cell.number_format == wanted, f"{fields[0]} column {column + 1}: format {cell.number_format}")
        else:
            expect(cell.value == text, f"{fields[0]} column {column + 1}: {cell.value!r} for {text!r}")

# The catalogue number as a value: no blank before it.
expect(sheet["G2"].value == rows[1][6].strip() and not sheet["G2"].value.startswith(" "),
       "catalogue number " + repr(sheet["G2"].value))
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
