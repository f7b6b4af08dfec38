#!/usr/bin/env python3
"""Reads back the DXF profiles of the hand-worked network with ezdxf, a
reader written apart from the library that writes them.

    profile_dxf_check.py VEXA_CALC CATALOGUE NETWORK EXAMPLE SCRATCH_FOLDER

Every manhole name and every level of the results table must stand on its
layer, and the main collector's ground and first pipe at their coordinates:
metres at 1:1000, a drawing millimetre being a metre, and a metre of
chainage a unit at 1:500 too. The drawings of the hand-worked network and of
the README's example need no repair by ezdxf's audit; lines have the weights
of their kinds, and texts too long for their room are narrowed to 70 % and
no less, then cut.
"""
import os
import subprocess
import sys

import ezdxf

vexa_calc, catalogue, network, example, scratch = sys.argv[1:6]
os.makedirs(scratch, exist_ok=True)
faults = []


def expect(condition, what):
    if not condition:
        faults.append(what)


def profiles(network_file, name, *options):
    """The DXF drawing of a network's profiles, audited, and its results table."""
    dxf_file = os.path.join(scratch, name)
    table = subprocess.run([vexa_calc, "--katalog", catalogue, "--siec", network_file, "--profile-dxf", dxf_file,
                            *options], check=True, capture_output=True, text=True).stdout
    drawing = ezdxf.readfile(dxf_file)
    auditor = drawing.audit()
    expect(not auditor.fixes and not auditor.errors,
           name + ": audit " + "; ".join(entry.message for entry in auditor.fixes + auditor.errors))
    return drawing, table


doc, table = profiles(network, "profile.dxf", "--dokladnosc-rzednych", "3")
profiles(example, "example.dxf")

expect(doc.dxfversion == "AC1015", "AutoCAD 2000: " + doc.dxfversion)
colours = {layer.dxf.name: layer.dxf.color for layer in doc.layers}
expect(colours.get("TEREN") == 3 and colours.get("KANAL") == 5 and colours.get("STUDNIE") == 7 and
       colours.get("TABELA") == 8 and colours.get("OPISY") == 7, "layers and their colours " + str(colours))
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
expect("Poziom porównawczy 96,00 m n.p.m." in texts["OPISY"], "reference level")


def points(layer, weight=None):
    return [[(round(x, 3), round(y, 3)) for x, y, *_ in line.get_points()]
            for line in doc.modelspace().query(f'LWPOLYLINE[layer=="{layer}"]')
            if weight is None or line.dxf.lineweight == weight]


expect(points("TEREN")[0] == [(70, 250), (110, 247), (155, 240), (225, 240), (275, 135)],
       "ground " + str(points("TEREN")[0]))
expect(points("KANAL", 50)[0] == [(70, 236.43), (110, 233.43)], "B1's invert " + str(points("KANAL", 50)[0]))

# Sheet after sheet along x, 20 mm apart: the frames of the hand-worked
# network's two sheets start at 20 (the binding margin) and 460.
frames = sorted(round(min(x for x, *_ in line.get_points()), 3)
                for line in doc.modelspace().query('LWPOLYLINE[layer=="OPISY"]') if len(line.get_points()) == 5)
expect(frames == [20 + 440 * sheet for sheet in range(len(frames))] and len(frames) == 2, "sheets " + str(frames))
# Manhole names read upwards, the title along the sheet.
rotations = {round(text.dxf.rotation) for text in doc.modelspace().query('TEXT[layer=="STUDNIE"]')}
expect(rotations == {90}, "manhole names turned " + str(rotations))
title = [text for text in doc.modelspace().query('TEXT[layer=="OPISY"]') if text.dxf.text.startswith("Profil")]
expect(title and all(round(text.dxf.rotation) == 0 for text in title), "title turned")

expect(doc.header.get("$INSUNITS") == 6, "metres")
# The per mille sign in code page 1250. The texts' style is Arial's TrueType
# file, and its name LibreCAD's font with that sign.
expect("Spadek [‰]" in texts["TABELA"], "per mille sign")
styles = {text.dxf.style for text in doc.modelspace().query("TEXT")}
expect(styles == {"Unicode"} and all(style.dxf.font == "arial.ttf" for style in doc.styles),
       "text styles " + str(styles) + " " + str([style.dxf.font for style in doc.styles]))

# Each kind of line with its weight (1/100 mm): the pipes and the frame 0,5 mm,
# the ground, the manholes and the stubs of branches joining 0,35 mm.
weights = {}
for line in doc.modelspace().query("LWPOLYLINE"):
    weights.setdefault(line.dxf.layer, set()).add(line.dxf.lineweight)
expect(weights.get("KANAL") == {50, 35} and weights.get("TEREN") == {35} and weights.get("STUDNIE") == {35},
       "line weights " + str(weights))
expect(weights.get("TABELA") == {25, 50}, "table line weights " + str(weights.get("TABELA")))

# A 10 m section leaves 8,5 mm for its pipe's 11 letters of catalogue
# number, 1,2 mm high: some 10,03 mm at Arial's widths, so narrowed to 0,847. A
# 5 m one leaves 3,5 mm: cut at 70 %. A name in Polish letters is as long as
# one of the plain letters they are made from.
short_network = os.path.join(scratch, "short.csv")
with open(short_network, "w", encoding="utf-8") as file:
    file.write("Odcinek;Od;Do;Dlugosc;TerenOd;TerenDo;Doplyw;Typ;Srednica;SDR;Scieki;Opory;KryteriumDoboru;HdMax\n"
               "S1;A;Łąśćź;10;110;109,9;5;1;160;;2;0;1;\nS2;Łąśćź;Lascz;5;109,9;109,85;5;1;160;;2;0;1;\n")
short, _ = profiles(short_network, "short.dxf")
factors = {}
for text in short.modelspace().query('TEXT[layer=="TABELA"]'):
    factors.setdefault(text.dxf.text, []).append(round(text.dxf.width, 3))
narrowed = factors.get("DP-101-0160", [])  # a step smaller where the exact share rounds over its room
expect(len(narrowed) == 1 and abs(narrowed[0] - 8.5 / 10.03) <= 0.021, "narrowed " + str(narrowed))
cut = [(text, width) for text, widths in factors.items() for width in widths if text.endswith("…")]
expect(cut and all(width == 0.7 for _, width in cut), "cut at 70 % " + str(cut))
expect(all(0.7 <= width <= 1 for widths in factors.values() for width in widths), "no text below 70 %")
names = {text.dxf.text: round(text.dxf.width, 3) for text in short.modelspace().query('TEXT[layer=="STUDNIE"]')}
expect(names["Łąśćź"] == names["Lascz"] < 1, "Polish letters narrowed " + str(names))

# At 1:500 a unit is still a metre of chainage: A to B is 10 units apart.
half, _ = profiles(short_network, "half.dxf", "--skala-pozioma", "500")
manhole_lines = [line for line in half.modelspace().query('LWPOLYLINE[layer=="STUDNIE"]')]
xs = sorted({round(point[0], 3) for line in manhole_lines for point in line.get_points() if point[1] > 20})  # not the legend's
expect(len(xs) >= 2 and abs(xs[1] - xs[0] - 10) < 0.001, "metres at 1:500 " + str(xs))

for fault in faults:
    print("profile_dxf_check: " + fault)
sys.exit(1 if faults else 0)
