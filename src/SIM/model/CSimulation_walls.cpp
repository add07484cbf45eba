// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: atoms outside the box, found and folded back in: after a
// step's contacts, and when a file puts an atom beyond a wall.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "SIM/model/CSimulation.h"
#include "SIM/model/CWidestLoops.h"

// Marks the atoms with a coordinate beyond -limit..limit (few atoms touch a
// wall in a step: the others are passed over without a branch each).
QUORVEL_WIDEST void markAtomsBeyond(const double* __restrict c, int atoms, double limit, unsigned char* __restrict beyond)
{
    for (int i = 0; i < atoms; i++) {
        const double* x = c + 3 * i;
        beyond[i] = (x[0] < -limit) | (x[0] > limit) | (x[1] < -limit) | (x[1] > limit) | (x[2] < -limit) |
                    (x[2] > limit);
    }
}

// The last resort of the walls. A step that carries an atom further beyond a
// wall than the box is wide (or a contact that throws it out) leaves its
// centre outside the box after the single reflection of collideWithBox; an ordinary step
// never does, so ordinary trajectories are not touched here. The atom's
// straight flight is folded between its walls: every two reflections are a
// period of 4 limit, and an odd count mirrors the place and the velocity.
// The momentum these extra reflections give the walls is not measured.
// A periodic box has no walls to fold between: its wrap takes every atom.
bool CSimulation::foldAtomsIntoBox()
{
    if (isPeriodic()) return false;
    bool folded = false;
    for (int t = 0; t < kTypes; t++) {
        unsigned char beyond[kMaxPerType + 8] = {};
        markAtomsBeyond(flatVectors(atoms.loc[t]), atoms.number[t], box.halfWidth, beyond);
        double limit = box.halfWidth - types.diam[t] / 2.0;
        for (int first = 0; first < atoms.number[t]; first += 8) {
            std::uint64_t marks;
            std::memcpy(&marks, beyond + first, sizeof marks);
            for (; marks; marks &= marks - 1) {
                int i = first + std::countr_zero(marks) / 8;
                double* c = atoms.loc[t][i].v;
                double* v = atoms.vel[t][i].v;
                for (int axis = 0; axis < 3; axis++) {
                    // A coordinate that is not a number is left to the display's net.
                    if (!std::isfinite(c[axis]) || std::fabs(c[axis]) <= box.halfWidth) continue;
                    folded = true;
                    if (!(limit > 0.0)) {
                        c[axis] = 0.0;
                        continue;
                    }
                    double span = 2.0 * limit;
                    double u = std::fmod(c[axis] + limit, 2.0 * span);
                    if (u < 0.0) u += 2.0 * span;
                    if (u > span) {
                        u = 2.0 * span - u;
                        v[axis] = -v[axis];
                    }
                    c[axis] = std::clamp(u - limit, -limit, limit);  // rounding, at the most
                }
            }
        }
    }
    return folded;
}
