// SPDX-License-Identifier: GPL-3.0-or-later
// The reference pair engine: plain loops over every pair, in pair order (type
// by type, each atom with the later ones). It is the definition the fast
// engine matches bit for bit, and its fallback for states it cannot list.
#pragma once

#include "SIM/engine/CPairEngine.h"
#include "SIM/engine/CStepView.h"

class CReferencePairs final : public CPairEngine {
public:
    explicit CReferencePairs(const CStepView& step) : step_(step) {}
    void beginSteps(int) override {}
    void contacts() override;
    void atomsFolded() override {}
    void forces() override { step_.referenceForcePass(); }
    void pairEnergies() override;

private:
    CStepView step_;
};
