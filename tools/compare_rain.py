#!/usr/bin/env python3
"""Random rain networks designed by tools/reference_rain.cpp, a reference
written apart from the program's rain, against `vexa-calc --siec`: every field
of Q, the window's result, Fzr, tp, td, q, Qdeszcz and the notes the rain
decides. Builds the reference with g++ into the folder of the cases.

python3 tools/compare_rain.py [--n N] [--seed S] [--keep DIR] [--vexa-calc PATH] [--case DIR]
  --case DIR   re-run one saved case (net.csv, opts.txt, optional tab.txt)
"""
import argparse, csv, io, os, random, shutil, subprocess, sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
VEXA = os.path.join(ROOT, "build", "default", "cli", "vexa-calc")
KAT = os.path.join(ROOT, "pipe_vexa.dat")
REF = None  # the reference program, built by main()

TEMPLATES = [  # Typ;Srednica;SDR;Scieki;Opory;KryteriumDoboru;HdMax
    "1;;;2;0;1;", "1;;;2;0;3;", "1;;;2;0;1;", "1;;;0;0;1;", "2;;;2;0;1;", "3;;;1;0;1;",
    "10;;;2;0;1;", "11;;;2;0;1;", "5;;;2;0;1;", "6;;;2;0;1;", "8;;33,0;2;0;1;", "1;;;2;0;1;80",
]
RARE = ["1;160;;2;0;1;", "1;200;;2;0;1;", "2;;;2;0;3;", "1;630;;2;0;1;", "1;400;;2;0;1;", "1;500;;2;0;1;"]
HEAD14 = "Odcinek;Od;Do;Dlugosc;TerenOd;TerenDo;Doplyw;Typ;Srednica;SDR;Scieki;Opory;KryteriumDoboru;HdMax"
HEAD16 = HEAD14 + ";Zlewnia;Psi"


def num(x, dec, comma=True):
    t = f"{x:.{dec}f}"
    if comma and random.random() < 0.9:
        t = t.replace(".", ",")
    return t


RARE_P = 0.04


def gen_network(rng_rain=True):
    global RARE_P
    RARE_P = random.choice([0.04, 0.04, 0.2])
    n = random.randint(5, 60)
    roots = random.choice([1, 1, 1, 2, 3])
    nodes = [f"R{r}" for r in range(roots)]
    ground = {nd: round(random.uniform(95, 105), 2) for nd in nodes}
    secs = []
    main_tpl = random.choice(TEMPLATES)
    for i in range(n):
        # prefer attaching to recent manholes (long chains) or random (bushy)
        if random.random() < 0.5:
            parent = nodes[-1 - min(len(nodes) - 1, int(random.expovariate(0.7)))]
        else:
            parent = random.choice(nodes)
        me = f"S{i+1}"
        r = random.random()
        if r < 0.1:
            fall = random.uniform(-0.8, 0)
        elif r < 0.85:
            fall = random.uniform(0, 2.5)
        else:
            fall = random.uniform(2.5, 30)
        L = random.choice([random.uniform(10, 80), random.uniform(10, 500)])
        ground[me] = round(ground[parent] + fall, random.choice([2, 3]))
        nodes.append(me)
        tpl = main_tpl if random.random() < 0.6 else random.choice(TEMPLATES)
        if random.random() < RARE_P:
            tpl = random.choice(RARE)
        r = random.random()
        if r < 0.45:
            dop = ""
        elif r < 0.6:
            dop = "0"
        else:
            dop = num(random.choice([random.uniform(0, 2), random.uniform(0, 20), random.uniform(0, 80)]),
                      random.choice([1, 2, 3, 4]))
        zl, psi = "", ""
        if rng_rain:
            r = random.random()
            if r < 0.55:
                zl = num(random.choice([random.uniform(0.001, 0.5), random.uniform(0.01, 3), random.uniform(0, 0.02)]),
                         random.choice([2, 3, 4, 4, 5]))
                psi = num(random.uniform(0.05, 1.0), random.choice([1, 2, 2, 3]))
                if random.random() < 0.05:
                    psi = random.choice(["1", "0", "0,0", "1,00"])
            elif r < 0.62:
                zl, psi = "0", ""
            elif r < 0.68:
                zl, psi = "", num(random.uniform(0, 1), 2)
        secs.append([f"K{i+1}", me, parent, num(L, random.choice([1, 2, 3])), num(ground[me], 3),
                     num(ground[parent], 3), dop] + tpl.split(";") + [zl, psi])
    order = list(range(n))
    r = random.random()
    if r < 0.4:
        random.shuffle(order)
    elif r < 0.7:
        order.reverse()
    head = HEAD16
    rows = [secs[i] for i in order]
    if not rng_rain and (NORAIN or random.random() < 0.5):
        head = HEAD14
        rows = [s[:14] for s in rows]
    return head + "\n" + "\n".join(";".join(s) for s in rows) + "\n"


def gen_table():
    r = random.random()
    if r < 0.1:
        return random.choice(["5;200\n10;150\n", "10;150\n20;100\n", "1;400\n10;150\n", "5;200\n10;150\n12;140\n"])
    k = random.randint(3, 8)
    t = random.choice([random.uniform(3, 10), 5, 10, 15])
    q = random.uniform(150, 400)
    lines = []
    short = random.random() < 0.35
    for i in range(k):
        lines.append(f"{num(t, random.choice([0, 1, 2]))};{num(q, random.choice([0, 1, 2]))}")
        t += random.choice([5, 10, 15, 30, 60]) if not short else random.choice([1, 2, 5])
        q *= random.uniform(0.5, 0.95)
    # make sure the texts keep t rising and q falling after rounding
    vals = [(float(a.replace(",", ".")), float(b.replace(",", "."))) for a, b in (l.split(";") for l in lines)]
    for i in range(1, len(vals)):
        if not (vals[i][0] > vals[i - 1][0] and vals[i][1] < vals[i - 1][1]):
            return gen_table()
    if random.random() < 0.2:
        lines.insert(random.randint(1, len(lines)), "")
    return "\n".join(lines) + "\n"


def gen_options():
    o = []
    if random.random() < 0.7:
        o += ["--opad-roczny", random.choice(["300", "500", "600", "800", "1200", "2000",
                                              num(random.uniform(300, 2000), random.choice([0, 1, 2]))])]
    if random.random() < 0.7:
        o += ["--czestosc", random.choice(["0,1", "0,5", "1", "2", "5", "10", "50", "100",
                                           num(random.uniform(0.1, 100), random.choice([1, 2]))])]
    if random.random() < 0.5:
        o += ["--czas-splywu", random.choice(["0", "2", "2,5", "5", "10", "15", "0,75", "0,00001", "2,50005", "4,99999",
                                              num(random.uniform(0, 20), random.choice([1, 2, 3]))])]
    if random.random() < 0.5:
        o += ["--czas-min", random.choice(["1", "5", "10", "15", "20", "10,00001", "1,00005", num(random.uniform(1, 30), random.choice([1, 2, 3]))])]
    if random.random() < 0.5:
        o += ["--retencja", random.choice(["1", "1,2", "1,15", "1,25", "1,5", "2", "1,33", "1,05"])]
    if random.random() < 0.25:
        o += ["--q-min", random.choice(["1", "1,5", "2", "5", "3,25"])]
    if random.random() < 0.2:
        o += ["--spadek-min", random.choice(["0,5", "1", "2", "3,0", "1,5"])]
    if random.random() < 0.2:
        o += ["--spadek-max", random.choice(["20", "50", "100", "60,0", "150", "5", "10", "7,5"])]
    return o


def read_csv(text):
    return list(csv.reader(io.StringIO(text), delimiter=";", quotechar='"'))


LEVEL_NOTES = ("studnia kaskadowa", "zagłębienie", "średnica mniejsza")


def filt_notes(u):
    if not u:
        return ""
    return ", ".join(x for x in u.split(", ") if not x.startswith(LEVEL_NOTES))


def run_case(d, verbose=False):
    import time
    for attempt in range(20):
        try:
            res = run_case1(d, verbose)
        except (PermissionError, FileNotFoundError, OSError):
            time.sleep(30)
            continue
        diffs, ref, vx = res
        if "oracle gave" in ref.stderr or not os.access(VEXA, os.X_OK):
            time.sleep(30)
            continue
        return res
    raise SystemExit("vexa-calc unavailable")


def run_case1(d, verbose=False):
    net = os.path.join(d, "net.csv")
    opts = open(os.path.join(d, "opts.txt")).read().split("\n")
    opts = [x for x in opts if x]
    ref = subprocess.run([REF, net, "--oracle", VEXA, "--katalog", KAT] + opts, capture_output=True, text=True)
    vx = subprocess.run([VEXA, "--siec", net, "--katalog", KAT] + opts, capture_output=True, text=True)
    diffs = []
    if ref.returncode != 0 or vx.returncode != 0:
        if ref.returncode != vx.returncode:
            diffs.append(f"exit: ref {ref.returncode} ({ref.stderr.strip()[:200]}) vexa {vx.returncode} ({vx.stderr.strip()[:300]})")
        return diffs, ref, vx
    R = read_csv(ref.stdout)
    V = read_csv(vx.stdout)
    head = V[0]
    rain = "Fzr" in head
    exp_rain = len(R) > 0 and len(R[0]) == 28
    if rain != exp_rain:
        diffs.append(f"rain columns: ref {exp_rain} vexa {rain}")
        return diffs, ref, vx
    if len(V) - 1 != len(R):
        diffs.append(f"rows: ref {len(R)} vexa {len(V)-1}")
        return diffs, ref, vx
    for r, v in zip(R, V[1:]):
        if len(r) != len(v):
            diffs.append(f"{r[0]}: field count ref {len(r)} vexa {len(v)}")
            continue
        for k, (a, b) in enumerate(zip(r, v)):
            if a == "*":
                continue
            if k == len(r) - 1:
                b = filt_notes(b)
            if a != b:
                diffs.append(f"{r[0]}: {head[k]} ref '{a}' vexa '{b}'")
    return diffs, ref, vx


NORAIN = False


def make_case(d, i):
    os.makedirs(d, exist_ok=True)
    rainy = random.random() < 0.93 and not NORAIN
    open(os.path.join(d, "net.csv"), "w").write(gen_network(rainy))
    opts = gen_options() if rainy or random.random() < 0.5 else []
    if NORAIN:
        opts = [o for k, o in enumerate(opts) if not any(x in (opts[k - 1] if k % 2 else o) for x in ("opad", "czest", "czas", "retenc"))]
    if rainy and random.random() < 0.35:
        open(os.path.join(d, "tab.txt"), "w").write(gen_table())
        opts += ["--deszcz-tabela", os.path.join(d, "tab.txt")]
    open(os.path.join(d, "opts.txt"), "w").write("\n".join(opts) + "\n")


def main():
    global VEXA, REF
    ap = argparse.ArgumentParser()
    ap.add_argument("--n", type=int, default=20)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--keep", default="rain_cases")
    ap.add_argument("--vexa-calc", default=VEXA)
    ap.add_argument("--case")
    ap.add_argument("--norain", action="store_true", help="only networks without rain, 14-column head (old binary)")
    args = ap.parse_args()
    VEXA = os.path.abspath(args.vexa_calc)
    os.makedirs(args.keep, exist_ok=True)
    REF = os.path.join(os.path.abspath(args.keep), "reference_rain")
    subprocess.run(["g++", "-O2", "-std=c++20", "-o", REF, os.path.join(HERE, "reference_rain.cpp")], check=True)
    if args.case:
        diffs, ref, vx = run_case(args.case)
        print("\n".join(diffs) or "agree")
        return
    random.seed(args.seed)
    from collections import Counter
    tot = Counter()
    global NORAIN
    NORAIN = args.norain
    bad = 0
    for i in range(args.n):
        d = os.path.join(args.keep, f"s{args.seed}_{i:04d}")
        make_case(d, i)
        diffs, ref, vx = run_case(d)
        for line in ref.stderr.splitlines():
            if line.startswith("stats:"):
                for kv in line.split()[1:]:
                    k, v = kv.split("=")
                    tot[k if k.startswith(("noresult", "beyond")) else k.split("@")[0]] += int(v)
        for row in read_csv(ref.stdout) if ref.returncode == 0 else []:
            u = row[-1]
            if "brak zbie" in u and ", " in u:
                tot["brak+other note"] += 1
            if "brak zbie" in u and u.startswith("obliczono"):
                tot["obliczono+brak"] += 1
            if "wykracza" in row[6] and "obliczono" in u:
                tot["beyond+obliczono"] += 1
            if len(row) == 28 and row[22] == "0,0000":
                tot["rain net, dry section"] += 1
            if len(row) == 28 and row[5] == "!" and "wykracza" not in row[6] and row[22] != "0,0000":
                tot["rain section without pipe"] += 1
        if diffs:
            bad += 1
            print(f"== {d}: {len(diffs)} differences")
            for x in diffs[:8]:
                print("   ", x)
        else:
            shutil.rmtree(d)
    print(f"{args.n} networks, {bad} with differences; reference saw:", dict(tot))


if __name__ == "__main__":
    main()
