// SPDX-License-Identifier: GPL-3.0-or-later
#include "CEditAtomDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"

namespace {
const QString kNotApplicable = QStringLiteral("NA");
}

CEditAtomDialog::CEditAtomDialog(CSimulation& simulation, CPlatform& platform, std::function<void()> redraw, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Edit Atoms"), parent), redraw(std::move(redraw))
{
    auto* layout = new QVBoxLayout(this);
    selectedField = new QLabel(this);
    QFont bold = selectedField->font();
    bold.setBold(true);
    selectedField->setFont(bold);
    layout->addWidget(selectedField);
    locationField = new QLabel(this);
    auto* form = new QFormLayout;
    form->addRow(locationField);
    QLineEdit** fields[6] = {&xField, &yField, &zField, &vxField, &vyField, &vzField};
    const QString labels[6] = {tr("&x (m):"), tr("&y (m):"), tr("&z (m):"),
                               tr("v&x (m/s):"), tr("v&y (m/s):"), tr("v&z (m/s):")};
    for (int k = 0; k < 6; k++) {
        form->addRow(labels[k], *fields[k] = numberField());
        connect(*fields[k], &QLineEdit::editingFinished, this, &CEditAtomDialog::tabOut);
    }
    auto* hint = hintLabel(tr("Velocities left at NA stay as they are."));
    form->addRow(hint);
    layout->addLayout(form);
    addButtons(layout);
}

void CEditAtomDialog::fill()
{
    CSimulation& s = Simulation;
    QLineEdit* place[3] = {xField, yField, zField};
    QLineEdit* speed[3] = {vxField, vyField, vzField};
    const int n = s.countSelected();
    if (n == 0) {
        selectedField->setText(QStringLiteral("NO SELECTION"));
        locationField->setText(QStringLiteral("location"));
        for (QLineEdit* f : {xField, yField, zField, vxField, vyField, vzField}) f->setText(kNotApplicable);
    } else if (n == 1) {
        selectedField->setText(QStringLiteral("1 ATOM SELECTED"));
        locationField->setText(QStringLiteral("location"));
        for (int k = 0; k < 3; k++) {
            place[k]->setText(realText(s.getSelectedLocation(k)));
            speed[k]->setText(realText(s.getSelectedVelocity(k)));
        }
    } else {
        selectedField->setText(QStringLiteral("%1 ATOMS SELECTED").arg(n));
        s.calculateCentroid();
        s.saveCentroid();
        locationField->setText(QStringLiteral("center of mass"));
        for (int k = 0; k < 3; k++) {
            place[k]->setText(realText(s.getSelectedCentroid(k)));
            speed[k]->setText(kNotApplicable);
        }
    }
    for (QLineEdit* f : {xField, yField, zField, vxField, vyField, vzField}) {
        f->setEnabled(n > 0);
        f->setModified(false);
    }
    s.saveSelectedLocations();
    applied = false;
    xField->setFocus();
}

// Reads every field the selection uses before changing anything, so a
// mistyped field leaves the atoms as they were.
bool CEditAtomDialog::applyFields()
{
    CSimulation& s = Simulation;
    QLineEdit* fields[6] = {xField, yField, zField, vxField, vyField, vzField};
    const QString names[6] = {tr("x"), tr("y"), tr("z"), tr("vx"), tr("vy"), tr("vz")};
    const int n = s.countSelected();
    if (n == 0) return true;
    double v[6] = {};
    bool given[6] = {true, true, true, true, true, true};
    for (int k = 0; k < 6; k++) {
        if (n >= 2 && k >= 3 && fields[k]->text().trimmed() == kNotApplicable) {
            given[k] = false;
            continue;
        }
        if (k < 3 ? !readReal(fields[k], names[k], v[k])
                  : !readInRange(fields[k], names[k], valueRules::kVelocity, v[k]))
            return false;
    }
    if (n == 1) {
        s.setSelectedLocation(v[0], v[1], v[2]);
        for (int axis = 0; axis < 3; axis++) s.setSelectedVelocity(axis, v[3 + axis]);
    } else {
        s.setSelectedCentroid(v[0], v[1], v[2]);
        s.calculateCentroid();
        for (int axis = 0; axis < 3; axis++)
            if (given[3 + axis]) s.setSelectedCentroidVelocity(axis, v[3 + axis]);
    }
    applied = true;
    return true;
}

void CEditAtomDialog::tabOut()
{
    if (applying || !isVisible()) return;
    applying = true;
    applyFields();
    applying = false;
    if (redraw) redraw();
}

void CEditAtomDialog::accept()
{
    if (applying) return;
    applying = true;
    const bool ok = applyFields();
    applying = false;
    if (!ok) return;
    Simulation.initSimulationEnergies();
    end(true);
}

void CEditAtomDialog::cancel()
{
    Simulation.revertSelectedLocations();
    // Velocities set while the dialog was open stay; their energies are
    // booked so that conservation does not scale them back to the old ones.
    if (applied) Simulation.initSimulationEnergies();
    end(false);
}
