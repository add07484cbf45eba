// SPDX-License-Identifier: GPL-3.0-or-later
// The panels that choose where the simulation file is read from and written
// to; the simulation reads and writes the paths they leave in it.
#pragma once

class CPlatform;
class CSimulation;

// The open panel for a simulation file; true, with the open path set, when confirmed.
bool requestOpenPath(CPlatform& platform, CSimulation& simulation);
// The save panel, proposing the name of the last confirmed save (or
// "SIMULATION.txt"); true, with the save path set, when confirmed.
bool requestSavePath(CPlatform& platform, CSimulation& simulation);
