// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/engine/CReferencePairs.h"

#include "BASE/CVector.h"
#include "SIM/model/CMinimumImage.h"

namespace {
constexpr int kTypes = CStepView::kTypes;

// Opposite changes of two neighbours cancel; the rest stays on the atom whose
// change has the sign of the sum.
void pairEnergyChanges(double& a, double& b)
{
    double s = a + b;
    if (a < 0 && b > 0) {
        if (s >= 0) { a = 0; b = s; }
        else { a = s; b = 0; }
    } else if (a > 0 && b < 0) {
        if (s < 0) { a = 0; b = s; }
        else { a = s; b = 0; }
    }
}
}  // namespace

// Without contacts, pairs inside the mean diameter meet the potential's
// repulsion instead: no pass at all.
void CReferencePairs::contacts()
{
    const CStepView& s = step_;
    if (!s.contactsUsed()) return;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < s.number[t]; i++)
            for (int u = t; u < kTypes; u++)
                for (int j = (u == t ? i + 1 : 0); j < s.number[u]; j++) step_.collideAtomPair(t, i, u, j);
}

// A pair is within reach where its atoms are closer than the sum of their
// diameters; charged pairs, whose forces reach across the box, always are.
// In a periodic box the separation is the minimum image.
void CReferencePairs::pairEnergies()
{
    CStepView& s = step_;
    const bool periodic = s.periodic();
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < s.number[t]; i++)
            for (int u = t; u < kTypes; u++) {
                double reach = (s.charge[t] != 0.0 && s.charge[u] != 0.0) ? 2.0 * s.halfWidth : s.diam[t] + s.diam[u];
                double reach2 = reach * reach;
                for (int j = (u == t ? i + 1 : 0); j < s.number[u]; j++) {
                    CVector separation;
                    separation.equalsSub(s.loc[t][i], s.loc[u][j]);
                    if (periodic) quorvel::minimumImage(separation, s.halfWidth);
                    if (separation.norm() < reach2) pairEnergyChanges(s.dE[t][i], s.dE[u][j]);
                }
            }
}
