// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the C library's random() sequence as it was before a test, so the
// tests of this concern leave the atom placements of later tests unchanged.
#pragma once

#include <cstdlib>
#include <cstring>
#include <memory>

#include "support/ui/UiWindowFixture.h"

class RandomSequenceGuard {
public:
    RandomSequenceGuard()
    {
        // Switching tables makes the C library record where the old one stood.
        table = initstate(1, scratch, sizeof scratch);
        std::memcpy(saved, table, sizeof saved);
        setstate(table);
    }
    ~RandomSequenceGuard()
    {
        setstate(scratch);
        std::memcpy(table, saved, sizeof saved);
        setstate(table);
    }

private:
    char scratch[128];
    char saved[128];
    char* table = nullptr;
};

// A window test that leaves random() where it found it.
class RandomKeepingWindowTest : public UiWindowTest {
protected:
    std::unique_ptr<RandomSequenceGuard> sequence;
    void SetUp() override
    {
        sequence = std::make_unique<RandomSequenceGuard>();
        UiWindowTest::SetUp();
    }
    void TearDown() override
    {
        UiWindowTest::TearDown();
        sequence.reset();
    }
};
