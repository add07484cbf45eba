// SPDX-License-Identifier: GPL-3.0-or-later
#include "CVector.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <syslog.h>

// The draws come in the order z, y, x.
static void drawZYX(CVector& out)
{
    double z = static_cast<double>(random());
    double y = static_cast<double>(random());
    double x = static_cast<double>(random());
    out.setXYZ(x, y, z);
}

CVector& CVector::unitVectorRandom()
{
    drawZYX(*this);
    normalize();
    subs(0.5);
    normalize();
    return *this;
}

CVector& CVector::unitVectorRandomWithSeed()
{
    initRandomSeed();
    return unitVectorRandom();
}

CVector& CVector::unitVectorRandomInUnitBox()
{
    drawZYX(*this);
    muls(1.0 / 2147483647.0);
    subs(0.5);
    muls(2.0);
    return *this;
}

void CVector::initRandomSeed()
{
    // Seconds since 1 January 2001 UTC, truncated; the low 32 bits seed random().
    constexpr double referenceDateOffset = 978307200.0;
    double unixSeconds = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    auto seconds = static_cast<int64_t>(unixSeconds - referenceDateOffset);
    srandom(static_cast<unsigned>(static_cast<uint64_t>(seconds) & 0xffffffffu));
}

void CVector::LOG() const
{
    syslog(LOG_DEBUG, "x = %e, y = %e, z = %e", v[0], v[1], v[2]);
}
