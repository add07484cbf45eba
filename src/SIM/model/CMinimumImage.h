// SPDX-License-Identifier: GPL-3.0-or-later
// The minimum image of a separation in a periodic box of half width h and
// width w = 2 h: each component is taken to the nearest copy of the other
// atom. Atoms are wrapped into the box every step (a contact may leave one a
// little outside until the next), so one shift by w is always enough.
#pragma once

#include "BASE/CVector.h"

namespace quorvel {
inline double minimumImage(double d, double h, double w)
{
    if (d > h) d -= w;
    else if (d < -h) d += w;
    return d;
}

inline void minimumImage(CVector& d, double h)
{
    const double w = 2.0 * h;
    for (double& c : d.v) c = minimumImage(c, h, w);
}
}  // namespace quorvel
