// SPDX-License-Identifier: GPL-3.0-or-later
#include "CParameterDialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "BASE/CTextNumbers.h"
#include "DIALOG/CControlDescriptions.h"
#include "DIALOG/CPlatform.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"

CParameterDialog::CParameterDialog(CSimulation& simulation, CPlatform& platform, const QString& title, QWidget* parent)
    : QDialog(parent), Simulation(simulation), Platform(platform)
{
    setWindowTitle(title);
    setModal(true);
    CControlDescriptions::describeControls(this);
}

void CParameterDialog::run()
{
    fill();
    CModalScope modal;
    exec();
}

void CParameterDialog::cancel()
{
    end(false);
}

void CParameterDialog::end(bool accepted)
{
    done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

QString CParameterDialog::realText(double value, const char* format)
{
    return QString::fromStdString(formatC(format, value));
}

QString CParameterDialog::wholeText(long long value)
{
    return QString::number(value);  // QString::number never uses the desktop's locale
}

QString CParameterDialog::typeTitle(int t) const
{
    const QString letter(QChar('A' + t));
    const QString name = QString::fromStdString(Simulation.getName(t)).trimmed();
    return name.isEmpty() ? letter : tr("%1 (%2)").arg(letter, name);
}

// The "C" locale without group separators: "1,5" is refused rather than
// read as 15 by a user whose desktop writes decimal commas; it is read as
// 1.5 where the interface's language writes decimal commas.
static QLocale numberLocale()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    return c;
}

static QLocale& typingLocale()
{
    static QLocale locale = numberLocale();
    return locale;
}

void CParameterDialog::setTypingLocale(const QLocale& locale)
{
    typingLocale() = locale;
    typingLocale().setNumberOptions(QLocale::RejectGroupSeparator);
}

bool CParameterDialog::refuse(QLineEdit* field, const QString& message)
{
    platform().alert("Alert.", message.toStdString(), {"OK"});
    field->setFocus();
    field->selectAll();
    return false;
}

bool CParameterDialog::readReal(QLineEdit* field, const QString& name, double& value)
{
    bool ok = false;
    double read = numberLocale().toDouble(field->text().trimmed(), &ok);
    if (!ok && typingLocale().decimalPoint() != QStringLiteral("."))
        read = typingLocale().toDouble(field->text().trimmed(), &ok);
    if (!ok)
        return refuse(field, tr("%1: \"%2\" is not a number. Write numbers with a decimal point, "
                                "for example 3.00e-10.")
                                 .arg(name, field->text()));
    if (!std::isfinite(read))
        return refuse(field, QString::fromStdString(valueRules::finiteMessage(name.toStdString().c_str())));
    value = read;
    return true;
}

bool CParameterDialog::readInRange(QLineEdit* field, const QString& name, const valueRules::CRange& range,
                                   double& value)
{
    if (!readReal(field, name, value)) return false;
    if (!valueRules::within(value, range))
        return refuse(field, QString::fromStdString(valueRules::rangeMessage(name.toStdString().c_str(), range)));
    return true;
}

// A warning, not a refusal: the walls hold for any step in the rules, and a
// coarse step is a choice the person may make on purpose.
bool CParameterDialog::acceptTimeStep(double timeStep, double deltaE)
{
    const COutcome question = parameters::timeStepQuestion(Simulation, timeStep, deltaE);
    if (!question.isQuestion()) return true;
    return platform().alert(question.title(), question.message(), question.choices()) == 0;
}

bool CParameterDialog::readWhole(QLineEdit* field, const QString& name, long long& value, long long minimum,
                                 long long maximum)
{
    bool ok = false;
    const long long read = numberLocale().toLongLong(field->text().trimmed(), &ok);
    if (!ok) return refuse(field, tr("%1: \"%2\" is not a whole number.").arg(name, field->text()));
    if (read < minimum || read > maximum)
        return refuse(field, tr("%1 must be between %2 and %3.").arg(name).arg(minimum).arg(maximum));
    value = read;
    return true;
}

QLineEdit* CParameterDialog::numberField()
{
    auto* field = new QLineEdit(this);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-0.00e+000")) + 16);
    return field;
}

QString CParameterDialog::periodicBoxNote() { return tr("A periodic box has no walls, floor or piston."); }

QLabel* CParameterDialog::hintLabel(const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* CParameterDialog::swatch(int t)
{
    auto* label = new QLabel(this);
    updateSwatch(label, t);
    return label;
}

void CParameterDialog::updateSwatch(QLabel* label, int t)
{
    QPixmap square(14, 14);
    auto unit = [](float c) { return std::isfinite(c) ? std::clamp(c, 0.0f, 1.0f) : 0.0f; };
    square.fill(QColor::fromRgbF(unit(Simulation.getRed(t)), unit(Simulation.getGreen(t)), unit(Simulation.getBlue(t))));
    label->setPixmap(square);
}

QDialogButtonBox* CParameterDialog::addButtons(QBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    return buttons;
}
