// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPlatform.h"

int ScriptedPlatform::alert(const std::string& title, const std::string& message,
                            const std::vector<std::string>& buttons)
{
    alerts.push_back({title, message, buttons});
    if (alertAnswers.empty()) return 0;
    int answer = alertAnswers.front();
    alertAnswers.pop_front();
    return answer;
}

bool ScriptedPlatform::openPanel(const std::string&, const std::string&, std::string& chosenPath)
{
    if (openAnswers.empty()) return false;
    chosenPath = openAnswers.front();
    openAnswers.pop_front();
    return !chosenPath.empty();
}

bool ScriptedPlatform::savePanel(const CSavePanelRequest& request, std::string& chosenPath)
{
    saveRequests.push_back(request);
    if (saveAnswers.empty()) return false;
    chosenPath = saveAnswers.front();
    saveAnswers.pop_front();
    return !chosenPath.empty();
}

bool ScriptedPlatform::folderPanel(const std::string&, std::string& chosenPath)
{
    if (folderAnswers.empty()) return false;
    chosenPath = folderAnswers.front();
    folderAnswers.pop_front();
    return !chosenPath.empty();
}
