// SPDX-License-Identifier: GPL-3.0-or-later
// The services of the desktop that talk to the person: alert panels, the
// open, save and folder panels, and the clock the simulation is given. The
// desktop shell installs its own; tests install a scripted one.
#pragma once

#include <string>
#include <vector>

#include "SIM/model/CClock.h"

struct CSavePanelRequest {
    std::string title;
    std::string nameFieldLabel;
    std::string requiredFileType;
    std::string proposedName;
    std::string fileTypeDescription = {};  // names the file type in the panel's filter; empty: simulation files
};

// The answer of an alert that changes nothing ("No", "Cancel", or "Revert",
// which keeps the old value), else the last button: what Escape and the
// close box give.
inline int safeAlertAnswer(const std::vector<std::string>& buttons)
{
    for (size_t k = 0; k < buttons.size(); k++)
        if (buttons[k] == "No" || buttons[k] == "Cancel" || buttons[k] == "Revert") return static_cast<int>(k);
    return buttons.empty() ? 0 : static_cast<int>(buttons.size()) - 1;
}

class CPlatform : public CClock {
public:
    // Shows a modal alert; returns the index of the button pressed (0 is the default button).
    virtual int alert(const std::string& title, const std::string& message,
                      const std::vector<std::string>& buttons) = 0;
    // Modal open panel for one file of the given type; true when confirmed.
    virtual bool openPanel(const std::string& title, const std::string& fileType, std::string& chosenPath) = 0;
    // Modal save panel; true when confirmed.
    virtual bool savePanel(const CSavePanelRequest& request, std::string& chosenPath) = 0;
    // Modal panel choosing a folder (the user may make a new one); true when confirmed.
    virtual bool folderPanel(const std::string& title, std::string& chosenPath) = 0;
};

// Counts the modal panels and dialogs that are open. A desktop toolkit keeps
// firing timers inside their nested event loops; a native file panel is not
// a modal widget of the toolkit, so asking the toolkit alone would miss it.
// Kept here, beside the services that open panels, so dialogs and the shell
// count through the same scope without knowing each other.
class CModalScope {
public:
    CModalScope() { ++depth; }
    ~CModalScope() { --depth; }
    CModalScope(const CModalScope&) = delete;
    CModalScope& operator=(const CModalScope&) = delete;
    static int openCount() { return depth; }

private:
    static inline int depth = 0;
};
