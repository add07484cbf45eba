// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBoxDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "CBusyCursor.h"
#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"

CBoxDialog::CBoxDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Box"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("Box &width (m):"), boxWidthField = numberField());
    layout->addLayout(form);
    auto* piston = new QGroupBox(tr("Piston"), this);
    auto* pistonForm = new QFormLayout(piston);
    appliedPressureBox = new QCheckBox(tr("&Apply pressure with a piston"), this);
    pistonForm->addRow(appliedPressureBox);
    pistonForm->addRow(tr("Applied &pressure (Pa):"), appliedPressureField = numberField());
    pistonForm->addRow(tr("Piston &mass (kg):"), pistonMassField = numberField());
    layout->addWidget(piston);
    CControlDescriptions::setRanges({{boxWidthField, valueRules::kBoxWidth},
                                     {appliedPressureField, valueRules::kAppliedPressure},
                                     {pistonMassField, valueRules::kPistonMass}});
    addButtons(layout);
}

void CBoxDialog::fill()
{
    CSimulation& s = Simulation;
    boxWidthField->setText(realText(2.0 * s.getHalfWidth()));
    appliedPressureBox->setChecked(s.getPistonUsed());
    appliedPressureField->setText(realText(s.getAppliedPressure()));
    pistonMassField->setText(realText(s.getPistonMass()));
    boxWidthField->setFocus();
    boxWidthField->selectAll();
}

void CBoxDialog::accept()
{
    double width, pressure, mass;
    if (!readInRange(boxWidthField, tr("Box width"), valueRules::kBoxWidth, width)) return;
    if (!readInRange(appliedPressureField, tr("Applied pressure"), valueRules::kAppliedPressure, pressure)) return;
    if (!readInRange(pistonMassField, tr("Piston mass"), valueRules::kPistonMass, mass)) return;
    CSimulation& s = Simulation;
    // The piston comes after the width, even a refused one, so that its
    // acceleration is worked out for the box that is in force.
    // A narrower box refits the atoms into it.
    bool ok = [&] {
        CBusyCursor busy;
        return showOutcome(platform(), s.setHalfWidth(0.5 * width));
    }();
    s.setPistonUsed(appliedPressureBox->isChecked());
    s.setAppliedPressure(pressure);
    if (!showOutcome(platform(), s.setPistonMass(mass))) ok = false;
    if (ok) end(true);
}
