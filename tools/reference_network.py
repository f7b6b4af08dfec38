#!/usr/bin/env python3
"""An independent reference for checking vexa-calc --siec by hand.

Written apart from the C++ code, in Python integers and exact fractions, from
the network rules: flows summed downstream, the slope range from the ground,
the calculation line of each section, the pipe's sizes, the fall, the upper
invert under the cover, incoming-invert and crown rules, the reported levels
and the notes. The hydraulic result of each section (the window's fields) is
taken from vexa-calc run on the section's line as a batch, so what is checked
is everything the network adds to it. The pipe's diameters come from the
catalogue file by its catalogue number.

Usage: reference_network.py NETWORK.csv --katalog CATALOGUE --vexa-calc PATH
       [--przykrycie M] [--spadek-min P] [--spadek-max P] [--q-min Q]
       [--glebokosc-max M] [--kaskada M]
Prints the table vexa-calc --siec should write (UTF-8); --compare also runs
vexa-calc --siec and reports every field that differs.
"""
import argparse
import subprocess
from decimal import Decimal, ROUND_HALF_UP
from fractions import Fraction

HEAD = ("Odcinek;Od;Do;Dlugosc;TerenOd;TerenDo;Doplyw;Typ;Srednica;SDR;Scieki;Opory;"
        "KryteriumDoboru;HdMax")
RESULT_HEAD = ("Odcinek;Od;Do;Dlugosc;Q;Bd;Bnrkat;Bkl;Bk;Bi;Bh;Br;Bv;Bws;Bwp;DnoOd;DnoDo;"
               "PrzykrycieOd;PrzykrycieDo;GlebokoscOd;GlebokoscDo;Kaskada;Uwagi")


def units(text, decimals):
    """A number text (comma or point) in units of 10^-decimals, half away from zero."""
    value = Decimal(text.strip().replace(",", "."))
    return int((value * 10 ** decimals).quantize(Decimal(1), rounding=ROUND_HALF_UP))


def round_half_away(x):
    x = Fraction(x)
    n = abs(x)
    whole = n.numerator // n.denominator
    if n - whole >= Fraction(1, 2):
        whole += 1
    return whole if x >= 0 else -whole


def fixed(value, decimals):
    sign = "-" if value < 0 else ""
    digits = str(abs(value)).rjust(decimals + 1, "0")
    return sign + digits[:len(digits) - decimals] + ("," + digits[len(digits) - decimals:] if decimals else "")


def general(value, decimals):
    text = fixed(value, decimals)
    if "," in text:
        text = text.rstrip("0").rstrip(",")
    return text


def split(line):
    """Fields of a ';' line; quoted fields as vexa-calc writes them."""
    fields, field, quoted, i = [], "", False, 0
    while i < len(line):
        c = line[i]
        if quoted:
            if c == '"' and i + 1 < len(line) and line[i + 1] == '"':
                field += '"'
                i += 1
            elif c == '"':
                quoted = False
            else:
                field += c
        elif c == '"' and field == "":
            quoted = True
        elif c == ";":
            fields.append(field)
            field = ""
        else:
            field += c
        i += 1
    fields.append(field)
    return fields


def read_catalogue(path):
    """Catalogue number -> (class, outer [0,1 mm], inner [0,1 mm])."""
    pipes, klass, outer, inner = {}, "", None, None
    for raw in open(path, encoding="cp1250"):
        line = raw.strip()
        if line.startswith("Rurtyp "):
            klass = line.rstrip(";").split("klasa")[-1].strip()
        elif line.startswith("DOUT,"):
            outer = int(line[5:])
        elif line.startswith("DIN,"):
            inner = int(line[4:])
        elif line.startswith("KOD,"):
            # The text between the quotes without its first four characters
            # ("kat.", "Nr: "), at most 30.
            code = line[line.index(",") + 2:-1][4:][:30]
            pipes[code] = (klass, outer, inner)
    return pipes


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("network")
    parser.add_argument("--katalog", required=True)
    parser.add_argument("--vexa-calc", required=True)
    parser.add_argument("--przykrycie", default="1,20")
    parser.add_argument("--spadek-min", default="0,5")
    parser.add_argument("--spadek-max", default="100,0")
    parser.add_argument("--q-min", default="1,0")
    parser.add_argument("--glebokosc-max", default="6,00")
    parser.add_argument("--kaskada", default="0,50")
    parser.add_argument("--compare", action="store_true")
    a = parser.parse_args()
    cover, slope_min, slope_max = units(a.przykrycie, 3), units(a.spadek_min, 1), units(a.spadek_max, 1)
    q_min, depth_max, drop_max = units(a.q_min, 3), units(a.glebokosc_max, 3), units(a.kaskada, 3)

    lines = [l.rstrip("\r\n") for l in open(a.network, encoding="utf-8-sig")]
    if lines[0].startswith(HEAD + ";Zlewnia"):
        raise SystemExit("reference_network.py: a network with catchments (Zlewnia, Psi) is beyond this reference")
    assert lines[0] == HEAD, "not a network file"
    sections = []
    for line in lines[1:]:
        if not line:
            continue
        f = (split(line) + [""] * 14)[:14]
        sections.append(dict(name=f[0].strip(), up=f[1].strip(), down=f[2].strip(), length=units(f[3], 3),
                             ground_up=units(f[4], 3), ground_down=units(f[5], 3),
                             inflow=units(f[6], 3) if f[6].strip() else 0, pipe=f[7:14]))
    incoming = {s["name"]: [t for t in sections if t["down"] == s["up"]] for s in sections}
    below = {s["up"]: s for s in sections}

    # Upstream first.
    waiting = {s["name"]: len(incoming[s["name"]]) for s in sections}
    order = [s for s in sections if waiting[s["name"]] == 0]
    for s in order:
        nxt = below.get(s["down"])
        if nxt:
            waiting[nxt["name"]] -= 1
            if waiting[nxt["name"]] == 0:
                order.append(nxt)

    # Flows and lines, then the window's results of all lines in one batch.
    for s in order:
        s["q"] = s["inflow"] + sum(t["q"] for t in incoming[s["name"]])
        fall = s["ground_up"] - s["ground_down"]
        s["g"] = -(-10000 * fall // s["length"]) if fall > 0 else 0
        lo = min(max(s["g"], slope_min), slope_max)
        p = s["pipe"]
        s["flow"] = general(max(s["q"], q_min), 3)
        s["line"] = ";".join([s["name"], p[0], p[1], p[2], p[3], p[4], s["flow"], fixed(lo, 1), "1", fixed(lo, 1),
                              fixed(slope_max, 1), p[5], p[6]])
    batch = subprocess.run([a.vexa_calc, "--katalog", a.katalog],
                           input="\n".join(s["line"] for s in sections) + "\n",
                           capture_output=True, text=True, check=False).stdout.splitlines()[1:]
    for s, result in zip(sections, batch):
        s["fields"] = split(result)[1:]
    catalogue = read_catalogue(a.katalog)

    for s in order:
        fields = s["fields"]
        s["levels"] = None
        notes = []
        if s["q"] < q_min:
            notes.append("obliczono dla Q = %s l/s" % s["flow"])
        if s["g"] > slope_max:
            notes.append("spadek terenu %s ‰ > %s ‰" % (fixed(s["g"], 1), fixed(slope_max, 1)))
        if fields[0] != "!":
            code = fields[1].strip()
            klass_code = code.split("SDR")[0] + "SDR" if "SDR" in code else code
            klass, outer, inner = catalogue[klass_code]
            dz = round_half_away(Fraction(outer, 10))
            if klass == "SDR":
                sdr = Fraction(Decimal(code.split("SDR")[1].replace(",", ".")))
                dw = round_half_away(Fraction(outer, 10) - 2 * Fraction(outer, 10) / sdr)
            else:
                dw = round_half_away(Fraction(inner, 10))
            s["dw"] = dw
            crown = -(-(dz + dw) // 2)
            slope = units(fields[4], 1)
            fall = (slope * s["length"] + 5000) // 10000
            up = min(s["ground_up"] - cover - crown, s["ground_down"] - cover - crown + fall)
            levelled = [t for t in incoming[s["name"]] if t["levels"]]
            for t in levelled:
                up = min(up, t["levels"][1] - max(0, dw - t["dw"]))
            down = up - fall
            drop = max(t["levels"][1] for t in levelled) - up if levelled else 0
            s["levels"] = [up, down, s["ground_up"] - up - crown, s["ground_down"] - down - crown,
                           s["ground_up"] - up, s["ground_down"] - down, drop]
            if drop > drop_max:
                notes.append("studnia kaskadowa %s m" % fixed(drop, 3))
            depth = max(s["levels"][4], s["levels"][5])
            if depth > depth_max:
                notes.append("zagłębienie %s m > %s m" % (fixed(depth, 3), fixed(depth_max, 3)))
            for t in incoming[s["name"]]:
                if t["fields"][0] != "!" and dw < t["dw"]:
                    notes.append("średnica mniejsza niż w odcinku " + t["name"])
                    break
        for t in incoming[s["name"]]:
            if t["fields"][0] == "!":
                notes.append("dopływ z odcinka %s bez wyniku" % t["name"])
        s["notes"] = ", ".join(notes)

    table = [RESULT_HEAD.split(";")]
    for s in sections:
        row = [s["name"], s["up"], s["down"], fixed(s["length"], 3), general(s["q"], 3)]
        row += (s["fields"] + [""] * 10)[:10]
        row += [fixed(v, 3) for v in s["levels"]] if s["levels"] else [""] * 7
        table.append(row + [s["notes"]])
    if not a.compare:
        for row in table:
            print(";".join(row))
        return
    options = ["--przykrycie", a.przykrycie, "--spadek-min", a.spadek_min, "--spadek-max", a.spadek_max,
               "--q-min", a.q_min, "--glebokosc-max", a.glebokosc_max, "--kaskada", a.kaskada]
    out = subprocess.run([a.vexa_calc, "--katalog", a.katalog, "--siec", a.network] + options,
                         capture_output=True, text=True, check=False).stdout.splitlines()
    differ = 0
    for expected, line in zip(table, out):
        got = split(line)
        for column, (want, have) in enumerate(zip(expected, got)):
            if want != have:
                differ += 1
                print("%s %s: reference %r, vexa-calc %r" % (expected[0], table[0][column], want, have))
    print("%d sections, %d fields differ" % (len(table) - 1, differ + abs(len(table) - len(out))))


if __name__ == "__main__":
    main()
