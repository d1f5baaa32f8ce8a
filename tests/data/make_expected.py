#!/usr/bin/env python3
"""Writes the expected values that the tests compare against, computed apart from the C++ code.

The polygon length is recomputed here in Python, whose floats are binary64 and whose +, -, *
and / each round on their own (one bytecode per operation, so nothing can be fused). The square
root does not come from the C library: crsqrt() below rounds the exact integer square root
(math.isqrt) to nearest, ties to even, so the oracle shares no math library with the program.
The printed lines use Python's own correctly rounded %-formatting.

Run from this folder: python3 make_expected.py   (a few minutes; rewrites both files)
"""
import math
import random
import struct

LAST_SMALL_COUNT = 4096
DRIVER_COUNTS = [5000 * i for i in range(1, 21)]
# Counts whose step lies exactly halfway between two doubles of a large binade of the abscissa,
# [0.25, 0.5) or [0.5, 1), where x + step rounds to the even neighbour: found by search with
# tie_counts() below.
TIE_COUNTS = [4546, 5236, 6253, 11365, 12346, 18326, 22730, 24692, 34095, 36652, 68190, 86422, 135806,
              172844, 209882]


def crsqrt(a):
    """Correctly rounded binary64 square root of a positive finite float, from integers only."""
    mant, exp = math.frexp(a)  # a = mant * 2**exp, 0.5 <= mant < 1
    m = int(math.ldexp(mant, 53))  # a = m * 2**(exp - 53), m has 53 bits
    e = exp - 53
    shift = 120  # leaves isqrt() with about 86 bits, well past the 53 kept
    if (e - shift) % 2:
        shift += 1
    big = m << shift
    root = math.isqrt(big)  # floor of the exact root of m * 2**shift
    inexact = root * root != big
    drop = root.bit_length() - 53
    kept = root >> drop
    rest = root & ((1 << drop) - 1)
    half = 1 << (drop - 1)
    if rest > half or (rest == half and (inexact or kept & 1)):
        kept += 1
    return math.ldexp(kept, drop + (e - shift) // 2)


def octant_arc_length(n):
    if n < 1:
        return 0.0  # the loop does not run; the running sum stays at its start, +0.0
    total = 0.0
    step = crsqrt(2.0) / 2.0
    step = step / float(n)
    x_prev = 0.0
    y_prev = crsqrt(1.0 - x_prev * x_prev)
    x = x_prev
    for _ in range(n):
        x = x + step  # repeated addition, never k * step
        y = crsqrt(1.0 - x * x)
        dx = x - x_prev
        dy = y - y_prev
        total = crsqrt(dx * dx + dy * dy) + total
        x_prev = x
        y_prev = y
    return total


def tie_counts(first, last):
    """The counts in [first, last] whose step is a tie in [0.25, 0.5) or [0.5, 1)."""
    half_sqrt2 = crsqrt(2.0) / 2.0
    found = []
    for n in range(first, last + 1):
        step = half_sqrt2 / float(n)
        for low in (0.25, 0.5):
            halves = step / math.ldexp(low, -53)  # step in half-ulps of that binade; exact
            if halves == int(halves) and int(halves) % 2 == 1:
                found.append(n)
    return found


def bits(value):
    return struct.unpack("<Q", struct.pack("<d", value))[0]


def check_crsqrt():
    # A second, unrelated square root must agree with the integer one before any value is written.
    rng = random.Random(1)
    samples = [0.5 + rng.random() / 2 for _ in range(200000)] + [rng.random() * 1e-6 for _ in range(50000)]
    for a in samples + [0.5, 1.0, 2.0]:
        assert crsqrt(a) == math.sqrt(a), a


def main():
    check_crsqrt()
    assert tie_counts(LAST_SMALL_COUNT + 1, TIE_COUNTS[-1]) == TIE_COUNTS
    counts = list(range(1, LAST_SMALL_COUNT + 1)) + DRIVER_COUNTS + TIE_COUNTS
    results = {n: octant_arc_length(n) for n in counts}
    # "n bits" a line: octant_arc_length(n) recomputed in Python binary64 with an integer-based
    # correctly rounded square root.
    with open("expected_bits.txt", "w", newline="\n") as out:
        for n in counts:
            out.write("%d 0x%016x\n" % (n, bits(results[n])))
    with open("expected_output.txt", "w", newline="\n") as out:
        for n in DRIVER_COUNTS:
            out.write("count=%10d  pi=%16.13f \n" % (n, results[n] * 4.0))


if __name__ == "__main__":
    main()
