// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPotentialsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"

CPotentialsDialog::CPotentialsDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Potentials"), parent)
{
    auto* layout = new QVBoxLayout(this);
    use = new QCheckBox(tr("&Use the pair potentials (Lennard-Jones and Coulomb)"), this);
    layout->addWidget(use);
    contacts = new QCheckBox(tr("Con&tacts at the mean diameter"), this);
    contacts->setToolTip(tr("Atoms meet as hard cores at the mean of their diameters; off, the Lennard-Jones "
                            "potential alone keeps them apart."));
    layout->addWidget(contacts);

    auto* wells = new QGroupBox(tr("Lennard-Jones well depth between types (J)"), this);
    auto* grid = new QGridLayout(wells);
    for (int j = 0; j < CSimulation::kTypes; j++)
        grid->addWidget(columnName[j] = new QLabel(this), 0, j + 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Charge (C)"), this), 0, 7, Qt::AlignCenter);
    grid->setColumnMinimumWidth(6, 12);
    for (int i = 0; i < CSimulation::kTypes; i++) {
        grid->addWidget(colour[i] = swatch(i), i + 1, 0);
        grid->addWidget(name[i] = new QLabel(this), i + 1, 1);
        for (int j = i; j < CSimulation::kTypes; j++) grid->addWidget(LJ[i][j] = numberField(), i + 1, j + 2);
        grid->addWidget(charge[i] = numberField(), i + 1, 7);
    }
    layout->addWidget(wells);
    // Tab reads the table as it is made: along each row, its charge last.
    for (int i = 0; i < CSimulation::kTypes; i++) {
        for (int j = i; j < CSimulation::kTypes; j++) {
            LJ[i][j]->setAccessibleName(tr("Well depth %1-%2").arg(QChar('A' + i)).arg(QChar('A' + j)));
            CControlDescriptions::setRange(LJ[i][j], valueRules::kWellDepth);
        }
        charge[i]->setAccessibleName(tr("Charge of type %1").arg(QChar('A' + i)));
        CControlDescriptions::setRange(charge[i], valueRules::kCharge);
    }
    addButtons(layout);
}

void CPotentialsDialog::fill()
{
    CSimulation& s = Simulation;
    use->setChecked(s.getPotentialUsed());
    contacts->setChecked(s.getContactsUsed());
    for (int i = 0; i < CSimulation::kTypes; i++) {
        name[i]->setText(typeTitle(i));
        columnName[i]->setText(QString(QChar('A' + i)));
        updateSwatch(colour[i], i);
        for (int j = i; j < CSimulation::kTypes; j++) LJ[i][j]->setText(realText(s.getLJeps(i, j)));
        charge[i]->setText(realText(s.getCharge(i)));
    }
    use->setFocus();
}

void CPotentialsDialog::accept()
{
    double eps[modelLimits::kTypes][modelLimits::kTypes] = {}, q[modelLimits::kTypes];
    for (int i = 0; i < CSimulation::kTypes; i++)
        for (int j = i; j < CSimulation::kTypes; j++)
            if (!readInRange(LJ[i][j], tr("Well depth %1-%2").arg(QChar('A' + i)).arg(QChar('A' + j)),
                             valueRules::kWellDepth, eps[i][j]))
                return;
    for (int i = 0; i < CSimulation::kTypes; i++)
        if (!readInRange(charge[i], tr("Charge of type %1").arg(QChar('A' + i)), valueRules::kCharge, q[i])) return;
    CSimulation& s = Simulation;
    if (use->checkState() == Qt::Checked) s.setPotentialUsed(true);
    else if (use->checkState() == Qt::Unchecked) s.setPotentialUsed(false);
    // Pairs 00, 01, 02, 03, 11, 12, 13, 22, 23, 33; only the upper triangle is stored.
    for (int i = 0; i < CSimulation::kTypes; i++)
        for (int j = i; j < CSimulation::kTypes; j++) s.setLJeps(i, j, eps[i][j]);
    s.setContactsUsed(contacts->isChecked());
    // In a periodic box a charge on a type with atoms is refused, with why.
    bool ok = true;
    for (int i = 0; i < CSimulation::kTypes && ok; i++) ok = showOutcome(platform(), s.setCharge(i, q[i]));
    if (ok) end(true);
}
