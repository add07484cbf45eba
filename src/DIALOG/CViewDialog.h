// SPDX-License-Identifier: GPL-3.0-or-later
// The eye's distance, the projection plane's distance and the scale of the picture.
#pragma once

#include "CParameterDialog.h"

class QLineEdit;

class CViewDialog : public CParameterDialog {
    Q_OBJECT
public:
    CViewDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit* boxWidthField;  // shown only
    QLineEdit *eyeDistanceField, *projectionScaleField, *eyePlaneDistanceField;

public slots:
    void accept() override;
};
