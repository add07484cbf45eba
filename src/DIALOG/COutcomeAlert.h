// SPDX-License-Identifier: GPL-3.0-or-later
// Says what the model answered to the person through the platform's alert,
// as the dialogs and the window do alike.
#pragma once

#include "SIM/model/COutcome.h"

class CPlatform;

// An applied change says nothing; a refusal is shown with its button (one
// with no message, a value the caller refuses in its own words, is not); a
// question is asked with its choices. Answers the index of the choice, 0
// (the default button) when nothing was asked.
int askOutcome(CPlatform& platform, const COutcome& outcome);
// Shows a refusal as askOutcome does; answers whether the change was applied.
bool showOutcome(CPlatform& platform, const COutcome& outcome);
