// SPDX-License-Identifier: GPL-3.0-or-later
#include "DIALOG/COutcomeAlert.h"

#include "DIALOG/CPlatform.h"

int askOutcome(CPlatform& platform, const COutcome& outcome)
{
    if (outcome || outcome.message().empty()) return 0;
    return platform.alert(outcome.title(), outcome.message(), outcome.choices());
}

bool showOutcome(CPlatform& platform, const COutcome& outcome)
{
    askOutcome(platform, outcome);
    return static_cast<bool>(outcome);
}
