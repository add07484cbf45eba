// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAtomNumbersDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <climits>

#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"

CAtomNumbersDialog::CAtomNumbersDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Number of Atoms"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Type"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Atoms (at most %1)").arg(CSimulation::kMaxPerType), this), 0, 2);
    for (int t = 0; t < CSimulation::kTypes; t++) {
        grid->addWidget(colour[t] = swatch(t), t + 1, 0);
        grid->addWidget(nameField[t] = new QLabel(this), t + 1, 1);
        grid->addWidget(numberField[t] = CParameterDialog::numberField(), t + 1, 2);
        nameField[t]->setBuddy(numberField[t]);
        numberField[t]->setAccessibleName(tr("Number of atoms of type %1").arg(QChar('A' + t)));
    }
    layout->addLayout(grid);
    addButtons(layout);
}

void CAtomNumbersDialog::fill()
{
    for (int t = 0; t < CSimulation::kTypes; t++) {
        nameField[t]->setText(typeTitle(t));
        updateSwatch(colour[t], t);
        numberField[t]->setText(wholeText(Simulation.getNumber(t)));
    }
    numberField[0]->setFocus();
    numberField[0]->selectAll();
}

void CAtomNumbersDialog::accept()
{
    long long n[modelLimits::kTypes];
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (!readWhole(numberField[t], tr("Number of atoms of type %1").arg(typeTitle(t)), n[t], 0, INT_MAX))
            return;
    // Every count is applied even when an earlier one was refused; the
    // dialog stays open for the refused one.
    bool ok = true;
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (!setNumber(t, static_cast<int>(n[t]))) ok = false;
    if (ok) end(true);
}

// More than a type holds is asked about first; atoms that found no room
// after, keeping those that did unless the person takes them back.
bool CAtomNumbersDialog::setNumber(int t, int n)
{
    COutcome outcome = Simulation.setNumber(t, n);
    if (outcome.isQuestion() && !outcome.workKept()) {
        if (askOutcome(platform(), outcome) != 0) return false;
        outcome = Simulation.setNumber(t, n, true);
    }
    if (!outcome.workKept()) return showOutcome(platform(), outcome);
    if (askOutcome(platform(), outcome) == 0) return true;
    Simulation.takeBackPartialWork();
    return false;
}
