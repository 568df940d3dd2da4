#!/usr/bin/env python3
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""An independent model of the calculation run, in plain IEEE doubles (Python floats) with
singles emulated through struct, written from the documented operation order and not from
the C++ code. It prints the figures that tests/sim/calculation_run_test.cpp expects:

    python3 tests/reference/orbit_reference.py [years] [hours] [x1 y1 x2 y2 xs ys vx vy G1 G2 m]

Values typed during a run go through run()'s `typed`: {n: {'mass': 2000.0}} types them at the
n-th yield, as a test's script does, and `trace` collects what the window shows at each yield.
"""
import math
import struct
import sys


def single(value):
    return struct.unpack('f', struct.pack('f', value))[0]


def metres(au):
    return (au * 1.5) * 1e11


def au_from(metres_):
    return metres_ / 1.5e11


def attraction(g, mass, d):
    return (mass * (g * 1e13)) / (d * d)


def run(years=10.0, hours=1, x1=1.3, y1=1.0, x2=1.8, y2=1.0, xs=1.3, ys=1.5, vx=1900.0, vy=0.0,
        g1=3500.0, g2=3500.0, mass=1000.0, frame=(15255.0, 8175.0), size=105.0, typed=None, trace=None):
    # The run length, the time step, both gravitation constants and the mass are read at every
    # step, so a value typed at a yield counts from the next step on; the rest is read once.
    now = {'years': years, 'hours': hours, 'g1': g1, 'g2': g2, 'mass': mass}
    x, y, u, v = xs, ys, vx, vy
    t = 0
    steps = 0
    shown = {}
    while True:
        years, hours, g1, g2, mass = now['years'], now['hours'], now['g1'], now['g2'], now['mass']
        end_time = years * 364.75 * 24 * 3600
        if t > end_time:
            reason = 'time'
            break
        dt = hours * 3600
        half = single(size) / 2
        shown['Top'] = single(4000 * y - half)
        shown['Left'] = single(4000 * x - half)
        X2, Y2 = single(4000 * x), single(4000 * y)
        shown['X2'], shown['Y2'] = X2, Y2
        if X2 > single(frame[0] + 1000) or X2 < -1000 or Y2 > single(frame[1] + 1000) or Y2 < -1000:
            reason = 'bounds'
            break
        dx1, dy1 = x1 - x, y1 - y
        d1 = math.sqrt(dx1 * dx1 + dy1 * dy1)
        shown['DC1C'] = d1
        d1 = metres(d1)
        dx2, dy2 = x2 - x, y2 - y
        d2 = math.sqrt(dx2 * dx2 + dy2 * dy2)
        shown['DC2C'] = d2
        d2 = metres(d2)
        f1, f2 = attraction(g1, mass, d1), attraction(g2, mass, d2)
        shown['AC1C'], shown['AC2C'] = f1, f2
        f1x, f1y = (f1 * metres(dx1)) / d1, (f1 * metres(dy1)) / d1
        f2x, f2y = (f2 * metres(dx2)) / d2, (f2 * metres(dy2)) / d2
        ax, ay = (f1x + f2x) / mass, (f1y + f2y) / mass
        u2, v2 = u + ax * dt, v + ay * dt
        x = au_from(metres(x) + ((u + u2) / 2) * dt)
        y = au_from(metres(y) + ((v + v2) / 2) * dt)
        shown['xsc'], shown['ysc'] = x, y
        u, v = u2, v2
        t += dt
        shown['tempscourant'] = t / 31514400
        steps += 1
        if trace is not None:
            trace.append(dict(shown))
        now.update((typed or {}).get(steps, {}))
    return reason, steps, t, shown


if __name__ == '__main__':
    args = [float(a) for a in sys.argv[1:]]
    years = args[0] if args else 10.0
    hours = int(args[1]) if len(args) > 1 else 1
    reason, steps, t, shown = run(years, hours)
    print(f'ended on {reason} after {steps} steps, t = {t} s')
    for name, value in shown.items():
        print(f'{name:12} {value!r:24} %.15G' % value)
