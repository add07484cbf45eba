// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls panel: its groups of controls, in the order Tab reaches them,
// and how each shows what the document holds.
#include "CControlsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "CDocument.h"
#include "DIALOG/CParameterDialog.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CSimulation.h"
#include "DIALOG/CControlDescriptions.h"

double CSliderScale::value(int position) const
{
    const double f = std::clamp(position, 0, kSliderSteps) / double(kSliderSteps);
    if (!logarithmic) return low + f * (high - low);
    if (zeroAtStart && position <= 0) return 0.0;
    return low * std::pow(high / low, f);
}

int CSliderScale::position(double value) const
{
    double f = 0.0;
    if (!logarithmic) f = (value - low) / (high - low);
    else if (value > 0.0) f = std::log(value / low) / std::log(high / low);
    // The first position above zero holds the values from zero to low.
    int p = static_cast<int>(std::lround(f * kSliderSteps));
    if (logarithmic && zeroAtStart && value > 0.0) p = std::max(p, 1);
    return std::clamp(p, 0, kSliderSteps);
}

namespace {
// A number as the fields show it and read it back.
QString numberText(double x) { return QString::number(x, 'g', 6); }

QGroupBox* group(QVBoxLayout* layout, const QString& title, QFormLayout*& form)
{
    auto* box = new QGroupBox(title);
    form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addWidget(box);
    return box;
}
}  // namespace

CControlsPanel::CControlsPanel(CDocument& document, QWidget* parent)
    : QWidget(parent), document(document), simulation(document.Simulation)
{
    setObjectName(QStringLiteral("controlsPanel"));
    buildGroups();
    CControlDescriptions::describeControls(this);
    holdTimer.setInterval(kHoldTickMs);
    connect(&holdTimer, &QTimer::timeout, this, &CControlsPanel::holdTick);
    document.onAnyChange(this, [this] { showValues(); });
    // The speeds the time step must suit change as the run goes.
    connect(&document, &CDocument::displayDone, this, &CControlsPanel::showTimeStepWarning);
    showValues();
}

CControlsPanel::~CControlsPanel()
{
    // The controls outlive this part of the panel a moment: what they say
    // as they go (a field losing the focus) is no change to make.
    for (QWidget* control : findChildren<QWidget*>()) control->disconnect(this);
}

CControlsPanel::CSliderField* CControlsPanel::addSliderField(QFormLayout* form, CSliderField& control,
                                                              const QString& label, const QString& unit)
{
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    control.slider = new QSlider(Qt::Horizontal);
    control.slider->setRange(0, CSliderScale::kSliderSteps);
    control.slider->setSingleStep(CSliderScale::kSliderSteps / 100);
    control.slider->setPageStep(CSliderScale::kSliderSteps / 10);
    control.slider->setAccessibleName(label);
    control.slider->setMinimumWidth(100);
    control.field = new QLineEdit;
    control.field->setAccessibleName(tr("%1 in %2").arg(label, unit));
    control.field->setMaximumWidth(90);
    line->addWidget(control.slider, 1);
    line->addWidget(control.field);
    line->addWidget(new QLabel(unit));
    form->addRow(label, row);
    // The slider covers the scale; the field takes every value the parameter's rule allows.
    parameters::CParameterRef ref;
    parameters::find(control.parameter, ref);
    const valueRules::CRange* rule = ref.parameter ? ref.parameter->range : nullptr;
    if (rule) {
        CControlDescriptions::setRange(control.slider, control.scale.zeroAtStart ? 0.0 : control.scale.low,
                                       control.scale.high, rule->unit);
        CControlDescriptions::setRange(control.field, *rule);
    }
    // A drag is one step: its changes share the gesture begun at the press.
    connect(control.slider, &QSlider::sliderPressed, this, [this, &control] { control.gesture = document.newGesture(); });
    connect(control.slider, &QSlider::sliderReleased, this, [this, &control] {
        control.gesture = 0;
        showValues();
    });
    return &control;
}

QCheckBox* CControlsPanel::addFlag(QFormLayout* form, const char* parameter, const QString& text, const QString& step)
{
    auto* box = new QCheckBox(text);
    box->setAccessibleName(text);
    form->addRow(box);
    connect(box, &QCheckBox::toggled, this,
            [this, parameter, step](bool on) { apply(parameter, on ? "on" : "off", step); });
    return box;
}

void CControlsPanel::buildGroups()
{
    // The groups scroll in a short window; the message stays in sight under them.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* groups = new QWidget;
    auto* layout = new QVBoxLayout(groups);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    // Tab goes from control to control; the area follows the one with the focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll, 1);
    QFormLayout* form = nullptr;

    periodicNote = new QLabel(CParameterDialog::periodicBoxNote());
    periodicNote->setWordWrap(true);
    periodicNote->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(periodicNote);
    bathGroup = group(layout, tr("Heat bath"), form);
    floorBath = addFlag(form, "floor-bath", tr("Floor heat bath"), tr("Floor Heat Bath"));
    addSliderField(form, floorTemperature, tr("Temperature"), tr("K"));
    connect(floorTemperature.slider, &QSlider::valueChanged, this,
            [this] { applySlider(floorTemperature, tr("Floor Temperature")); });
    connect(floorTemperature.field, &QLineEdit::editingFinished, this,
            [this] { applyField(floorTemperature, tr("Floor Temperature")); });

    group(layout, tr("Heat and cool"), form);
    auto* buttons = new QWidget;
    auto* line = new QHBoxLayout(buttons);
    line->setContentsMargins(0, 0, 0, 0);
    heat = new QPushButton(tr("Heat"));
    cool = new QPushButton(tr("Cool"));
    heat->setAccessibleName(tr("Heat: hold to add kinetic energy"));
    cool->setAccessibleName(tr("Cool: hold to remove kinetic energy"));
    heat->setToolTip(tr("Hold to add %1% of the kinetic energy per second").arg(kHoldRate * 100));
    cool->setToolTip(tr("Hold to remove %1% of the kinetic energy per second").arg(kHoldRate * 100));
    line->addWidget(heat);
    line->addWidget(cool);
    form->addRow(buttons);
    for (auto [button, direction] : {std::pair{heat, 1}, std::pair{cool, -1}}) {
        connect(button, &QPushButton::pressed, this, [this, direction = direction] { holdStarted(direction); });
        connect(button, &QPushButton::released, this, &CControlsPanel::holdEnded);
    }

    pistonGroup = group(layout, tr("Piston"), form);
    piston = addFlag(form, "piston", tr("Piston"), tr("Piston"));
    addSliderField(form, appliedPressure, tr("Pressure"), tr("Pa"));
    pressureInBar = new QLabel;
    form->addRow(QString(), pressureInBar);
    connect(appliedPressure.slider, &QSlider::valueChanged, this,
            [this] { applySlider(appliedPressure, tr("Applied Pressure")); });
    connect(appliedPressure.field, &QLineEdit::editingFinished, this,
            [this] { applyField(appliedPressure, tr("Applied Pressure")); });

    group(layout, tr("Forces"), form);
    potentials = addFlag(form, "potentials", tr("Potentials"), tr("Potentials"));
    wellDepthText = new QLabel;
    wellDepthText->setWordWrap(true);
    form->addRow(wellDepthText);
    auto* factorRow = new QWidget;
    auto* factorLine = new QHBoxLayout(factorRow);
    factorLine->setContentsMargins(0, 0, 0, 0);
    wellFactor.slider = new QSlider(Qt::Horizontal);
    wellFactor.slider->setRange(0, CSliderScale::kSliderSteps);
    wellFactor.slider->setSingleStep(CSliderScale::kSliderSteps / 60);
    wellFactor.slider->setPageStep(CSliderScale::kSliderSteps / 6);
    wellFactor.slider->setAccessibleName(tr("Well depth factor"));
    CControlDescriptions::setRange(wellFactor.slider, wellFactor.scale.low, wellFactor.scale.high, "");
    factorLine->addWidget(wellFactor.slider, 1);
    auto* factorUnit = new QLabel(tr("× 0 to 3"));
    factorLine->addWidget(factorUnit);
    form->addRow(tr("Well depth"), factorRow);
    connect(wellFactor.slider, &QSlider::sliderPressed, this, [this] { wellFactor.gesture = document.newGesture(); });
    connect(wellFactor.slider, &QSlider::sliderReleased, this, [this] { wellFactor.gesture = 0; });
    connect(wellFactor.slider, &QSlider::valueChanged, this, &CControlsPanel::applyWellFactor);

    group(layout, tr("Speed"), form);
    addSliderField(form, stepsPerDisplay, tr("Steps per display"), tr("steps"));
    connect(stepsPerDisplay.slider, &QSlider::valueChanged, this,
            [this] { applySlider(stepsPerDisplay, tr("Steps per Display")); });
    connect(stepsPerDisplay.field, &QLineEdit::editingFinished, this,
            [this] { applyField(stepsPerDisplay, tr("Steps per Display")); });
    auto* stepRow = new QWidget;
    auto* stepLine = new QHBoxLayout(stepRow);
    stepLine->setContentsMargins(0, 0, 0, 0);
    timeStep = new QLineEdit;
    timeStep->setAccessibleName(tr("Time step in s"));
    CControlDescriptions::setRange(timeStep, valueRules::kTimeStep);
    stepLine->addWidget(timeStep, 1);
    stepLine->addWidget(new QLabel(tr("s")));
    form->addRow(tr("Time step"), stepRow);
    connect(timeStep, &QLineEdit::editingFinished, this, [this] {
        if (!timeStep->isModified()) return;
        timeStep->setModified(false);
        apply("time-step", timeStep->text().trimmed().toStdString(), tr("Time Step"));
    });
    timeStepWarning = new QLabel;
    timeStepWarning->setWordWrap(true);
    timeStepWarning->setStyleSheet(QStringLiteral("color: #a04000;"));
    form->addRow(timeStepWarning);

    group(layout, tr("Readouts"), form);
    averaging = new QComboBox;
    averaging->addItems({tr("Instant"), tr("Time constant"), tr("Accumulated")});
    averaging->setAccessibleName(tr("Averaging"));
    form->addRow(tr("Averaging"), averaging);
    displayedType = new QComboBox;
    displayedType->addItems({tr("A"), tr("B"), tr("C"), tr("D"), tr("All")});
    displayedType->setAccessibleName(tr("Displayed type"));
    form->addRow(tr("Displayed type"), displayedType);
    connect(averaging, &QComboBox::activated, this, [this](int index) { applyReadout("averaging", index); });
    connect(displayedType, &QComboBox::activated, this, [this](int index) { applyReadout("displayed-type", index); });

    layout->addStretch(1);
    scroll->setWidget(groups);
    scroll->setMinimumWidth(groups->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());

    messageText = new QLabel;
    messageText->setWordWrap(true);
    messageText->setAccessibleName(tr("Message"));
    messageText->setStyleSheet(QStringLiteral("color: #b00000;"));
    messageText->setContentsMargins(8, 0, 8, 0);
    messageText->hide();
    outer->addWidget(messageText);
    acceptButton = new QPushButton;
    acceptButton->hide();
    outer->addWidget(acceptButton, 0, Qt::AlignLeft);
    connect(acceptButton, &QPushButton::clicked, this, [this] {
        const std::string parameter = questionParameter, text = questionText;
        apply(parameter, text, questionStep, 0, true);
    });
}

void CControlsPanel::showSliderField(CSliderField& control)
{
    parameters::CParameterRef ref;
    parameters::find(control.parameter, ref);
    const double x = parameters::value(simulation, ref);
    if (!control.slider->isSliderDown()) {
        const QSignalBlocker quiet(control.slider);
        control.slider->setValue(control.scale.position(x));
    }
    if (!(control.field->hasFocus() && control.field->isModified())) {
        control.field->setText(numberText(x));
        control.field->setModified(false);
    }
}

void CControlsPanel::showValues()
{
    const auto& forces = simulation.state().forces;
    for (auto [box, on] : {std::pair{floorBath, bool(forces.floorTempUsed)}, std::pair{piston, simulation.getPistonUsed()},
                           std::pair{potentials, bool(forces.potentialUsed)}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
    for (CSliderField* control : {&floorTemperature, &appliedPressure, &stepsPerDisplay}) showSliderField(*control);
    pressureInBar->setText(tr("= %1 bar").arg(numberText(simulation.state().box.appliedPressure / 1e5)));
    if (!(timeStep->hasFocus() && timeStep->isModified())) timeStep->setText(numberText(simulation.getTimeStep()));
    for (auto [box, parameter] : {std::pair{averaging, "averaging"}, std::pair{displayedType, "displayed-type"}}) {
        parameters::CParameterRef ref;
        parameters::find(parameter, ref);
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(static_cast<int>(parameters::value(simulation, ref)));
    }
    for (int t = 0; t < CSimulation::kTypes; t++) {
        const QString name = QString::fromStdString(simulation.state().types.name[t]);
        displayedType->setItemText(t, name.isEmpty() ? QString(QChar('A' + t)) : tr("%1 (%2)").arg(QChar('A' + t)).arg(name));
    }
    const bool periodic = simulation.isPeriodic();
    bathGroup->setEnabled(!periodic);
    pistonGroup->setEnabled(!periodic);
    periodicNote->setVisible(periodic);
    showWellDepth();
    showTimeStepWarning();
}

void CControlsPanel::showWellDepth()
{
    const int t = simulation.getDisplayType();
    const bool oneType = t >= 0 && t < CSimulation::kTypes;
    wellFactor.slider->setEnabled(oneType && simulation.state().forces.potentialUsed);
    if (!oneType) {
        wellType = -1;
        wellDepthText->setText(tr("Choose one type under Readouts to change its well depth."));
        return;
    }
    const double depth = simulation.state().forces.LJeps[t][t];
    // A value from elsewhere (undo, a file, a dialog, another type) is the
    // new one the factor multiplies.
    if (t != wellType || depth != wellSet) {
        wellType = t;
        wellBase = wellSet = depth;
        if (!wellFactor.slider->isSliderDown()) {
            const QSignalBlocker quiet(wellFactor.slider);
            wellFactor.slider->setValue(wellFactor.scale.position(1.0));
        }
    }
    const double factor = wellBase > 0.0 ? depth / wellBase : 1.0;
    wellDepthText->setText(tr("%1-%1: %2 J (× %3)").arg(QChar('A' + t)).arg(numberText(depth)).arg(factor, 0, 'f', 2));
}

void CControlsPanel::showTimeStepWarning()
{
    const COutcome question = parameters::timeStepQuestion(simulation, simulation.getTimeStep());
    const QString text = question.isQuestion() ? QString::fromStdString(question.message()) : QString();
    if (timeStepWarning->text() != text) timeStepWarning->setText(text);
    timeStepWarning->setVisible(!text.isEmpty());
}

QString CControlsPanel::message() const { return messageText->isHidden() ? QString() : messageText->text(); }

void CControlsPanel::focusFirstControl()
{
    // In a periodic box the heat bath is not available: heating is the first control then.
    (floorBath->isEnabled() ? static_cast<QWidget*>(floorBath) : heat)->setFocus(Qt::ShortcutFocusReason);
}
