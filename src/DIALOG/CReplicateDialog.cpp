// SPDX-License-Identifier: GPL-3.0-or-later
#include "CReplicateDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"

CReplicateDialog::CReplicateDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Export for LAMMPS"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Copies of the box along each edge (1 to %1):").arg(lammps::kMaxReplicate),
                 copiesField = numberField());
    layout->addLayout(form);
    atomsLabel = new QLabel(this);
    layout->addWidget(atomsLabel);
    auto* hint = hintLabel(tr("N x N x N copies in the same state, side by side in a box N times as wide.\n"
                              "Writes in.quorvel and data.quorvel; run with: lmp -in in.quorvel"));
    layout->addWidget(hint);
    connect(copiesField, &QLineEdit::textChanged, this, &CReplicateDialog::showAtomCount);
    addButtons(layout);
}

void CReplicateDialog::fill()
{
    confirmed = false;
    copiesField->setText(wholeText(copies));
    showAtomCount();
    copiesField->setFocus();
    copiesField->selectAll();
}

void CReplicateDialog::showAtomCount()
{
    bool ok = false;
    long long n = copiesField->text().trimmed().toLongLong(&ok);
    if (!ok || n < 1 || n > lammps::kMaxReplicate) {
        atomsLabel->setText(tr("Atoms in LAMMPS: -"));
        return;
    }
    atomsLabel->setText(tr("Atoms in LAMMPS: %1").arg(wholeText(Simulation.state().atoms.totalAtoms * n * n * n)));
}

void CReplicateDialog::accept()
{
    long long n;
    if (!readWhole(copiesField, tr("Copies along each edge"), n, 1, lammps::kMaxReplicate)) return;
    copies = static_cast<int>(n);
    confirmed = true;
    end(true);
}

void CReplicateDialog::cancel()
{
    confirmed = false;
    end(false);
}
