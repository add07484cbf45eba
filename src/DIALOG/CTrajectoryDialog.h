// SPDX-License-Identifier: GPL-3.0-or-later
// Asks how a trajectory is recorded: its format and a frame every how many
// displays. The answers are offered again next time.
#pragma once

#include "CParameterDialog.h"
#include "SIM/io/CTrajectoryWriter.h"

class QComboBox;
class QLineEdit;

class CTrajectoryDialog : public CParameterDialog {
    Q_OBJECT
public:
    static constexpr long long kMaxEvery = 1000000;

    CTrajectoryDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QComboBox* formatBox;
    QLineEdit* everyField;
    CTrajectoryFormat format = CTrajectoryFormat::extendedXyz;
    unsigned every = 1;
    bool confirmed = false;  // OK was pressed with valid answers

public slots:
    void accept() override;
    void cancel() override;
};
