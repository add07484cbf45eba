// SPDX-License-Identifier: GPL-3.0-or-later
#include "CUndoHistory.h"

#include <utility>

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
