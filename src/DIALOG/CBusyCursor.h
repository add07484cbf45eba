// SPDX-License-Identifier: GPL-3.0-or-later
// The busy cursor over every window while a command works for seconds on
// this thread (the refit that clumps, fits or makes room for 1,600 atoms),
// when the windows cannot repaint: shown for the guard's life and put back
// however the command ends, early returns included.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class CBusyCursor {
public:
    CBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};

// A question asked in the middle of such a command (an alert that the refit
// fell short) is answered with the ordinary pointer; the busy cursor comes
// back when it is answered.
class CAnswerCursor {
public:
    CAnswerCursor() : overBusy(QGuiApplication::overrideCursor() != nullptr)
    {
        if (overBusy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CAnswerCursor()
    {
        if (overBusy) QGuiApplication::restoreOverrideCursor();
    }
    CAnswerCursor(const CAnswerCursor&) = delete;
    CAnswerCursor& operator=(const CAnswerCursor&) = delete;

private:
    bool overBusy;
};
