// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTimingDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <thread>

#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"
#include "DIALOG/CEngineThreadsSetting.h"

CTimingDialog::CTimingDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("Timing"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Steps per display:"), ipdField = numberField());
    form->addRow(tr("&Time step (s):"), timeStepField = numberField());
    form->addRow(tr("&Real time between displays (s):"), realTimeBetweenDisplaysField = numberField());
    timeUnitButton = new QComboBox(this);
    timeUnitButton->addItems({tr("Seconds"), tr("Steps")});
    form->addRow(tr("Show elapsed time &in:"), timeUnitButton);
    // One thread per core at most: more would only wait for one another.
    const int cores = static_cast<int>(std::clamp<unsigned>(std::thread::hardware_concurrency(), 1,
                                                            modelLimits::kMaxEngineThreads));
    threadsField = new QSpinBox(this);
    threadsField->setRange(modelLimits::kAutomaticThreads, cores);
    threadsField->setSpecialValueText(tr("automatic"));
    threadsField->setAccessibleDescription(
        tr("The threads the engine steps with: automatic (every core of this computer) or 1 to %1. "
           "Every count gives the same results.")
            .arg(cores));
    form->addRow(tr("T&hreads:"), threadsField);
    layout->addLayout(form);
    CControlDescriptions::setRanges({{ipdField, valueRules::kStepsPerDisplay},
                                     {timeStepField, valueRules::kTimeStep},
                                     {realTimeBetweenDisplaysField, valueRules::kTimerInterval}});
    addButtons(layout);
}

void CTimingDialog::fill()
{
    CSimulation& s = Simulation;
    ipdField->setText(wholeText(s.getIPD()));
    timeStepField->setText(realText(s.getTimeStep()));
    realTimeBetweenDisplaysField->setText(realText(s.getRunTimerInterval(), "%.4f"));
    timeUnitButton->setCurrentIndex(modeIndex(s.getTimeUnit()));
    threadsField->setValue(s.getEngineThreads());
    ipdField->setFocus();
    ipdField->selectAll();
}

void CTimingDialog::accept()
{
    long long steps;
    double timeStep, interval;
    // A negative count would wrap round to some four billion steps per display,
    // and a very large one holds the window inside one tick.
    if (!readWhole(ipdField, tr("Steps per display"), steps, valueRules::kMinStepsPerDisplay,
                   valueRules::kMaxStepsPerDisplay))
        return;
    if (!readInRange(timeStepField, tr("Time step"), valueRules::kTimeStep, timeStep)) return;
    if (!readInRange(realTimeBetweenDisplaysField, tr("Real time between displays"), valueRules::kTimerInterval,
                     interval))
        return;
    if (timeStep != Simulation.getTimeStep() && !acceptTimeStep(timeStep)) {
        timeStepField->setFocus();
        timeStepField->selectAll();
        return;
    }
    CSimulation& s = Simulation;
    s.setIPD(static_cast<unsigned>(steps));
    s.setTimeStep(timeStep);
    s.setRunTimerInterval(interval);
    s.setTimeUnit(static_cast<CTimeUnit>(timeUnitButton->currentIndex()));
    // The spin box offers only counts the engine takes.
    if (s.setEngineThreads(threadsField->value())) engineThreadsSetting::store(s.getEngineThreads());
    end(true);
}
