// SPDX-License-Identifier: GPL-3.0-or-later
// The platform of the fuzz targets: every alert answered with its default
// button, no panel ever confirmed, nothing printed.
#pragma once

#include "SIM/model/CPlatform.h"

class CFuzzPlatform : public CPlatform {
public:
    int alert(const std::string&, const std::string&, const std::vector<std::string>&) override { return 0; }
    bool openPanel(const std::string&, const std::string&, std::string&) override { return false; }
    bool savePanel(const CSavePanelRequest&, std::string&) override { return false; }
    bool folderPanel(const std::string&, std::string&) override { return false; }
};
