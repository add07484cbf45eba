// SPDX-License-Identifier: GPL-3.0-or-later
// Edits the place and velocity of the selected atom, or moves the centre of
// mass of a selection and gives all its atoms a velocity component. Each
// finished field is applied at once so the view shows the edit; Cancel puts
// the atoms back where they were when the dialog opened.
#pragma once

#include <functional>

#include "CParameterDialog.h"

class QLabel;
class QLineEdit;

class CEditAtomDialog : public CParameterDialog {
    Q_OBJECT
public:
    // redraw shows an applied edit in the view; it may be empty.
    CEditAtomDialog(CSimulation& simulation, CPlatform& platform, std::function<void()> redraw, QWidget* parent = nullptr);
    void fill() override;

    std::function<void()> redraw;
    QLabel *selectedField, *locationField;
    QLineEdit *xField, *yField, *zField, *vxField, *vyField, *vzField;

public slots:
    void tabOut();
    void accept() override;
    void cancel() override;

private:
    bool applyFields();
    bool applying = false;  // an alert while applying must not apply again
    bool applied = false;   // a field was applied since the dialog opened
};
