// SPDX-License-Identifier: GPL-3.0-or-later
#include "CUndoHistory.h"

#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

namespace {
// What a part holds that no person changes: the speed meter's readings of
// the wall clock, which a state built aside takes when it is built.
void clearMeters(CRunClock& clock) { clock.oldt = clock.newt = clock.oldi = clock.newi = clock.ips = 0.0; }
template <class Part>
void clearMeters(Part&)
{
}

// The parts are plain values (trivially copyable), compared as bytes rather
// than values because an average not yet measured is a NaN. The bytes
// between their members are not values: a state built aside (New
// Simulation, an import) brings whatever its memory held there, so two
// builds of the same simulation differed in them alone, and each was a step
// of its own. The copies compared have those bytes and the meters cleared.
template <class Part>
bool sameBytes(const Part& a, const Part& b)
{
    static_assert(std::is_trivially_copyable_v<Part>);
    if constexpr (std::is_class_v<Part>) {
        const auto x = std::make_unique<Part>(a), y = std::make_unique<Part>(b);
#if defined(__has_builtin)
#if __has_builtin(__builtin_clear_padding)
        __builtin_clear_padding(x.get());
        __builtin_clear_padding(y.get());
#endif
#endif
        clearMeters(*x);
        clearMeters(*y);
        return std::memcmp(x.get(), y.get(), sizeof(Part)) == 0;
    }
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

CStateCommand::CStateCommand(const QString& text, Moment before, Moment after, Apply apply, int mergeId)
    : before(std::move(before)), after(std::move(after)), apply(std::move(apply)), mergeId(mergeId)
{
    setText(text);
}

bool CStateCommand::mergeWith(const QUndoCommand* other)
{
    // QUndoStack asks only for a step of the same id: the same gesture.
    after = static_cast<const CStateCommand*>(other)->after;
    // A gesture that came back to where it began leaves nothing to go back to.
    setObsolete(sameState(*before.state, *after.state));
    return true;
}

void CStateCommand::redo()
{
    if (made) {
        made = false;
        return;
    }
    apply(*after.state, renames() ? &after.document : nullptr);
}
