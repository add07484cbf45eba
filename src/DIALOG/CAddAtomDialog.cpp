// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAddAtomDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"

CAddAtomDialog::CAddAtomDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Add Atom"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    typePopupButton = new QComboBox(this);
    form->addRow(tr("Atom &type:"), typePopupButton);
    QLineEdit** fields[6] = {&xField, &yField, &zField, &vxField, &vyField, &vzField};
    const QString labels[6] = {tr("&x (m):"), tr("&y (m):"), tr("&z (m):"),
                               tr("v&x (m/s):"), tr("v&y (m/s):"), tr("v&z (m/s):")};
    for (int k = 0; k < 6; k++) form->addRow(labels[k], *fields[k] = numberField());
    layout->addLayout(form);
    addButtons(layout);
}

void CAddAtomDialog::fill()
{
    typePopupButton->clear();
    for (int t = 0; t < CSimulation::kTypes; t++) typePopupButton->addItem(typeTitle(t));
    typePopupButton->setCurrentIndex(type);
    for (QLineEdit* field : {xField, yField, zField, vxField, vyField, vzField}) field->setText(realText(0.0));
    typePopupButton->setFocus();
}

void CAddAtomDialog::accept()
{
    type = typePopupButton->currentIndex();
    double v[6];
    QLineEdit* fields[6] = {xField, yField, zField, vxField, vyField, vzField};
    const QString names[6] = {tr("x"), tr("y"), tr("z"), tr("vx"), tr("vy"), tr("vz")};
    for (int k = 0; k < 6; k++)
        if (k < 3 ? !readReal(fields[k], names[k], v[k])
                  : !readInRange(fields[k], names[k], valueRules::kVelocity, v[k]))
            return;
    // A type that is full is refused by the simulation with its own alert;
    // the dialog stays open so that another type can be chosen.
    if (!showOutcome(platform(), Simulation.addOneAtomAtLocationWithVelocity(type, v[0], v[1], v[2], v[3], v[4], v[5]))) return;
    // The new slot holds the acceleration and energies of whatever atom had
    // it before; the energy account must include the atom as entered, or
    // conservation would rescale its velocity to a stale energy.
    Simulation.restartEnergiesAndAverages();
    end(true);
}
