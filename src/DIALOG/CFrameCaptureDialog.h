// SPDX-License-Identifier: GPL-3.0-or-later
// A still frame's file type and JPEG quality.
#pragma once

#include <QDialog>

#include "CCaptureSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

class CFrameCaptureDialog : public QDialog {
    Q_OBJECT
public:
    explicit CFrameCaptureDialog(CCaptureSettings& settings, QWidget* parent = nullptr);

    CCaptureSettings& Settings;  // the view's recording settings
    QComboBox* fileTypePopupButton;  // item 0 JPEG, item 1 TIFF
    QSlider* qualitySlider;
    QCheckBox* screenPixelsBox;
    QLabel* qualityField;

    // Fills the controls and runs the dialog modally; the capture flag tells the outcome.
    void run();
    void fill();

public slots:
    void tabOut();
    void accept() override;
    void cancel();
    void reject() override { cancel(); }
};
