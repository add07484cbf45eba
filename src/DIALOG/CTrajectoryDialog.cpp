// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTrajectoryDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CTrajectoryDialog::CTrajectoryDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Record Trajectory"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    formatBox = new QComboBox(this);
    formatBox->addItem(tr("Extended XYZ (.xyz): OVITO, ASE, VMD"));
    formatBox->addItem(tr("LAMMPS dump (.lammpstrj): with Export for LAMMPS's data file"));
    form->addRow(tr("&Format:"), formatBox);
    form->addRow(tr("A frame &every (displays, 1 to %1):").arg(kMaxEvery), everyField = numberField());
    layout->addLayout(form);
    auto* hint = hintLabel(tr("The first frame is the state now. Positions in Angstrom, velocities in "
                              "Angstrom/ps, time in ps.\nEach frame is on disk as soon as it is written."));
    layout->addWidget(hint);
    addButtons(layout);
}

void CTrajectoryDialog::fill()
{
    confirmed = false;
    formatBox->setCurrentIndex(format == CTrajectoryFormat::lammpsDump ? 1 : 0);
    everyField->setText(wholeText(every));
    everyField->setFocus();
    everyField->selectAll();
}

void CTrajectoryDialog::accept()
{
    long long n;
    if (!readWhole(everyField, tr("A frame every"), n, 1, kMaxEvery)) return;
    every = static_cast<unsigned>(n);
    format = formatBox->currentIndex() == 1 ? CTrajectoryFormat::lammpsDump : CTrajectoryFormat::extendedXyz;
    confirmed = true;
    end(true);
}

void CTrajectoryDialog::cancel()
{
    confirmed = false;
    end(false);
}
