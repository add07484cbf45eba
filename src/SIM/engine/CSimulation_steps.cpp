// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the passes of a step that walk the atoms one at a time (drift,
// half kicks, walls with the floor's heat bath and the piston, kinetic
// energies, conservation), shared by the reference loops and the fast
// engine, so that both take the very same operations in the same order.
//
// The loops read an atom's three components as a flat run of doubles
// (CVector is three doubles and nothing else) and keep sums in locals, so
// that the compiler neither reloads a member after every store nor stops
// short of vectorising what is independent from atom to atom.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include "SIM/model/CSimulation.h"
#include "SIM/model/CWidestLoops.h"

namespace {
inline double* flat(CVector* atoms) { return flatVectors(atoms); }
inline const double* flat(const CVector* atoms) { return flatVectors(atoms); }

QUORVEL_WIDEST void drift(double* __restrict x, const double* __restrict v, const double* __restrict a, int count,
                          double dt, double quad)
{
    for (int k = 0; k < count; k++) x[k] = x[k] + v[k] * dt + a[k] * quad;
}

QUORVEL_WIDEST void kick(double* __restrict v, const double* __restrict a, int count, double half)
{
    for (int k = 0; k < count; k++) v[k] = v[k] + a[k] * half;
}

// Conservation, atom by atom: where the squared speed an atom's change asks
// for and its own are both positive, its speed is to be scaled by factor
// (outcome 1, gain the kinetic energy that changes); where the one asked for
// is negative, or positive for an atom at rest, its change is lost (outcome
// 2). Every atom's own values are final here but its velocity, which the
// caller scales along with the sums.
struct Rescaling {
    double factor[CSimulation::kMaxPerType], gain[CSimulation::kMaxPerType];
    double outcome[CSimulation::kMaxPerType];  // doubles, as wide as the rest (vectorises wider)
};

QUORVEL_WIDEST void rescalingTerms(const double* __restrict v, double* __restrict squared,
                                   const double* __restrict change, int count, double halfMass,
                                   double twiceInverseMass, double* __restrict kinetic, double* __restrict total,
                                   double* __restrict previousTotal, Rescaling& out)
{
    double* __restrict factor = out.factor;
    double* __restrict gain = out.gain;
    double* __restrict outcome = out.outcome;
    for (int i = 0; i < count; i++) {
        double before = squared[i], c = change[i];
        double w2 = before - twiceInverseMass * c;
        // Selections rather than branches, for the vectoriser; the same outcomes.
        bool scaled = (w2 > 0) & (before > 0);
        bool lost = (!scaled) & ((w2 < 0) | ((w2 > 0) & (before == 0)));
        factor[i] = std::sqrt(w2 / before);
        double x = v[3 * i] * factor[i], y = v[3 * i + 1] * factor[i], z = v[3 * i + 2] * factor[i];
        double after = x * x + y * y + z * z;
        squared[i] = scaled ? after : before;
        gain[i] = halfMass * after - halfMass * before;
        kinetic[i] = scaled ? kinetic[i] - c : kinetic[i];
        total[i] = scaled | lost ? total[i] - c : total[i];
        previousTotal[i] = total[i];
        outcome[i] = scaled ? 1.0 : lost ? 2.0 : 0.0;
    }
}
}  // namespace
// x + v dt + a dt^2 / 2, summed left to right.
void CSimulation::driftAtoms(double dt, double quad)
{
    for (int t = 0; t < kTypes; t++) drift(flat(atoms.loc[t]), flat(atoms.vel[t]), flat(atoms.acc[t]), 3 * atoms.number[t], dt, quad);
}

void CSimulation::kickAtoms(double half)
{
    for (int t = 0; t < kTypes; t++) kick(flat(atoms.vel[t]), flat(atoms.acc[t]), 3 * atoms.number[t], half);
}

// ---------------------------------------------------------------- walls

// Reflects atom (t, i) from the walls it has crossed, axis by axis; the
// floor's heat bath draws the speed of an atom it reflects.
void CSimulation::reflectFromWalls(int t, int i, double limit, double f)
{
    double m = types.mass[t];
    double* c = atoms.loc[t][i].v;
    double* v = atoms.vel[t][i].v;
    for (int axis = 0; axis < 3; axis++) {
        if (c[axis] < -limit) {
            c[axis] = c[axis] + (-limit - c[axis]) * f;
            v[axis] = -v[axis];
            outputs.dptot[t] += 2.0 * m * std::fabs(v[axis]);
            outputs.dptot[kAllAtoms] += 2.0 * m * std::fabs(v[axis]);
            if (axis == 2 && forces.floorTempUsed) applyHeatBath(t, i);
        } else if (c[axis] > limit) {
            c[axis] = c[axis] - (c[axis] - limit) * f;
            v[axis] = -v[axis];
            outputs.dptot[t] += 2.0 * m * std::fabs(v[axis]);
            outputs.dptot[kAllAtoms] += 2.0 * m * std::fabs(v[axis]);
        }
    }
}

// A periodic box has no walls: each atom that left it comes back in through
// the opposite face, counted in its images, so that loc + image * w is the
// path it really took. A coordinate that is not a number is left to the
// display's net.
namespace {
void wrapIntoBox(double* __restrict c, int (*__restrict image)[3], int atoms, double h)
{
    const double w = 2.0 * h;
    for (int i = 0; i < atoms; i++)
        for (int axis = 0; axis < 3; axis++) {
            double& x = c[3 * i + axis];
            if (x >= h) {
                x -= w;
                image[i][axis]++;
            } else if (x < -h) {
                x += w;
                image[i][axis]--;
            }
        }
}
}  // namespace

// The walls, then the piston: everything of the box a step collides with.
// Starts the step's momentum transfer (dptot) afresh.
void CSimulation::collideWithBox()
{
    for (double& p : outputs.dptot) p = 0.0;
    if (isPeriodic()) {
        for (int t = 0; t < kTypes; t++) wrapIntoBox(flat(atoms.loc[t]), atoms.image[t], atoms.number[t], box.halfWidth);
        return;
    }
    // Hard spheres are reflected back by their overshoot, soft ones put on the wall.
    double f = forces.potentialUsed ? 1.0 : 2.0;
    for (int t = 0; t < kTypes; t++) {
        double limit = box.halfWidth - types.diam[t] / 2.0;
        unsigned char beyond[kMaxPerType + 8] = {};
        markAtomsBeyond(flat(atoms.loc[t]), atoms.number[t], limit, beyond);
        for (int first = 0; first < atoms.number[t]; first += 8) {
            std::uint64_t marks;
            std::memcpy(&marks, beyond + first, sizeof marks);  // eight atoms at a time
            for (; marks; marks &= marks - 1) reflectFromWalls(t, first + std::countr_zero(marks) / 8, limit, f);
        }
    }
    if (box.pistonUsed) collideWithPiston();
}

// ---------------------------------------------------------------- energies

// Each atom's kinetic energy from its velocity, its total energy and its
// change since the last conservation, and their sum (tdE).
// With halfKick, each atom first receives the second half kick.
// The kick and the energies in two passes: each atom's arithmetic is the same
// as in one, and the passes touch only velocities still in the cache.
void CSimulation::kickAndTotalEnergy(double half)
{
    kickAtoms(half);
    MDCALCTotalEnergy();
}

// Scales each atom's speed to take back its paired energy change; both
// engines end their conservation here. The ledger books the kinetic energy
// each scaling really changed.
void CSimulation::rescaleToConserve()
{
    double correction = ledger.correction, notConserved = conservation.tdENotConserved;
    Rescaling rescaling;
    for (int t = 0; t < kTypes; t++) {
        rescalingTerms(flat(atoms.vel[t]), atoms.nvel[t], atoms.dE[t], atoms.number[t], types.mass[t] * 0.5, 2.0 * types.invm[t], atoms.aKEnergy[t],
                       atoms.aTEnergy[t], atoms.paTEnergy[t], rescaling);
        for (int i = 0; i < atoms.number[t]; i++)
            if (rescaling.outcome[i] == 1.0) {
                atoms.vel[t][i].muls(rescaling.factor[i]);
                correction += rescaling.gain[i];
            } else if (rescaling.outcome[i] == 2.0) {
                // An atom at rest has no direction to scale: what it should
                // have gained is booked as not conserved, like a deficit.
                notConserved += atoms.dE[t][i];
            }
    }
    ledger.correction = correction;
    conservation.tdENotConserved = notConserved;
}
