// SPDX-License-Identifier: GPL-3.0-or-later
// The platform of the benchmarks that run the window: every alert answered
// with its default button and written to standard error, no panel ever
// confirmed.
#pragma once

#include <cstdio>

#include "DIALOG/CPlatform.h"

class CBenchPlatform : public CPlatform {
public:
    int alert(const std::string& title, const std::string& message, const std::vector<std::string>& buttons) override
    {
        std::fprintf(stderr, "%s %s [%s]\n", title.c_str(), message.c_str(), buttons.empty() ? "OK" : buttons.front().c_str());
        return 0;
    }
    bool openPanel(const std::string&, const std::string&, std::string&) override { return false; }
    bool savePanel(const CSavePanelRequest&, std::string&) override { return false; }
    bool folderPanel(const std::string&, std::string&) override { return false; }
};
