// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"
#include "DIALOG/CControlDescriptions.h"

CViewDialog::CViewDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CParameterDialog(simulation, platform, tr("View"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    boxWidthField = numberField();
    boxWidthField->setReadOnly(true);
    boxWidthField->setFocusPolicy(Qt::NoFocus);
    form->addRow(tr("Box width:"), boxWidthField);
    form->addRow(tr("&Eye distance (m):"), eyeDistanceField = numberField());
    form->addRow(tr("&Projection plane distance (m):"), eyePlaneDistanceField = numberField());
    form->addRow(tr("&Scale (points per metre at the projection plane):"), projectionScaleField = numberField());
    layout->addLayout(form);
    CControlDescriptions::setRanges({{eyeDistanceField, valueRules::kViewDistance},
                                     {eyePlaneDistanceField, valueRules::kViewDistance},
                                     {projectionScaleField, valueRules::kViewScale}});
    addButtons(layout);
}

void CViewDialog::fill()
{
    CSimulation& s = Simulation;
    boxWidthField->setText(realText(2.0 * s.getHalfWidth(), "%.2e m"));
    eyeDistanceField->setText(realText(s.getEyeR()));
    eyePlaneDistanceField->setText(realText(s.getEyePlaneR()));
    projectionScaleField->setText(realText(s.getScale()));
    eyeDistanceField->setFocus();
    eyeDistanceField->selectAll();
}

void CViewDialog::accept()
{
    double eye, plane, scale;
    if (!readInRange(eyeDistanceField, tr("Eye distance"), valueRules::kViewDistance, eye)) return;
    // Dragging divides by both: at 0 the dragged atoms would land nowhere.
    if (!readInRange(eyePlaneDistanceField, tr("Projection plane distance"), valueRules::kViewDistance, plane)) return;
    if (!readInRange(projectionScaleField, tr("Scale"), valueRules::kViewScale, scale)) return;
    CSimulation& s = Simulation;
    s.setScale(scale);
    s.setEyePlaneR(plane);
    // The eye must stay clear of the box in front of the new projection
    // plane; a refusal leaves the scale and plane in force and the dialog open.
    if (showOutcome(platform(), s.setEyeR(eye))) end(true);
}
