#!/usr/bin/env python3
"""Reads back the SWMM models vexa-calc writes, as a structural check apart
from the writer: every conduit's nodes exist, its offsets lie between its
nodes' inverts and tops, its n is positive and finite, every node has one
link at most into an outfall, and the inflows add up to the design flows of
the sections at the outlets (no less, in a rain network).

    swmm_check.py VEXA_CALC CATALOGUE SCRATCH_FOLDER NETWORK...
"""
import math
import os
import subprocess
import sys

vexa_calc, catalogue, scratch = sys.argv[1:4]
os.makedirs(scratch, exist_ok=True)
faults = []


def expect(condition, what):
    if not condition:
        faults.append(what)


def sections_of(text):
    parts, name = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            name = line
            parts[name] = []
        elif line and not line.startswith(";") and name:
            parts[name].append(line.split())
    return parts


for network in sys.argv[4:]:
    model = os.path.join(scratch, os.path.basename(network) + ".inp")
    table = subprocess.run([vexa_calc, "--katalog", catalogue, "--siec", network, "--swmm", model],
                           check=True, capture_output=True, text=True).stdout.splitlines()
    head = table[0].split(";")
    rows = [dict(zip(head, line.split(";"))) for line in table[1:]]
    with open(model, "rb") as file:
        raw = file.read()
    expect(b"\r\n" in raw and not raw.startswith(b"\xef\xbb\xbf"), f"{model}: CR LF, no byte-order mark")
    parts = sections_of(raw.decode("cp1250"))
    where = os.path.basename(network)
    nodes = {}
    for name, invert, depth, *_ in parts.get("[JUNCTIONS]", []):
        nodes[name.upper()] = (float(invert), float(invert) + float(depth))
    outfalls = {fields[0].upper(): float(fields[1]) for fields in parts.get("[OUTFALLS]", [])}
    for name, invert in outfalls.items():
        nodes[name] = (invert, math.inf)
    diameters = {fields[0]: float(fields[2]) for fields in parts.get("[XSECTIONS]", [])}
    into_outfall = {}
    for name, start, end, length, n, offset_in, offset_out, *_ in parts.get("[CONDUITS]", []):
        for node, offset in ((start, float(offset_in)), (end, float(offset_out))):
            expect(node.upper() in nodes, f"{where} {name}: no node {node}")
            if node.upper() in nodes:
                invert, top = nodes[node.upper()]
                expect(invert - 1e-9 <= offset and offset + diameters[name] <= top + 1e-9,
                       f"{where} {name}: offset {offset} outside {node} ({invert} to {top})")
        expect(math.isfinite(float(n)) and float(n) > 0, f"{where} {name}: n {n}")
        expect(float(length) > 0, f"{where} {name}: length {length}")
        if end.upper() in outfalls:
            into_outfall[end.upper()] = into_outfall.get(end.upper(), 0) + 1
    expect(all(count == 1 for count in into_outfall.values()), f"{where}: outfalls {into_outfall}")
    inflow = sum(float(fields[6]) for fields in parts.get("[INFLOWS]", []))
    starts = {row["Od"] for row in rows}
    outlet_flow = sum(float(row["Q"].replace(",", ".")) for row in rows if row["Do"] not in starts)
    # Rain enters where each catchment adds to what arrives; where a longer
    # rain gives less than its parts, the inflows exceed the outlets' flows.
    rain = "Fzr" in head
    expect(abs(inflow - outlet_flow) < 1e-6 or (rain and inflow > outlet_flow),
           f"{where}: inflows {inflow} l/s, outlets {outlet_flow} l/s")
    left_out = [row["Odcinek"] for row in rows if row["Bd"] == "!"]
    comments = raw.decode("cp1250")
    expect(all(f";;{name}: bez wyniku" in comments for name in left_out), f"{where}: left out {left_out}")

for fault in faults:
    print("swmm_check: " + fault)
sys.exit(1 if faults else 0)
