// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSimulationPanels.h"

#include <string>

#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"

bool requestOpenPath(CPlatform& platform, CSimulation& simulation)
{
    std::string chosen;
    if (!platform.openPanel("Open Simulation 'txt' File...", "txt", chosen)) return false;
    simulation.setOpenPath(chosen);
    return true;
}

bool requestSavePath(CPlatform& platform, CSimulation& simulation)
{
    const std::string& savePath = simulation.getSavePath();
    std::string suggestedName = savePath.empty() ? "SIMULATION.txt" : CSimulation::fileNameOfPath(savePath);
    CSavePanelRequest request{"Save Simulation 'txt' File As...", "File Name: ", "txt", suggestedName};
    std::string chosen;
    if (!platform.savePanel(request, chosen)) return false;
    simulation.setSavePath(chosen);
    return true;
}
