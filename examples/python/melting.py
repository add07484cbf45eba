#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A melting curve of argon: 256 atoms on a face-centred cubic lattice
started at rising temperatures. Against the temperature they settle at, the
atoms' rms distance from their lattice sites stays a fraction of an Angstrom
while they only vibrate about them, and jumps where the crystal melts and
they begin to flow; the potential energy per atom rises throughout. Printed as a table and, where matplotlib is
installed, plotted into melting.png.

    PYTHONPATH=build/python python3 examples/python/melting.py
"""
import argparse

import numpy as np

import quorvel


def settle(temperature, warm_up, displays):
    """The settled temperature (K), potential energy per atom (J) and rms distance from the
    lattice sites (m) of a crystal started at `temperature`."""
    sim = quorvel.Simulation.new("Ar:256", lattice="fcc", density=1400.0, temperature=temperature, seed=1)
    sites = sim.positions
    sim.run(warm_up)
    sim.averaging = "accumulated"
    sim.run(displays)
    outputs = sim.outputs()
    rms = float(np.sqrt(np.mean(np.sum((sim.positions - sites) ** 2, axis=1))))
    return outputs["temperature"], outputs["potential_energy"] / len(sim.types), rms


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="a few displays only, to see that it runs")
    args = parser.parse_args()
    warm_up, displays = (1, 2) if args.quick else (20, 40)
    starts = [40.0, 60.0, 80.0, 100.0, 120.0, 140.0, 160.0, 180.0]

    rows = [(start,) + settle(start, warm_up, displays) for start in starts]
    print(f"{'start (K)':>9} {'T (K)':>8} {'PE per atom (meV)':>18} {'from sites (A)':>15}")
    electron_volt = 1.602176634e-19
    for start, t, pe, rms in rows:
        print(f"{start:9.0f} {t:8.1f} {pe / electron_volt * 1e3:18.2f} {rms * 1e10:15.2f}")

    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        return
    plt.plot([t for _, t, _, _ in rows], [rms * 1e10 for _, _, _, rms in rows], "o-")
    plt.xlabel("T (K)")
    plt.ylabel("rms distance from the lattice sites (Angstrom)")
    plt.title("Argon, 256 atoms: melting")
    plt.savefig("melting.png", dpi=100)
    print("plotted into melting.png")


if __name__ == "__main__":
    main()
