# SPDX-License-Identifier: GPL-3.0-or-later
"""The quorvel module against the batch runner, its refusals, its arrays and
its files. Run by ctest with the module's folder on PYTHONPATH."""
import _thread
import os
import subprocess
import sys
import threading
import time

import numpy as np
import pytest

import quorvel

SOURCE = os.environ.get("QUORVEL_SOURCE", os.path.join(os.path.dirname(__file__), "..", ".."))
BATCH = os.environ.get("QUORVEL_BATCH")
EXAMPLES = os.path.join(SOURCE, "examples")
GAS = os.path.join(EXAMPLES, "1-hard-sphere-gas-reaching-Maxwell.txt")
ARGON = os.path.join(EXAMPLES, "6-argon-crystal-melting-on-a-warm-floor.txt")


@pytest.mark.skipif(not BATCH, reason="QUORVEL_BATCH names the batch runner")
@pytest.mark.parametrize("example", [GAS, ARGON])
def test_run_is_the_batch_run_bit_for_bit(example, tmp_path):
    subprocess.run([BATCH, example, "--ticks", "3", "--output", str(tmp_path / "batch.txt")], check=True,
                   capture_output=True)
    whole = quorvel.Simulation.open(example)
    whole.run(3)
    whole.save(str(tmp_path / "whole.txt"))
    # The same steps in parts that cut across displays, on three threads and on every core.
    parts = quorvel.Simulation.open(example)
    total = 3 * parts.steps_per_display
    parts.run(steps=7)
    parts.run(steps=total - 7 - 1, threads=3)
    parts.run(steps=1, threads="auto")
    parts.save(str(tmp_path / "parts.txt"))
    batch = (tmp_path / "batch.txt").read_bytes()
    assert (tmp_path / "whole.txt").read_bytes() == batch
    assert (tmp_path / "parts.txt").read_bytes() == batch


def test_refusals_raise_with_their_message_and_change_nothing(tmp_path):
    sim = quorvel.Simulation.open(ARGON)
    saved = tmp_path / "before.txt"
    sim.save(str(saved))
    with pytest.raises(ValueError, match=r"^Time step must be between "):
        sim.time_step = -1.0
    with pytest.raises(ValueError, match="Mass of type A"):
        sim.type("A").mass = 1.0
    with pytest.raises(ValueError, match="is not a number"):
        sim.set("floor_temperature", "warm")
    with pytest.raises(TypeError, match="floor_bath takes True or False"):
        sim.floor_bath = 3
    with pytest.raises(TypeError, match="time_step takes a number"):
        sim.time_step = [1e-15]
    with pytest.raises(TypeError, match='displayed_type takes a str, one of "A"'):
        sim.displayed_type = 4
    with pytest.raises(ValueError, match="is not a whole number"):
        sim.steps_per_display = 2.5
    with pytest.raises(ValueError, match="There is no parameter"):
        sim.set("warp_speed", 9)
    with pytest.raises(ValueError, match="needs a type"):
        sim.get("mass")
    with pytest.raises(ValueError, match="a type is one of"):
        sim.type("E")
    with pytest.raises(quorvel.Question, match="accept=True"):
        sim.time_step = 1e-9
    velocities = sim.velocities
    with pytest.raises(ValueError, match="velocities must be"):
        sim.velocities = velocities[:-1]
    with pytest.raises(TypeError, match="velocities must be an N x 3 array"):
        sim.velocities = "fast"
    velocities[5, 1] = 2e8
    with pytest.raises(ValueError, match="atom 5: vy must be between"):
        sim.velocities = velocities
    with pytest.raises(ValueError, match="slot must be one of"):
        sim.outputs("E")
    with pytest.raises(ValueError, match="displays or steps"):
        sim.run(1, steps=1)
    with pytest.raises(ValueError, match="engine is"):
        sim.run(engine="warp")
    for threads in (0, 65, "all"):
        with pytest.raises(ValueError, match="threads is \"auto\" or a whole number from 1 to 64"):
            sim.run(threads=threads)
    with pytest.raises(RuntimeError, match="measure"):
        sim.rdf()
    with pytest.raises(ValueError, match="measure takes"):
        sim.measure("viscosity")
    with pytest.raises(OSError):
        sim.save(str(tmp_path / "no-such-folder" / "x.txt"))
    with pytest.raises(ValueError, match="replicate|Replicate|copies"):
        sim.write_lammps(str(tmp_path), replicate=0)
    sim.save(str(tmp_path / "after.txt"))
    assert (tmp_path / "after.txt").read_bytes() == saved.read_bytes()

    # A question accepted sets the value; a value set reads back exactly.
    sim.set("time_step", 1e-9, accept=True)
    assert sim.time_step == 1e-9
    sim.floor_temperature = 123.456789012345678
    assert sim.floor_temperature == 123.456789012345678
    sim.averaging = "accumulated"
    assert sim.get("averaging") == "accumulated"

    with pytest.raises(FileNotFoundError):
        quorvel.Simulation.open(str(tmp_path / "missing.txt"))
    (tmp_path / "junk.txt").write_text("3\nno lattice here\nAr 0 0 0\n")
    with pytest.raises(ValueError, match="cannot read"):
        quorvel.Simulation.open(str(tmp_path / "junk.txt"))
    with pytest.raises(ValueError, match="types"):
        quorvel.Simulation.new("Zz:10")
    with pytest.raises(ValueError, match="lattice is"):
        quorvel.Simulation.new("Ar:10", lattice="hcp")
    with pytest.raises(ValueError, match="one of density"):
        quorvel.Simulation.new("Ar:10", density=1400.0, box_width=1e-8)
    with pytest.raises(TypeError):
        quorvel.Simulation.new(256)

    # The kind of box and the contacts: properties through the table, the
    # periodic box's refusals raised with their reason, nothing changed.
    assert sim.boundaries == "closed" and sim.contacts is True
    charged = quorvel.Simulation.open(ARGON)
    charged.box_width = 8e-9
    charged.type("A").charge = 1.6e-19
    with pytest.raises(ValueError, match="Ewald summation"):
        charged.boundaries = "periodic"
    assert charged.boundaries == "closed"
    with pytest.raises(TypeError, match='boundaries takes a str, one of "closed" "periodic"'):
        charged.boundaries = True
    bulk = quorvel.Simulation.new("Ar:256", density=1300.0, temperature=100.0, periodic=True, contacts=False)
    assert bulk.boundaries == "periodic" and bulk.contacts is False
    with pytest.raises(ValueError, match="periodic box"):
        bulk.type("A").charge = 1e-19
    with pytest.raises(ValueError, match="cut-off of the forces"):
        bulk.box_width = 1.5e-9
    assert bulk.type("A").charge == 0.0
    bulk.contacts = True
    bulk.save(str(tmp_path / "bulk.txt"))
    again = quorvel.Simulation.open(str(tmp_path / "bulk.txt"))
    assert again.boundaries == "periodic" and again.contacts is True
    again.boundaries = "closed"
    assert again.boundaries == "closed"
    with pytest.raises(ValueError, match="periodic box has no walls"):
        quorvel.Simulation.new("Ar:256", density=1300.0, periodic=True, floor_bath=90.0)


def test_arrays_have_their_shapes_and_units_and_never_alias():
    sim = quorvel.Simulation.new("Ar:200,Kr:56", temperature=90.0, seed=3)
    sim.averaging = "instant"
    sim.run(2)
    n = 256
    assert sim.positions.shape == (n, 3) and sim.velocities.shape == (n, 3)
    assert sim.types.shape == (n,) and sim.masses.shape == (n,)
    assert list(np.bincount(sim.types)) == [200, 56]
    assert sim.masses[0] == sim.type("A").mass and sim.masses[-1] == sim.type("B").mass
    assert np.all(np.abs(sim.positions) < sim.box_width / 2)
    kinetic = 0.5 * np.sum(sim.masses[:, None] * sim.velocities ** 2)
    assert kinetic == pytest.approx(sim.outputs()["kinetic_energy"], rel=1e-12)
    assert sim.steps == 2 * sim.steps_per_display
    assert sim.time == pytest.approx(sim.steps * sim.time_step)

    positions = sim.positions
    positions += 1.0
    assert not np.shares_memory(positions, sim.positions)
    assert np.all(np.abs(sim.positions) < sim.box_width / 2)

    # Velocities set are the velocities read, booked as the user's change.
    velocities = sim.velocities
    velocities[:] = 0.0
    velocities[3] = [100.0, -50.0, 25.0]
    sim.velocities = velocities
    assert np.array_equal(sim.velocities, velocities)
    assert sim.ledger()["user"] != 0.0
    assert set(sim.ledger()) >= {"dE", "heat", "work", "user", "correction", "residual"}
    assert quorvel.__version__.count(".") >= 1


def test_measurements_files_and_ase(tmp_path):
    ase = pytest.importorskip("ase")
    sim = quorvel.Simulation.new("Ar:128,Kr:64", temperature=120.0, density=1200.0)
    sim.measure("rdf", "diffusion")
    with sim.record(str(tmp_path / "run.xyz"), every=2) as recording:
        sim.run(4)
    assert recording.frames == 3
    assert sim.rdf()["displays"] == 4 and sim.rdf("BA")["g"].shape == sim.rdf("AB")["r"].shape
    assert np.max(sim.rdf()["g"]) > 1.0
    d = sim.diffusion("A")
    assert d["samples"] > 0 and d["time"].shape == d["msd"].shape == d["vacf"].shape
    speeds = sim.speed_distribution("all")
    assert speeds["fraction"].shape == speeds["maxwell"].shape == (40,) and speeds["low"][0] == 0.0
    assert speeds["temperature"] == pytest.approx(sim.outputs()["temperature"], rel=0.2)

    sim.save(str(tmp_path / "sim.txt"))
    reopened = quorvel.Simulation.open(str(tmp_path / "sim.txt"))
    assert np.array_equal(reopened.positions, sim.positions)
    assert np.array_equal(reopened.velocities, sim.velocities)
    sim.write_xyz(str(tmp_path / "frame.xyz"))
    frame = quorvel.Simulation.open(str(tmp_path / "frame.xyz"))
    assert np.allclose(frame.positions, sim.positions, rtol=0, atol=1e-20)
    sim.write_lammps(str(tmp_path / "lammps"), replicate=2)
    assert (tmp_path / "lammps" / "data.quorvel").exists()
    last = quorvel.Simulation.open(str(tmp_path / "run.xyz"), frame=3)
    assert np.allclose(last.positions, sim.positions, rtol=0, atol=1e-20)

    atoms = sim.to_ase()
    assert isinstance(atoms, ase.Atoms) and len(atoms) == 192
    assert atoms.get_chemical_symbols()[0] == "Ar" and atoms.get_chemical_symbols()[-1] == "Kr"
    assert atoms.cell.lengths() == pytest.approx([sim.box_width * 1e10] * 3)
    assert atoms.get_temperature() == pytest.approx(sim.outputs()["temperature"], rel=0.05)
    back = quorvel.Simulation.from_ase(atoms)
    assert np.allclose(back.positions, sim.positions, rtol=0, atol=1e-20)
    assert np.allclose(back.velocities, sim.velocities, rtol=1e-12)
    assert np.allclose(back.masses, sim.masses, rtol=1e-12) and np.array_equal(back.types, sim.types)
    with pytest.raises(TypeError, match="ase.Atoms"):
        quorvel.Simulation.from_ase("atoms")
    with pytest.raises(ValueError, match="Lattice"):
        quorvel.Simulation.from_ase(ase.Atoms("Ar2", positions=[[0, 0, 0], [3, 0, 0]]))

    png = sim.picture(width=320, height=200)
    assert png[:8] == b"\x89PNG\r\n\x1a\n" and int.from_bytes(png[16:20], "big") == 320
    assert sim._repr_png_()[:4] == b"\x89PNG"


def test_run_releases_the_interpreter():
    sim = quorvel.Simulation.new("Ar:400", temperature=100.0)
    ticks = []
    running = threading.Event()

    def count():
        running.wait()
        while running.is_set():
            ticks.append(time.perf_counter())
            time.sleep(0.001)

    counter = threading.Thread(target=count)
    counter.start()
    running.set()
    started = time.perf_counter()
    sim.run(8)
    ended = time.perf_counter()
    running.clear()
    counter.join()
    assert sum(started < t < ended for t in ticks) >= 5
    # Another thread that touches the simulation while it runs is refused, not raced.
    worker = threading.Thread(target=sim.run, args=(8,))
    worker.start()
    time.sleep(0.05)
    refused = False
    try:
        sim.positions
    except RuntimeError:
        refused = True
    worker.join()
    assert refused or not worker.is_alive()
    assert sim.positions.shape == (400, 3)

    # Ctrl+C stops a long display between steps; the next run goes on with it.
    sim.steps_per_display = 1000000
    before = sim.steps
    threading.Timer(0.3, _thread.interrupt_main).start()
    with pytest.raises(KeyboardInterrupt):
        sim.run()
    stopped = sim.steps
    assert before < stopped < before + 1000000
    sim.run(steps=3)
    assert sim.steps == stopped + 3


@pytest.mark.parametrize("example", ["isotherm.py", "melting.py", "diffusion.py"])
def test_examples_run(example, tmp_path):
    script = os.path.join(SOURCE, "examples", "python", example)
    done = subprocess.run([sys.executable, script, "--quick"], cwd=tmp_path, capture_output=True, text=True,
                          timeout=300)
    assert done.returncode == 0, done.stderr
    assert len(done.stdout.splitlines()) >= 4
