// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDisplaysDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"

CDisplaysDialog::CDisplaysDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Displays"), parent)
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
    CControlDescriptions::setRanges({{tcField, valueRules::kTimeConstant},
                                     {xmaxField, valueRules::kHistogramSpeed},
                                     {ymaxField, valueRules::kHistogramScale}});
    addButtons(layout);
}

void CDisplaysDialog::fill()
{
    CSimulation& s = Simulation;
    for (int row = 0; row < 3; row++) timingRow[row]->setChecked(row == modeIndex(s.getRecordType()));
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
    if (!readInRange(tcField, tr("Time constant"), valueRules::kTimeConstant, tc)) return;
    if (!readInRange(xmaxField, tr("Largest speed"), valueRules::kHistogramSpeed, xmax)) return;
    if (!readInRange(ymaxField, tr("Height of the histogram scale"), valueRules::kHistogramScale, ymax)) return;
    const int most = valueRules::kMaxHistogramExtent;
    if (!readWhole(histogramWidthField, tr("Histogram width"), width, valueRules::kMinHistogramWidth, most)) return;
    if (!readWhole(histogramHeightField, tr("Histogram height"), height, valueRules::kMinHistogramHeight, most)) return;
    CSimulation& s = Simulation;
    for (int row = 0; row < 3; row++)
        if (timingRow[row]->isChecked()) s.setRecordType(static_cast<CRecordKind>(row));
    s.setDisplayTimeConstant(tc);
    s.setGraphXmax(xmax);
    s.setGraphYmax(ymax);
    s.setHistogramWidth(static_cast<int>(width));
    s.setHistogramHeight(static_cast<int>(height));
    end(true);
}
