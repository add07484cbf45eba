// SPDX-License-Identifier: GPL-3.0-or-later
// Simulation > New...: a whole new simulation from substances, counts, an
// arrangement, a density and a temperature, with a preview of what will be
// built. OK builds it aside and makes it the simulation only when it could
// be built; otherwise the reason is shown and nothing changes.
#pragma once

#include "CParameterDialog.h"
#include "SIM/build/CNewSimulation.h"
#include "SIM/model/CModelLimits.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

class CNewSimulationDialog : public CParameterDialog {
    Q_OBJECT
public:
    CNewSimulationDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent);
    // Keeps what was entered last time: a second new simulation is mostly the first one changed.
    void fill() override;
    // The description as the fields stand, or false with the field at fault
    // named in problem (no alert).
    bool readSpec(newSimulation::CSpec& spec, QString& problem) const;
    QString previewText() const;
    // Whether the last OK made a new simulation.
    bool built() const { return builtOne; }

public slots:
    void accept() override;

private:
    static constexpr int kTypes = modelLimits::kTypes;
    static constexpr int kMeasures = 4;
    QLabel* colour[kTypes];
    QComboBox* substance[kTypes];
    QSpinBox* count[kTypes];
    QLineEdit* diameter[kTypes];
    QLineEdit* mass[kTypes];
    QLineEdit* wellDepth[kTypes];
    QComboBox* arrangement;
    QLineEdit* measure[kMeasures];  // in CDensityMeasure's order
    newSimulation::CDensityMeasure given = newSimulation::CDensityMeasure::packingFraction;
    // Until a measure is typed, the box takes the default density of the
    // atoms and arrangement chosen, and every field follows it.
    bool densityTyped = false;
    QLineEdit* temperature;
    QSpinBox* seed;
    QCheckBox* pairPotentials;
    QCheckBox* floorAttraction;
    QCheckBox* floorBath;
    QLineEdit* floorTemperature;
    QCheckBox* piston;
    QCheckBox* periodic;
    QCheckBox* contacts;
    QLabel* periodicNote;
    QLabel* preview;
    bool builtOne = false;

    void substanceChosen(int t);
    // A periodic box has no floor and no piston: their switches are then not available.
    void showKindOfBox();
    // The measures not being typed follow the one that is, then the preview.
    void update();
};
