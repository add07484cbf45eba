// SPDX-License-Identifier: GPL-3.0-or-later
#include "CUndoHistory.h"

#include <cstring>
#include <utility>

namespace {
// The parts are plain values copied whole (padding included: they are
// trivially copyable), so a part nobody changed has the bytes of its copy.
// Bytes rather than values, because an average not yet measured is a NaN.
template <class Part>
bool sameBytes(const Part& a, const Part& b)
{
    return std::memcmp(&a, &b, sizeof(Part)) == 0;
}
}  // namespace

bool sameState(const CSimulationState& a, const CSimulationState& b)
{
    const CAtomTypes &ta = a.types, &tb = b.types;
    for (int t = 0; t < CAtomTypes::kTypes; t++)
        if (ta.name[t] != tb.name[t]) return false;
    return sameBytes(ta.diam, tb.diam) && sameBytes(ta.mass, tb.mass) && sameBytes(ta.invm, tb.invm) &&
           sameBytes(ta.red, tb.red) && sameBytes(ta.green, tb.green) && sameBytes(ta.blue, tb.blue) &&
           sameBytes(a.atoms, b.atoms) && sameBytes(a.box, b.box) && sameBytes(a.forces, b.forces) &&
           sameBytes(a.clock, b.clock) && sameBytes(a.outputs, b.outputs) &&
           sameBytes(a.conservation, b.conservation) && sameBytes(a.display, b.display) &&
           sameBytes(a.ledger, b.ledger);
}

CStateCommand::CStateCommand(const QString& text, Moment before, Moment after, Apply apply)
    : before(std::move(before)), after(std::move(after)), apply(std::move(apply))
{
    setText(text);
}

void CStateCommand::redo()
{
    if (made) {
        made = false;
        return;
    }
    apply(*after.state, renames() ? &after.document : nullptr);
}
