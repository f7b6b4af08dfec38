#!/usr/bin/env python3
"""Reads back the DXF profiles of the hand-worked network with ezdxf, a
reader written apart from the library that writes them.

    profile_dxf_check.py VEXA_CALC CATALOGUE NETWORK SCRATCH_FOLDER

Every manhole name and every level of the results table must stand on its
layer, and the main collector's ground and first pipe at their coordinates:
metres at 1:1000, a drawing millimetre being a metre.
"""
import os
import subprocess
import sys

import ezdxf

vexa_calc, catalogue, network, scratch = sys.argv[1:5]
os.makedirs(scratch, exist_ok=True)
dxf_file = os.path.join(scratch, "profile.dxf")
table = subprocess.run([vexa_calc, "--katalog", catalogue, "--siec", network, "--profile-dxf", dxf_file],
                       check=True, capture_output=True, text=True).stdout

doc = ezdxf.readfile(dxf_file)
faults = []


def expect(condition, what):
    if not condition:
        faults.append(what)


expect(doc.dxfversion == "AC1015", "AutoCAD 2000: " + doc.dxfversion)
expect({"TEREN", "KANAL", "STUDNIE", "TABELA", "OPISY"} <= {layer.dxf.name for layer in doc.layers}, "layers")
texts = {}
for entity in doc.modelspace().query("TEXT"):
    texts.setdefault(entity.dxf.layer, []).append(entity.dxf.text)

rows = [line.split(";") for line in table.splitlines()[1:]]
for fields in rows:
    for manhole in fields[1:3]:
        expect(manhole in texts["STUDNIE"] and manhole in texts["TABELA"], "manhole " + manhole)
    if fields[5] != "!":
        for level in fields[15:17]:  # DnoOd, DnoDo
            expect(level in texts["TABELA"], fields[0] + " level " + level)
        expect(fields[9] in texts["TABELA"], fields[0] + " slope " + fields[9])
expect("Profil podłużny B1 - A5" in texts["OPISY"], "title")
expect("Poziom porównawczy 101,00 m n.p.m." in texts["OPISY"], "reference level")


def points(layer):
    return [[(round(x, 3), round(y, 3)) for x, y, *_ in line.get_points()]
            for line in doc.modelspace().query(f'LWPOLYLINE[layer=="{layer}"]')]


expect(points("TEREN")[0] == [(70, 215), (110, 212), (155, 205), (225, 205)], "ground " + str(points("TEREN")[0]))
expect(points("KANAL")[0] == [(70, 201.43), (110, 198.43)], "B1's invert " + str(points("KANAL")[0]))

for fault in faults:
    print("profile_dxf_check: " + fault)
sys.exit(1 if faults else 0)
