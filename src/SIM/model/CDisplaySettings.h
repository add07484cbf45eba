// SPDX-License-Identifier: GPL-3.0-or-later
// How the simulation is shown, as its file stores it: the view, the status
// and graph switches, the graph's ranges, the window's size and the box's
// drawing.
#pragma once

#include "BASE/CView.h"
#include "SIM/model/CSimulationDefaults.h"

struct CDisplaySettings {
    CView View;
    bool stateDisplayFlag = simulationDefaults::kStateDisplay;
    bool energyDiffDisplayFlag = simulationDefaults::kEnergyDiffDisplay;
    bool numericDisplayFlag = simulationDefaults::kNumericDisplay;
    bool graphDisplayFlag = simulationDefaults::kGraphDisplay;
    bool axesShowFlag = simulationDefaults::kAxesShow;
    int displayTextSize = 0;
    double xmin = 0.0, xmax = simulationDefaults::kGraphXmax, ymin = 0.0, ymax = simulationDefaults::kGraphYmax;
    int histogramWidth = simulationDefaults::kHistogramWidth, histogramHeight = simulationDefaults::kHistogramHeight;
    int aspectRatioIndex = 0;
    float windowWidth = simulationDefaults::kWindowWidth, windowHeight = simulationDefaults::kWindowHeight;
    bool boxShowFlag = simulationDefaults::kBoxShow;
    bool boxShowShadowFlag = simulationDefaults::kBoxShowShadow;
    bool boxFloorShowFlag = simulationDefaults::kBoxFloorShow;
};
