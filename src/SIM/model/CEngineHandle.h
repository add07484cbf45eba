// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a simulation owns of the engine that steps it, made by the engine on
// first use: the model holds it and ends it, and knows nothing else of it.
class CEngineHandle {
public:
    virtual ~CEngineHandle() = default;
};
