#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""An isotherm of the hard-sphere gas: its pressure against its volume for
six widths of the box, at the temperature of the example file, printed as a
table and, where matplotlib is installed, plotted into isotherm.png.

    PYTHONPATH=build/python python3 examples/python/isotherm.py
"""
import argparse
import os

import quorvel

HERE = os.path.dirname(os.path.abspath(__file__))
GAS = os.path.join(HERE, "..", "1-hard-sphere-gas-reaching-Maxwell.txt")


def pressure_at(width, warm_up, displays):
    """The mean pressure (Pa) and the volume (m3) of the gas in a box `width` wide."""
    sim = quorvel.Simulation.open(GAS)
    sim.box_width = width
    sim.run(warm_up)
    # The readouts average over every display from here on.
    sim.averaging = "accumulated"
    sim.run(displays)
    outputs = sim.outputs()
    return outputs["pressure"], outputs["volume"], outputs["temperature"]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="a few displays only, to see that it runs")
    args = parser.parse_args()
    warm_up, displays = (2, 3) if args.quick else (20, 400)

    widths = [6e-9 * f for f in (0.8, 0.9, 1.0, 1.2, 1.4, 1.7)]
    rows = [(w,) + pressure_at(w, warm_up, displays) for w in widths]
    print(f"{'width (nm)':>10} {'V (nm3)':>10} {'P (MPa)':>10} {'T (K)':>8} {'PV/NkT':>8}")
    atoms = len(quorvel.Simulation.open(GAS).types)
    k = 1.380649e-23
    for width, p, v, t in rows:
        print(f"{width * 1e9:10.3f} {v * 1e27:10.2f} {p / 1e6:10.2f} {t:8.1f} {p * v / (atoms * k * t):8.3f}")

    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        return
    volumes = [v * 1e27 for _, _, v, _ in rows]
    pressures = [p / 1e6 for _, p, _, _ in rows]
    plt.plot(volumes, pressures, "o-")
    plt.xlabel("V (nm$^3$)")
    plt.ylabel("P (MPa)")
    plt.title("Hard-sphere gas, one isotherm")
    plt.savefig("isotherm.png", dpi=100)
    print("plotted into isotherm.png")


if __name__ == "__main__":
    main()
