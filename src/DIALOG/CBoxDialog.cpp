// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBoxDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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
    kindOfBox = new QComboBox(this);
    kindOfBox->addItems({tr("Closed box"), tr("Periodic (bulk)")});
    form->addRow(tr("&Kind of box:"), kindOfBox);
    layout->addLayout(form);
    periodicNote = hintLabel(periodicBoxNote());
    layout->addWidget(periodicNote);
    auto* piston = pistonGroup = new QGroupBox(tr("Piston"), this);
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
    connect(kindOfBox, &QComboBox::currentIndexChanged, this, &CBoxDialog::showKindOfBox);
}

void CBoxDialog::showKindOfBox()
{
    const bool periodic = kindOfBox->currentIndex() == modeIndex(CBoundaries::periodic);
    pistonGroup->setEnabled(!periodic);
    periodicNote->setVisible(periodic);
}

void CBoxDialog::fill()
{
    CSimulation& s = Simulation;
    boxWidthField->setText(realText(2.0 * s.getHalfWidth()));
    kindOfBox->setCurrentIndex(modeIndex(s.getBoundaries()));
    showKindOfBox();
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
    const auto kind = static_cast<CBoundaries>(kindOfBox->currentIndex());
    // A closed box is closed before its width is set, a periodic one made
    // periodic after, so that each width meets the rules of the box it is for.
    bool ok = kind == CBoundaries::periodic || showOutcome(platform(), s.setBoundaries(kind));
    // The piston comes after the width, even a refused one, so that its
    // acceleration is worked out for the box that is in force.
    // A narrower box refits the atoms into it.
    if (ok)
        ok = [&] {
            CBusyCursor busy;
            return showOutcome(platform(), s.setHalfWidth(0.5 * width));
        }();
    if (ok && kind == CBoundaries::periodic) ok = showOutcome(platform(), s.setBoundaries(kind));
    s.setPistonUsed(appliedPressureBox->isChecked());
    s.setAppliedPressure(pressure);
    if (!showOutcome(platform(), s.setPistonMass(mass))) ok = false;
    if (ok) end(true);
}
