#!/usr/bin/env python3
"""Checks the exact design-state bits that vexa-calc --stan prints.

Redoes the 80-bit extended arithmetic in exact rationals (each operation
rounded to a 64-bit significand, to nearest even) for the values that need no
logarithm or cosine: the inner diameter d, the filling hnd of a grid step, the
shear stress tau, the slope i and the roughness k. The cases are those of
tests/cli/batch_state_test.cpp on tests/data/small_catalogue.dat.
"""
from fractions import Fraction as F
import re
import sys


def rounded(x, bits=64):
    if x == 0:
        return F(0)
    sign = -1 if x < 0 else 1
    x, exponent = abs(x), 0
    while x >= 2 ** bits:
        x, exponent = x / 2, exponent + 1
    while x < 2 ** (bits - 1):
        x, exponent = x * 2, exponent - 1
    whole = x.numerator // x.denominator
    rest = x - whole
    if rest > F(1, 2) or (rest == F(1, 2) and whole % 2 == 1):
        whole += 1
    return sign * F(whole) * F(2) ** exponent


def from_hex(text):
    lead, rest, exponent = re.match(r'0x([0-9a-f])\.?([0-9a-f]*)p([+-]\d+)', text).groups()
    return F(int(lead + rest, 16), 16 ** len(rest)) * F(2) ** int(exponent)


THOUSANDTH = rounded(F(1, 1000))
HUNDREDTH = rounded(F(1, 100))


def filling_after(steps):
    x = HUNDREDTH
    for _ in range(steps):
        x = rounded(x + HUNDREDTH)
    return rounded(rounded(x - HUNDREDTH) * 100)


def shear_stress(i, d, rnr):
    t = rounded(rounded(F(981, 100)) * i)
    t = rounded(rounded(rounded(t * 1000) * d) / 4)
    return rounded(t * rounded(F(rnr) / 100))


def catalogue_mm(tenths):  # a diameter as the catalogue stores it: a double
    return rounded(rounded(F(tenths, 10)), 53)


i = rounded(5 * THOUSANDTH)
k = rounded(F(1, 4) * THOUSANDTH)
d500 = rounded(catalogue_mm(4708) * THOUSANDTH)
d160 = rounded(catalogue_mm(1506) * THOUSANDTH)
d_sdr = rounded(rounded(THOUSANDTH * 200) - rounded(rounded(400 * THOUSANDTH) / 41))

# name: (d, hnd, tau as printed), d expected, grid step, rnr of the row read
CASES = {
    'on 17': ('0xf.10cb295e9e1b22cp-5', '0x8.8p+1', '0x9.77d061acc3421a1p-2', d500, 17, 41),
    'above 22': ('0xf.10cb295e9e1b22cp-5', '0xb.000000000000002p+1', '0xc.3d39141dc4363aap-2', d500, 22, 53),
    'below 69': ('0x9.a36e2eb1c432b02p-6', '0x8.9fffffffffffffbp+3', '0x8.c0e62a6be45491p-2', d160, 69,
                 F(237, 2)),
    'SDR 41': ('0xc.2cf4c2cf4c2cf4bp-6', '0x9.1fffffffffffffbp+3', '0xb.4a839c898176ac9p-2', d_sdr, 73, 121),
}

ok = from_hex('0xa.3d70a3d70a3d70ap-11') == i and from_hex('0x8.3126e978d4fdf3bp-15') == k
for name, (d_text, h_text, tau_text, d, step, rnr) in CASES.items():
    good = (from_hex(d_text) == d and from_hex(h_text) == filling_after(step)
            and from_hex(tau_text) == shear_stress(i, d, rnr))
    print(f'{name}: {"ok" if good else "DIFFERS"}')
    ok = ok and good
print('i and k:', 'ok' if ok else 'DIFFERS')
sys.exit(0 if ok else 1)
