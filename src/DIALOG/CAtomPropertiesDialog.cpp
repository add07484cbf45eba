// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAtomPropertiesDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "CBusyCursor.h"
#include "CColorButton.h"
#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"

CAtomPropertiesDialog::CAtomPropertiesDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Atom Properties"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const QString heads[5] = {tr("Type"), tr("Name"), tr("Diameter (m)"), tr("Mass (kg)"), tr("Colour")};
    for (int c = 0; c < 5; c++) grid->addWidget(new QLabel(heads[c], this), 0, c);
    for (int t = 0; t < CSimulation::kTypes; t++) {
        grid->addWidget(new QLabel(QString(QChar('A' + t)), this), t + 1, 0, Qt::AlignCenter);
        grid->addWidget(nameField[t] = new QLineEdit(this), t + 1, 1);
        grid->addWidget(diamField[t] = numberField(), t + 1, 2);
        grid->addWidget(massField[t] = numberField(), t + 1, 3);
        grid->addWidget(colorField[t] = new CColorButton(this), t + 1, 4);
        // A screen reader names each cell of the table by its column and row.
        const QChar letter('A' + t);
        nameField[t]->setAccessibleName(tr("Name of type %1").arg(letter));
        diamField[t]->setAccessibleName(tr("Diameter of type %1").arg(letter));
        massField[t]->setAccessibleName(tr("Mass of type %1").arg(letter));
        colorField[t]->setAccessibleName(tr("Colour of type %1").arg(letter));
    }
    // Across a row first, then down to the next type.
    QWidget* previous = nullptr;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (QWidget* w : {static_cast<QWidget*>(nameField[t]), static_cast<QWidget*>(diamField[t]),
                           static_cast<QWidget*>(massField[t]), static_cast<QWidget*>(colorField[t])}) {
            if (previous) setTabOrder(previous, w);
            previous = w;
        }
    layout->addLayout(grid);
    for (int t = 0; t < CSimulation::kTypes; t++)
        CControlDescriptions::setRanges({{diamField[t], valueRules::kDiameter}, {massField[t], valueRules::kMass}});
    addButtons(layout);
}

void CAtomPropertiesDialog::fill()
{
    for (int t = 0; t < CSimulation::kTypes; t++) {
        nameField[t]->setText(QString::fromStdString(Simulation.getName(t)));
        diamField[t]->setText(realText(Simulation.getDiam(t)));
        massField[t]->setText(realText(Simulation.getMass(t)));
        colorField[t]->setComponents(Simulation.getRed(t), Simulation.getGreen(t), Simulation.getBlue(t));
    }
    nameField[0]->setFocus();
}

void CAtomPropertiesDialog::accept()
{
    double d[modelLimits::kTypes], m[modelLimits::kTypes];
    for (int t = 0; t < CSimulation::kTypes; t++) {
        const QString letter(QChar('A' + t));
        // Simulation files are 7-bit text; a name outside it could not be saved.
        for (QChar c : nameField[t]->text())
            if (c.unicode() < 0x20 || c.unicode() > 0x7e)
                return void(refuse(nameField[t], tr("Name of type %1: use plain ASCII letters, digits and "
                                                    "punctuation only (\"%2\" cannot be saved).")
                                                     .arg(letter, QString(c))));
        // Refused rather than cut: a field's length limit would shorten a pasted name without a word.
        const QString name = nameField[t]->text();
        if (name.size() > CSimulation::kMaxNameLength && name.toStdString() != Simulation.getName(t))
            return void(refuse(nameField[t], tr("Name of type %1: at most %2 characters (this one has %3).")
                                                 .arg(letter)
                                                 .arg(CSimulation::kMaxNameLength)
                                                 .arg(name.size())));
        if (!readInRange(diamField[t], tr("Diameter of type %1").arg(letter), valueRules::kDiameter, d[t])) return;
        if (!readInRange(massField[t], tr("Mass of type %1").arg(letter), valueRules::kMass, m[t])) return;
    }
    for (int t = 0; t < CSimulation::kTypes; t++) Simulation.setName(t, nameField[t]->text().toStdString());
    // A diameter the box cannot hold is refused with the simulation's alert;
    // everything else is applied all the same and the dialog stays open.
    // A wider type refits the atoms to make room for it.
    bool ok = true;
    {
        CBusyCursor busy;
        for (int t = 0; t < CSimulation::kTypes; t++)
            if (!showOutcome(platform(), Simulation.setDiam(t, d[t]))) ok = false;
    }
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (!showOutcome(platform(), Simulation.setMass(t, m[t]))) ok = false;
    for (int t = 0; t < CSimulation::kTypes; t++) {
        Simulation.setRed(t, colorField[t]->red());
        Simulation.setGreen(t, colorField[t]->green());
        Simulation.setBlue(t, colorField[t]->blue());
    }
    if (ok) end(true);
}
