// SPDX-License-Identifier: GPL-3.0-or-later
#include "CFloorDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"

CFloorDialog::CFloorDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Floor"), parent)
{
    auto* layout = new QVBoxLayout(this);
    periodicNote = hintLabel(periodicBoxNote());
    layout->addWidget(periodicNote);
    auto* bath = new QGroupBox(tr("Heat bath"), this);
    bathGroup = bath;
    auto* bathForm = new QFormLayout(bath);
    floorTempUsed = new QCheckBox(tr("&Floor exchanges heat with a bath"), this);
    bathForm->addRow(floorTempUsed);
    bathForm->addRow(tr("Floor &temperature (K):"), floorTempField = numberField());
    layout->addWidget(bath);

    auto* potential = new QGroupBox(tr("Floor potential"), this);
    potentialGroup = potential;
    auto* grid = new QGridLayout(potential);
    floorPotentialUsed = new QCheckBox(tr("Floor &attracts atoms (Lennard-Jones)"), this);
    grid->addWidget(floorPotentialUsed, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Well depth (J)"), this), 1, 2);
    for (int t = 0; t < CSimulation::kTypes; t++) {
        grid->addWidget(colour[t] = swatch(t), t + 2, 0);
        grid->addWidget(name[t] = new QLabel(this), t + 2, 1);
        grid->addWidget(LJ[t] = numberField(), t + 2, 2);
        name[t]->setBuddy(LJ[t]);
        LJ[t]->setAccessibleName(tr("Floor well depth of type %1").arg(QChar('A' + t)));
    }
    layout->addWidget(potential);
    CControlDescriptions::setRange(floorTempField, valueRules::kFloorTemperature);
    for (QLineEdit* field : LJ) CControlDescriptions::setRange(field, valueRules::kWellDepth);
    addButtons(layout);
}

void CFloorDialog::fill()
{
    CSimulation& s = Simulation;
    floorTempUsed->setChecked(s.getFloorTempUsed());
    floorTempField->setText(realText(s.getFloorTemp()));
    floorPotentialUsed->setChecked(s.getFloorPotentialUsed());
    for (int t = 0; t < CSimulation::kTypes; t++) {
        name[t]->setText(typeTitle(t));
        updateSwatch(colour[t], t);
        LJ[t]->setText(realText(s.getLJepsFloor(t)));
    }
    const bool periodic = s.isPeriodic();
    periodicNote->setVisible(periodic);
    bathGroup->setEnabled(!periodic);
    potentialGroup->setEnabled(!periodic);
    floorTempUsed->setFocus();
}

void CFloorDialog::accept()
{
    double temperature, eps[modelLimits::kTypes];
    if (!readInRange(floorTempField, tr("Floor temperature"), valueRules::kFloorTemperature, temperature)) return;
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (!readInRange(LJ[t], tr("Floor well depth of type %1").arg(QChar('A' + t)), valueRules::kWellDepth, eps[t]))
            return;
    CSimulation& s = Simulation;
    s.setFloorTempUsed(floorTempUsed->isChecked());
    s.setFloorTemp(temperature);
    s.setFloorPotentialUsed(floorPotentialUsed->isChecked());
    for (int t = 0; t < CSimulation::kTypes; t++) s.setLJepsFloor(t, eps[t]);
    end(true);
}
