// SPDX-License-Identifier: GPL-3.0-or-later
#include "CEnergyDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "SIM/model/CSimulation.h"

CEnergyDialog::CEnergyDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Energy"), parent)
{
    auto* layout = new QVBoxLayout(this);
    enforceCOE = new QCheckBox(tr("&Conserve energy (rescale speeds after each step)"), this);
    layout->addWidget(enforceCOE);
    addButtons(layout);
}

void CEnergyDialog::fill()
{
    enforceCOE->setChecked(Simulation.getConserve());
    enforceCOE->setFocus();
}

void CEnergyDialog::accept()
{
    Simulation.setConserve(enforceCOE->isChecked());
    end(true);
}
