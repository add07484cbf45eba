// SPDX-License-Identifier: GPL-3.0-or-later
// The integration step, written once for both engines: velocity Verlet with
// the walls, the contacts, conservation and the outputs, in this order:
// drift, piston, walls, contacts, fold, half kick, forces, half kick with
// the energies, conservation, outputs, counters.
#pragma once

class CPairEngine;
class CStepView;

// steps steps, the last of them the display's last when endsDisplay, the
// pair passes by pairs on up to threads threads.
void integrateSteps(CStepView& step, CPairEngine& pairs, int threads, unsigned steps, bool endsDisplay);
