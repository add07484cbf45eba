// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls panel: live controls beside the view for what a person
// changes most while the run goes on (the floor's heat bath, heating and
// cooling, the piston, the forces, the speed of the run, the readouts). Each
// value goes through the parameter table's setters and value rules, as the
// dialogs' do, and is one step of the undo history; the run loop changes
// nothing in the middle of a step, so a value set here lands between two
// steps and the run goes on. A refusal or the large-step warning is said in
// the panel itself, never in an alert. The panel follows the document, so it
// shows what undo, a file opened or a dialog put in place.
// Building and following are in CControlsPanel.cpp, setting values and
// heating in CControlsPanel_apply.cpp.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <string>

#include "SIM/model/COutcome.h"

class CDocument;
class CSimulation;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// A slider's positions 0 to kSliderSteps over a range of values: evenly, or
// evenly in the logarithm from low to high, with position 0 at zero where
// the value may be zero.
struct CSliderScale {
    static constexpr int kSliderSteps = 1000;
    double low, high;
    bool logarithmic;
    bool zeroAtStart;
    double value(int position) const;
    int position(double value) const;
};

class CControlsPanel : public QWidget {
    Q_OBJECT
public:
    explicit CControlsPanel(CDocument& document, QWidget* parent = nullptr);
    ~CControlsPanel() override;

    // Each control shows what the document holds; a field being typed in
    // and a slider being dragged are left alone.
    void showValues();
    // What the panel says about the last value given to it: a refusal, the
    // large-step question; empty when all went well.
    QString message() const;
    // The keys go to the first control, the heat bath's.
    void focusFirstControl();

    // Heating and cooling, in parts of the kinetic energy per second held.
    static constexpr double kHoldRate = 0.05;
    static constexpr int kHoldTickMs = 100;

private:
    // One value with its slider and its field.
    struct CSliderField {
        const char* parameter;
        CSliderScale scale;
        QSlider* slider = nullptr;
        QLineEdit* field = nullptr;
        int gesture = 0;  // the drag under way, 0 for none
    };
    CSliderField* addSliderField(class QFormLayout* form, CSliderField& control, const QString& label,
                                 const QString& unit);
    QCheckBox* addFlag(class QFormLayout* form, const char* parameter, const QString& text, const QString& step);
    void buildGroups();
    void showSliderField(CSliderField& control);
    void showWellDepth();
    void showTimeStepWarning();

    // Sets the parameter to text as one step named step (or one more change
    // of the gesture's step) and says in the panel what the rule answered.
    // accepted: the person has said yes to the question it asked.
    bool apply(const std::string& parameter, const std::string& text, const QString& step, int gesture = 0,
               bool accepted = false);
    void applySlider(CSliderField& control, const QString& step);
    void applyField(CSliderField& control, const QString& step);
    void applyWellFactor();
    void applyReadout(const char* parameter, int index);
    void say(const COutcome& outcome);
    void holdStarted(int direction);
    void holdTick();
    void holdEnded();

    CDocument& document;
    CSimulation& simulation;

    CSliderField floorTemperature{"floor-temperature", {1.0, 2000.0, true, true}};
    CSliderField appliedPressure{"applied-pressure", {1e3, 1e10, true, true}};
    CSliderField stepsPerDisplay{"steps-per-display", {1.0, 10000.0, true, false}};
    CSliderField wellFactor{"well-depth", {0.0, 3.0, false, false}};
    QCheckBox *floorBath = nullptr, *piston = nullptr, *potentials = nullptr;
    QLabel *pressureInBar = nullptr, *wellDepthText = nullptr, *timeStepWarning = nullptr;
    QLineEdit* timeStep = nullptr;
    QComboBox *averaging = nullptr, *displayedType = nullptr;
    QPushButton *heat = nullptr, *cool = nullptr;
    // The heat bath's and the piston's groups, not available in a periodic
    // box, and the note that says why.
    QWidget *bathGroup = nullptr, *pistonGroup = nullptr;
    QLabel* periodicNote = nullptr;
    QLabel* messageText = nullptr;
    QPushButton* acceptButton = nullptr;  // answers the question the message asks

    // The pair well depth the factor multiplies: its type and its value when
    // the panel last took it from the document, and the last value set here.
    int wellType = -1;
    double wellBase = 0.0, wellSet = 0.0;

    // What the question in the message asks again when accepted.
    std::string questionParameter, questionText;
    QString questionStep;

    QTimer holdTimer;
    QElapsedTimer holdClock;
    int holdDirection = 0, holdGesture = 0;
};
