// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/model/CPlatform.h"

#include <chrono>
#include <cstdio>

double CPlatform::now()
{
    constexpr double referenceDateOffset = 978307200.0;  // 2001-01-01 in Unix seconds
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() -
           referenceDateOffset;
}

int CConsolePlatform::alert(const std::string& title, const std::string& message,
                            const std::vector<std::string>& buttons)
{
    std::fprintf(stderr, "%s %s [%s]\n", title.c_str(), message.c_str(),
                 buttons.empty() ? "OK" : buttons.front().c_str());
    return 0;
}

int safeAlertAnswer(const std::vector<std::string>& buttons)
{
    for (size_t k = 0; k < buttons.size(); k++)
        if (buttons[k] == "No" || buttons[k] == "Cancel" || buttons[k] == "Revert") return static_cast<int>(k);
    return buttons.empty() ? 0 : static_cast<int>(buttons.size()) - 1;
}
