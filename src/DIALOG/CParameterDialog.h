// SPDX-License-Identifier: GPL-3.0-or-later
// What every parameter dialog shares: it fills its controls from the
// simulation, runs modally (the run timer stands still meanwhile), applies
// its fields through the simulation's setters on OK and stays open when a
// value is refused. Numbers are shown and read in the "C" locale, so a
// comma-decimal desktop neither shows nor misreads them.
#pragma once

#include <QDialog>
#include <QString>

class QLocale;

class CSimulation;
class CPlatform;
class QBoxLayout;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
namespace valueRules {
struct CRange;
}

class CParameterDialog : public QDialog {
    Q_OBJECT
public:
    CParameterDialog(CSimulation& simulation, CPlatform& platform, const QString& title, QWidget* parent);

    CSimulation& Simulation;

    // Fills the controls from the simulation, then runs the dialog modally;
    // returns when it has been closed.
    void run();
    // Fills the controls only (run does this first).
    virtual void fill() = 0;

    // Shown numbers: "%.2e" unless a format is given; whole numbers plain.
    static QString realText(double value, const char* format = "%.2e");
    static QString wholeText(long long value);
    // Numbers typed into the fields are read in the C form, and also in the
    // form of this locale (a decimal comma) when it is another; the C locale
    // until the program sets the interface's language. Fields are filled,
    // and files written, in the C form always.
    static void setTypingLocale(const QLocale& locale);
    // The type's letter with its name, as rows and alerts name it: "A (Argon)".
    QString typeTitle(int t) const;
    // Why the controls of the walls, the floor, its heat bath and the piston
    // are not available in a periodic box, as the dialogs and the Controls
    // panel say it beside them.
    static QString periodicBoxNote();

public slots:
    // Closes the dialog; the subclasses undo or clear what they must first.
    virtual void cancel();
    // Escape, the Cancel button and the window's close box all cancel.
    void reject() override { cancel(); }

protected:
    // Ends the modal loop with the given answer.
    void end(bool accepted);
    // The alerts and panels the dialog shows.
    CPlatform& platform() { return Platform; }

    // Reads a real number; when the text is not one, shows an alert naming
    // the field, puts the cursor in it and answers false.
    bool readReal(QLineEdit* field, const QString& name, double& value);
    // As readReal for whole numbers within [minimum, maximum].
    bool readWhole(QLineEdit* field, const QString& name, long long& value, long long minimum, long long maximum);
    // As readReal, then refuses a value outside the range with an alert that names it.
    bool readInRange(QLineEdit* field, const QString& name, const valueRules::CRange& range, double& value);
    // When this time step would carry atoms at their rms speed too far per
    // step (after a change deltaE of the kinetic energy), warns and asks;
    // answers whether to go on.
    bool acceptTimeStep(double timeStep, double deltaE = 0.0);
    // Refuses a field's value with this message (alert, cursor in the field); answers false.
    bool refuse(QLineEdit* field, const QString& message);

    // A right-aligned field for numbers, wide enough for "-0.00e+00".
    QLineEdit* numberField();
    // A line or two that explains the fields, in ordinary text (a disabled
    // label's grey would say "not available"), broken where the text breaks.
    QLabel* hintLabel(const QString& text);
    // A small square of the type's colour, shown beside its row.
    QLabel* swatch(int t);
    void updateSwatch(QLabel* label, int t);
    // OK and Cancel, wired to accept and reject; OK is the default button.
    QDialogButtonBox* addButtons(QBoxLayout* layout);

private:
    CPlatform& Platform;
};
