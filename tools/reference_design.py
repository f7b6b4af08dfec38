#!/usr/bin/env python3
"""An independent reference for checking Vexa's results by hand.

Written apart from the C++ code, in Python floats, from the design rules:
Colebrook-White full-pipe flow, the filling as the first 1 % step whose
partial-filling flow ratio reaches q/Q100, the tables vnv and rnr, the
self-cleaning and ventilation criteria and the two searches. Where the
extended arithmetic of the program lands a grid step just below or above the
whole number, the landing is taken from the known pattern (below for steps
5-15 and 30-100, above for 19-27, exact otherwise), not from float rounding.

Usage: reference_design.py CATALOGUE TYPE Q SLOPE [options], see --help.
"""
import argparse
import math

VNV = [8, 12, 15, 18, 20, 22, 26, 27, 29, 31, 32, 34, 36, 38, 41, 42, 43, 45, 46, 48,
       49, 50, 51, 52, 53.5, 56, 57, 58, 59, 60.5, 62, 62.5, 63.5, 64.5, 66, 67.5, 68.5, 70, 71, 72,
       73, 74.5, 75.5, 76.5, 77.5, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 88.5, 89, 90, 91, 91.5,
       92, 92.5, 93, 94, 95, 96.5, 97.5, 98, 98.5, 99, 100, 100.5, 101, 101.5, 102, 102, 102.5,
       102.5, 103, 103.5, 103.5, 104, 104, 104.5, 104.5, 105, 105, 104.5, 104.5, 104,
       103.5, 103.5, 103, 103, 102.5, 102.5, 102, 101.5, 101, 100]
RNR = [1.5, 3, 7, 10, 13, 16, 18, 22, 25, 27, 29, 32, 34, 35, 36, 38, 41, 42, 45, 48,
       51, 53, 56, 58, 59, 60, 62, 64, 66, 68, 71, 74, 76, 78, 80, 81, 82, 84, 85, 86.5,
       88, 90, 91, 92.5, 94, 96, 97, 98, 99, 100.5, 102, 103, 105, 106, 107, 108, 109, 111, 112, 113,
       114, 115, 116, 116.5, 117, 117.5, 118, 118.5, 119, 120, 120.5, 121, 121.5, 122, 122, 122,
       122.5, 122.5, 122, 122, 122, 121.5, 121.5, 121, 120.5, 119, 118, 117, 116.5, 116,
       115.5, 115, 114, 112, 110, 109, 108, 106, 103, 100]


def landing(n):
    """-1: the filling lies just below n, +1 just above, 0 exactly n."""
    if 5 <= n <= 15 or 30 <= n <= 100:
        return -1
    if 19 <= n <= 27:
        return 1
    return 0


def read_catalogue(path):
    types, opti, sdrpe, sdrpp, limit = [], [], [], [], []
    section = 0
    for raw in open(path, 'rb').read().decode('cp1250').splitlines():
        line = raw
        if line in ('"Optymalizacja"', '"SDR-PE"', '"SDR-PP"', '"Limit SDR"'):
            section += 1
            continue
        if section == 0:
            if line.startswith('Rurtyp'):
                name = line[7:-1]
                klasa = line[line.index('klasa') + 6:-1] if 'klasa' in line else line[5:-1][:4]
                types.append({'nazwa': name, 'klasa': klasa, 'k': [0] * 4, 'pipes': []})
            elif line.startswith('DOUT,'):
                types[-1]['pipes'].append({'dout': float(line[5:]) / 10})
            elif line.startswith('DIN,'):
                types[-1]['pipes'][-1]['din'] = float(line[4:]) / 10
            elif line.startswith('KOD,'):
                types[-1]['pipes'][-1]['kod'] = line[9:-1]
            elif line[:1] == 'K' and line[1:2] in '1234':
                types[-1]['k'][int(line[1]) - 1] = float(line[3:]) / 1000
        elif line:
            [opti, sdrpe, sdrpp, limit][section - 1].append(line)
    return types, [o[1:-1] for o in opti], [float(v) / 10 for v in sdrpe], \
        [float(v) / 10 for v in sdrpp], (float(limit[0]), float(limit[1]) / 10)


def examine(d, k, i, q, sewage, criterion, hd_max):
    A = d * math.sqrt(d * i)
    q100 = -6.95 * math.log10(k / (3.71 * d) + 7.4e-7 / A) * d * A * 1000
    v100 = q100 * 4 * 0.001 / (math.pi * d * d)
    if q >= q100:
        return None
    ratio = q / q100
    n = 1
    while n < 100 and ratio > 0.46 - 0.5 * math.cos(math.pi * n / 100) + 0.04 * math.cos(2 * math.pi * n / 100):
        n += 1
    row = n - 1 if landing(n) < 0 else n
    v = v100 * VNV[row - 1] / 100
    tau = 9.81 * i * 1000 * d / 4 * RNR[row - 1] / 100
    taumin = [1.5, 2.5, 2.0][sewage]
    hmax = 60
    if d > 0.315:
        hmax = 70
    if d > 0.5:
        hmax = 80
    if sewage != 2:
        hmax = 101
    if criterion == 4:
        hmax = hd_max
    err_tau = tau <= taumin or v <= 0.71
    # the filling compared with the limit: n, or just below / above it
    err_hd = n > hmax or (n == hmax and landing(n) >= 0)
    ok = [True, not err_tau and not err_hd, not err_tau, not err_hd, not err_hd][criterion]
    return dict(n=n, q100=q100, v=v, tau=tau, err_tau=err_tau, err_hd=err_hd, ok=ok)


def search(types, t, q, slopes, sewage, losses, criterion, hd_max, sdr, diameter):
    typ = types[t - 1]
    k = typ['k'][(2 if sewage == 2 else 0) + losses] * 0.001
    numbers = [diameter] if diameter else range(1, len(typ['pipes']) + 1)
    for i in slopes:
        for j in numbers:
            p = typ['pipes'][j - 1]
            d = (p['dout'] - 2 * p['dout'] / sdr) * 0.001 if typ['klasa'] == 'SDR' else p['din'] * 0.001
            r = examine(d, k, i, q, sewage, criterion, hd_max)
            if r and r['ok']:
                return dict(r, j=j, i=i, d=d, k=k, pipe=p, typ=typ)
    return None


def main():
    a = argparse.ArgumentParser()
    a.add_argument('catalogue')
    a.add_argument('type', type=int, help='1-based catalogue type')
    a.add_argument('q', type=float, help='flow [l/s]')
    a.add_argument('slope', type=float, help='per mille')
    a.add_argument('--sewage', type=int, default=0)
    a.add_argument('--losses', type=int, default=0)
    a.add_argument('--criterion', type=int, default=0)
    a.add_argument('--hd', type=float, default=0)
    a.add_argument('--sdr', type=float, default=41)
    a.add_argument('--diameter', type=int, default=0)
    a.add_argument('--minimise', nargs=2, type=float, metavar=('FROM', 'TO'))
    o = a.parse_args()
    types = read_catalogue(o.catalogue)[0]
    if o.minimise:
        slopes, i = [], o.minimise[0] * 0.001
        while True:
            slopes.append(i)
            i += 0.0001
            if i > o.minimise[1] * 0.001:
                break
    else:
        slopes = [o.slope * 0.001]
    r = search(types, o.type, o.q, slopes, o.sewage, o.losses, o.criterion, o.hd, o.sdr, o.diameter)
    if not r:
        print('no pipe')
        return
    row = r['n'] - 1 if landing(r['n']) < 0 else r['n']
    print(f"diameter {r['j']}: Dz {r['pipe']['dout']:g} Dw {r['pipe'].get('din', 0):g} d {r['d']:.6f} m "
          f"kod {r['pipe'].get('kod')}")
    print(f"Q100 {r['q100']:.4f} l/s, step {r['n']} (row {row}), v {r['v']:.4f} m/s, "
          f"tau {r['tau']:.4f} Pa, slope {r['i'] * 1000:.4f}, k {r['k'] * 1000:.3f} mm")
    print(f"self-cleaning {'nie' if r['err_tau'] else 'tak'}, ventilation {'nie' if r['err_hd'] else 'tak'}")


if __name__ == '__main__':
    main()
