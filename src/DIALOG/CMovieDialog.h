// SPDX-License-Identifier: GPL-3.0-or-later
// The movie's settings: displays between frames, the number of frames, each
// frame's length in the movie, codec and quality, with what they come to in
// simulation steps, simulated time and seconds of movie.
#pragma once

#include <QDialog>

#include "CCaptureSettings.h"

class CPlatform;
class CSimulation;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class CMovieDialog : public QDialog {
    Q_OBJECT
public:
    CMovieDialog(CSimulation& simulation, CPlatform& platform, CCaptureSettings& settings, QWidget* parent = nullptr);

    CSimulation& Simulation;
    CPlatform& Platform;         // the alert for refused settings
    CCaptureSettings& Settings;  // the view's recording settings
    QLineEdit *displaysPerFrameField, *framesToCaptureField, *frameLengthField;
    QLabel *iterationsPerDisplayField, *timePerDisplayField, *iterationsPerFrameField, *timePerFrameField;
    QLabel *totalIterationField, *totalTimeField, *movieRunTimeField;
    QComboBox *codecButton, *imageQualityButton;
    QCheckBox* screenPixelsBox;

    // Fills the controls and runs the dialog modally; the movie flag tells the outcome.
    void run();
    void fill();

public slots:
    void tabOut();
    void accept() override;
    void cancel();
    void reject() override { cancel(); }
};
