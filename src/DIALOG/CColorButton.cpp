// SPDX-License-Identifier: GPL-3.0-or-later
#include "CColorButton.h"

#include <QColorDialog>
#include <QIcon>
#include <QPixmap>

#include <algorithm>
#include <cmath>

#include "DIALOG/CPlatform.h"

CColorButton::CColorButton(QWidget* parent) : QPushButton(parent)
{
    setIconSize(QSize(36, 14));
    connect(this, &QPushButton::clicked, this, &CColorButton::chooseColor);
    showColor();
}

void CColorButton::setComponents(float red, float green, float blue)
{
    r = red;
    g = green;
    b = blue;
    showColor();
}

QColor CColorButton::color() const
{
    // Values read from a file may lie outside 0..1; the chooser shows them clamped.
    auto unit = [](float c) { return std::isfinite(c) ? std::clamp(c, 0.0f, 1.0f) : 0.0f; };
    return QColor::fromRgbF(unit(r), unit(g), unit(b));
}

void CColorButton::chooseColor()
{
    CModalScope modal;
    const QColor chosen = QColorDialog::getColor(color(), this, tr("Atom Colour"));
    if (!chosen.isValid()) return;  // the chooser was cancelled
    setComponents(chosen.redF(), chosen.greenF(), chosen.blueF());
    emit colorChanged();
}

void CColorButton::showColor()
{
    QPixmap square(iconSize());
    square.fill(color());
    setIcon(QIcon(square));
    setToolTip(color().name());
}
