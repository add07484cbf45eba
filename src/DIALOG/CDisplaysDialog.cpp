// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDisplaysDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "SIM/CSimulation.h"
#include "SIM/CValueRules.h"

CDisplaysDialog::CDisplaysDialog(CSimulation& simulation, QWidget* parent)
    : CParameterDialog(simulation, tr("Displays"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* values = new QGroupBox(tr("Values shown"), this);
    auto* rows = new QVBoxLayout(values);
    updateTiming = new QButtonGroup(this);
    const QString titles[3] = {tr("&Instantaneous"), tr("&Time-constant averages"), tr("&Accumulated averages")};
    for (int row = 0; row < 3; row++) {
        timingRow[row] = new QRadioButton(titles[row], this);
        updateTiming->addButton(timingRow[row], row);
        rows->addWidget(timingRow[row]);
    }
    auto* form = new QFormLayout;
    form->addRow(tr("Time &constant (steps):"), tcField = numberField());
    rows->addLayout(form);
    layout->addWidget(values);

    auto* graph = new QGroupBox(tr("Speed histogram"), this);
    auto* graphForm = new QFormLayout(graph);
    graphForm->addRow(tr("Largest &speed (m/s):"), xmaxField = numberField());
    graphForm->addRow(tr("&Height of the scale (atoms per bin):"), ymaxField = numberField());
    graphForm->addRow(tr("&Width (pixels):"), histogramWidthField = numberField());
    graphForm->addRow(tr("H&eight (pixels):"), histogramHeightField = numberField());
    layout->addWidget(graph);
    addButtons(layout);
}

void CDisplaysDialog::fill()
{
    CSimulation& s = Simulation;
    for (int row = 0; row < 3; row++) timingRow[row]->setChecked(row == s.getRecordType());
    tcField->setText(realText(s.getDisplayTimeConstant()));
    xmaxField->setText(realText(s.getGraphXmax()));
    ymaxField->setText(realText(s.getGraphYmax(), "%.2f"));
    histogramWidthField->setText(wholeText(s.getHistogramWidth()));
    histogramHeightField->setText(wholeText(s.getHistogramHeight()));
    if (QAbstractButton* on = updateTiming->checkedButton()) on->setFocus();
}

void CDisplaysDialog::accept()
{
    double tc, xmax, ymax;
    long long width, height;
    if (!readReal(tcField, tr("Time constant"), tc)) return;
    if (!valueRules::isTimeConstant(tc)) return void(refuse(tcField, tr("Time constant must be at least 1 step.")));
    if (!readReal(xmaxField, tr("Largest speed"), xmax)) return;
    if (!valueRules::isHistogramSpeed(xmax))
        return void(refuse(xmaxField, tr("Largest speed must be greater than zero.")));
    if (!readReal(ymaxField, tr("Height of the histogram scale"), ymax)) return;
    if (!valueRules::isHistogramScale(ymax))
        return void(refuse(ymaxField, tr("Height of the histogram scale must be greater than zero.")));
    const int most = valueRules::kMaxHistogramExtent;
    if (!readWhole(histogramWidthField, tr("Histogram width"), width, 0, most)) return;
    if (!readWhole(histogramHeightField, tr("Histogram height"), height, 0, most)) return;
    CSimulation& s = Simulation;
    for (int row = 0; row < 3; row++)
        if (timingRow[row]->isChecked()) s.setRecordType(row);
    s.setDisplayTimeConstant(tc);
    s.setGraphXmax(xmax);
    s.setGraphYmax(ymax);
    s.setHistogramWidth(static_cast<int>(width));
    s.setHistogramHeight(static_cast<int>(height));
    end(true);
}
