// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls panel: setting a value as a person's change, saying what its
// rule answered, and heating or cooling while a button is held.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <cmath>

#include "CControlsPanel.h"
#include "CDocument.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CPhysicalConstants.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"

namespace {
// Every digit, so the value set is the value meant.
std::string exactText(double x) { return QString::number(x, 'g', 17).toStdString(); }

// What a person typed, as the parameter table reads it: a number in this
// locale's way of writing it becomes one in the table's; anything else is
// passed on for the table to refuse with its message.
std::string typedText(const QString& typed)
{
    bool ok = false;
    const double x = QLocale().toDouble(typed.trimmed(), &ok);
    return ok ? exactText(x) : typed.trimmed().toStdString();
}

// Three significant digits: a slider's values read as a person would set them.
double rounded(double x) { return x > 0.0 ? QString::number(x, 'g', 3).toDouble() : x; }
}  // namespace

bool CControlsPanel::apply(const std::string& parameter, const std::string& text, const QString& step, int gesture,
                           bool accepted)
{
    parameters::CParameterRef ref;
    if (!parameters::find(parameter, ref).empty()) return false;
    COutcome outcome;
    const auto change = [&](QString&) {
        outcome = parameters::set(simulation, ref, text, accepted);
        return bool(outcome);
    };
    const bool applied = gesture != 0 ? document.recordGestureChange(step, gesture, change, CDocument::parameters)
                                      : document.recordChange(step, change, CDocument::parameters);
    if (outcome.isQuestion()) {
        questionParameter = parameter;
        questionText = text;
        questionStep = step;
    }
    say(outcome);
    // A value refused leaves the controls showing what is held.
    if (!applied) showValues();
    return applied;
}

void CControlsPanel::say(const COutcome& outcome)
{
    const bool asks = outcome.isQuestion() && !outcome.choices().empty();
    messageText->setText(QString::fromStdString(outcome.message()));
    messageText->setVisible(!outcome && !outcome.message().empty());
    if (asks) acceptButton->setText(QCoreApplication::translate("CQtPlatform", outcome.choices().front().c_str()));
    acceptButton->setVisible(asks);
}

void CControlsPanel::applySlider(CSliderField& control, const QString& step)
{
    const double x = rounded(control.scale.value(control.slider->value()));
    const bool whole = std::string(control.parameter) == "steps-per-display";
    apply(control.parameter, whole ? std::to_string(std::lround(x)) : exactText(x), step, control.gesture);
}

void CControlsPanel::applyField(CSliderField& control, const QString& step)
{
    if (!control.field->isModified()) return;
    control.field->setModified(false);
    const QString typed = control.field->text();
    if (apply(control.parameter, typedText(typed), step)) return;
    // What was typed stays, to be put right.
    control.field->setText(typed);
    control.field->selectAll();
}

void CControlsPanel::applyWellFactor()
{
    if (wellType < 0) return;
    const double factor = std::round(wellFactor.scale.value(wellFactor.slider->value()) * 100.0) / 100.0;
    const QChar type('A' + wellType);
    wellSet = wellBase * factor;
    apply("well-depth." + std::string(2, char('A' + wellType)), exactText(wellSet), tr("Well Depth %1-%1").arg(type),
          wellFactor.gesture);
}

void CControlsPanel::applyReadout(const char* parameter, int index)
{
    parameters::CParameterRef ref;
    parameters::find(parameter, ref);
    COutcome outcome;
    // As the Display menu's commands: how the readouts are shown, no step of the history.
    document.adjust(CDocument::display,
                    [&] { outcome = parameters::set(simulation, ref, ref.parameter->choices.at(std::size_t(index))); });
    say(outcome);
}

void CControlsPanel::holdStarted(int direction)
{
    holdDirection = direction;
    holdGesture = document.newGesture();
    holdClock.start();
    holdTimer.start();
}

void CControlsPanel::holdTick()
{
    if (holdDirection == 0) return;
    const double seconds = std::min(0.5, holdClock.restart() / 1000.0);
    const CAtoms& atoms = simulation.state().atoms;
    if (atoms.totalAtoms == 0 || seconds <= 0.0) return;
    double kinetic = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) kinetic += atoms.aKEnergy[t][i];
    // Atoms at rest warm as if each had the energy of a kelvin.
    const double atRest = atoms.totalAtoms * 1.5 * quorvel::kBoltzmann;
    const double deltaE =
        holdDirection > 0 ? kHoldRate * std::max(kinetic, atRest) * seconds : -kHoldRate * kinetic * seconds;
    if (deltaE == 0.0) return;
    if (const COutcome question = parameters::timeStepQuestion(simulation, simulation.getTimeStep(), deltaE);
        question.isQuestion()) {
        // As the dialog, no heat that the time step cannot follow: the
        // warning says so, and the time step is the person's to shorten.
        say(COutcome::refused(question.title(), question.message()));
        holdTimer.stop();
        holdDirection = 0;
        return;
    }
    const bool applied = document.recordGestureChange(
        holdDirection > 0 ? tr("Heat") : tr("Cool"), holdGesture,
        [&](QString&) { return simulation.changeKEnergy(deltaE); }, CDocument::atoms);
    say(applied ? COutcome{}
                : COutcome::refused("Alert.", valueRules::rangeMessage("The change of the kinetic energy",
                                                                       valueRules::kKineticEnergyChange)));
}

void CControlsPanel::holdEnded()
{
    holdTimer.stop();
    holdTick();  // the time held since the last tick
    holdDirection = 0;
    holdGesture = 0;
}
