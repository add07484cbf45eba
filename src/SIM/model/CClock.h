// SPDX-License-Identifier: GPL-3.0-or-later
// The clock the simulation times its steps with (the iterations per second
// it shows). The desktop's services and the tests' scripted ones stand in
// for it; the headless runner and the scratch simulations use it as it is.
#pragma once

class CClock {
public:
    virtual ~CClock() = default;
    // Seconds since 1 January 2001 UTC.
    virtual double now();
};
