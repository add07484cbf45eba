// SPDX-License-Identifier: GPL-3.0-or-later
// A colour well: a button showing a colour that opens the colour chooser.
// It keeps the three components it was given exactly until the user picks
// another colour, so confirming a dialog unchanged writes back the same
// numbers (the chooser itself rounds to 16 bits a channel).
#pragma once

#include <QPushButton>

class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(QWidget* parent = nullptr);

    void setComponents(float red, float green, float blue);
    float red() const { return r; }
    float green() const { return g; }
    float blue() const { return b; }
    QColor color() const;

public slots:
    // Opens the colour chooser; a confirmed colour replaces the shown one.
    void chooseColor();

signals:
    void colorChanged();

private:
    void showColor();
    float r = 0, g = 0, b = 0;
};
