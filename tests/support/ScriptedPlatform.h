// SPDX-License-Identifier: GPL-3.0-or-later
// A platform whose alerts and panels answer from a script, and which records
// every alert it was shown.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "DIALOG/CPlatform.h"

struct CShownAlert {
    std::string title;
    std::string message;
    std::vector<std::string> buttons;
};

class ScriptedPlatform : public CPlatform {
public:
    std::vector<CShownAlert> alerts;
    std::deque<int> alertAnswers;           // button index per alert; default button when empty
    std::deque<std::string> openAnswers;    // chosen path; "" cancels
    std::deque<std::string> saveAnswers;    // chosen path; "" cancels
    std::vector<CSavePanelRequest> saveRequests;
    std::deque<std::string> folderAnswers;  // chosen folder; "" cancels
    double clock = 0.0;

    int alert(const std::string& title, const std::string& message, const std::vector<std::string>& buttons) override;
    bool openPanel(const std::string& title, const std::string& fileType, std::string& chosenPath) override;
    bool savePanel(const CSavePanelRequest& request, std::string& chosenPath) override;
    bool folderPanel(const std::string& title, std::string& chosenPath) override;
    double now() override { return clock; }
};
