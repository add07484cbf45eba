#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The diffusion coefficient D of liquid argon against temperature: 256
atoms at the density of the liquid, D from the Einstein fit of their mean
squared displacement with its standard error, and from the Green-Kubo
integral of the velocity autocorrelation beside it.

    PYTHONPATH=build/python python3 examples/python/diffusion.py
"""
import argparse

import quorvel


def diffusion_at(temperature, warm_up, displays):
    sim = quorvel.Simulation.new("Ar:256", lattice="fcc", density=1200.0, temperature=temperature, seed=1)
    sim.run(warm_up)
    sim.averaging = "accumulated"
    sim.measure("diffusion")
    sim.run(displays)
    return sim.outputs()["temperature"], sim.diffusion()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="a few displays only, to see that it runs")
    args = parser.parse_args()
    warm_up, displays = (1, 2) if args.quick else (20, 100)

    print(f"{'T (K)':>8} {'D (1e-9 m2/s)':>14} {'error':>8} {'Green-Kubo':>11} {'window (ps)':>14}")
    for start in (100.0, 130.0, 160.0, 200.0):
        t, d = diffusion_at(start, warm_up, displays)
        if not d["found"]:
            print(f"{t:8.1f}  no D: {d['reason']}")
            continue
        error = f"{d['error'] * 1e9:8.3f}" if d["error"] >= 0 else f"{'-':>8}"
        low, high = d["window"]
        print(f"{t:8.1f} {d['D'] * 1e9:14.3f} {error} {d['green_kubo_D'] * 1e9:11.3f} "
              f"{low * 1e12:6.2f}-{high * 1e12:<7.2f}")


if __name__ == "__main__":
    main()
