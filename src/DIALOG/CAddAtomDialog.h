// SPDX-License-Identifier: GPL-3.0-or-later
// Adds one atom of a chosen type at a given place with a given velocity.
#pragma once

#include "CParameterDialog.h"

class QComboBox;
class QLineEdit;

class CAddAtomDialog : public CParameterDialog {
    Q_OBJECT
public:
    CAddAtomDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QComboBox* typePopupButton;
    QLineEdit *xField, *yField, *zField, *vxField, *vyField, *vzField;
    int type = 0;  // the type chosen last; offered again next time

public slots:
    void accept() override;
};
