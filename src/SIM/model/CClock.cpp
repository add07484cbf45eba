// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/model/CClock.h"

#include <chrono>

double CClock::now()
{
    constexpr double referenceDateOffset = 978307200.0;  // 2001-01-01 in Unix seconds
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() -
           referenceDateOffset;
}
