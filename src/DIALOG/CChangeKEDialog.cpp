// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChangeKEDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"

CChangeKEDialog::CChangeKEDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Change Kinetic Energy"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Change of the total kinetic energy (J):"), changeKEField = numberField());
    layout->addLayout(form);
    auto* hint = hintLabel(tr("Shared equally among all atoms; an atom never goes below rest."));
    layout->addWidget(hint);
    CControlDescriptions::setRange(changeKEField, valueRules::kKineticEnergyChange);
    addButtons(layout);
}

void CChangeKEDialog::fill()
{
    changeKEField->setText(realText(change));
    changeKEField->setFocus();
    changeKEField->selectAll();
}

void CChangeKEDialog::accept()
{
    double amount;
    if (!readInRange(changeKEField, tr("Change of the kinetic energy"), valueRules::kKineticEnergyChange, amount))
        return;
    if (!acceptTimeStep(Simulation.getTimeStep(), amount)) {
        changeKEField->setFocus();
        changeKEField->selectAll();
        return;
    }
    change = amount;
    Simulation.changeKEnergy(change);
    end(true);
}
