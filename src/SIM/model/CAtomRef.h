// SPDX-License-Identifier: GPL-3.0-or-later
// One atom named by its type and its slot within the type, as the model's
// arrays hold it.
#pragma once

struct CAtomRef {
    int type = 0;
    int index = 0;
    bool operator==(const CAtomRef&) const = default;
};
