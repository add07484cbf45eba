// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Keyboard and Mouse: the gestures and keys of the view, in two tables.
#pragma once

#include <QDialog>

class QTextBrowser;

class CKeyboardMouseDialog : public QDialog {
    Q_OBJECT
public:
    explicit CKeyboardMouseDialog(QWidget* parent = nullptr);

    QTextBrowser* tables;

    // The two tables as rich text, with the Linux names of the modifier keys.
    static QString tablesHtml();
};
