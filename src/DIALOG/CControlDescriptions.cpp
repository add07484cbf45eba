// SPDX-License-Identifier: GPL-3.0-or-later
#include "CControlDescriptions.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QAccessible>
#include <QEvent>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextDocumentFragment>
#include <QWidget>

#include <cmath>

namespace {
// The properties a control carries: its range, and whether its description
// is one derived here (and so derived again), not one set by hand.
constexpr const char* kLow = "quorvelRangeLow";
constexpr const char* kHigh = "quorvelRangeHigh";
constexpr const char* kUnit = "quorvelRangeUnit";
constexpr const char* kDerived = "quorvelDerivedDescription";

// The controls a person reaches with Tab; a combo box's or spin box's own
// line edit speaks through its box, a scroll area's bars through the area.
bool isControl(QWidget* w)
{
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                         qobject_cast<QAbstractSpinBox*>(w);
    return control && !qobject_cast<QScrollBar*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()) &&
           !qobject_cast<QAbstractSpinBox*>(w->parentWidget());
}

QString plainText(QString text)
{
    if (Qt::mightBeRichText(text)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&').simplified();
}

// A label's text without its colon, and the unit it gives in brackets at its end.
QString labelWhat(const QString& text, QString& unit)
{
    QString what = plainText(text);
    while (what.endsWith(':') || what.endsWith(QChar(0xA0))) what.chop(1);
    what = what.trimmed();
    const qsizetype open = what.lastIndexOf('(');
    if (what.endsWith(')') && open > 0 && what.size() - open <= 20) {
        unit = what.mid(open + 1, what.size() - open - 2).trimmed();
        what = what.left(open).trimmed();
    }
    return what;
}

// A control in a table of a grid: its column's heading (the label in the
// grid's first row) and its row's (the nearest label to its left), as
// "Diameter (m) of A".
QString cellName(QWidget* control)
{
    QWidget* cell = control;
    QGridLayout* grid = nullptr;
    int index = -1;
    for (; cell && cell->parentWidget(); cell = cell->parentWidget()) {
        grid = qobject_cast<QGridLayout*>(cell->parentWidget()->layout());
        if (grid && (index = grid->indexOf(cell)) >= 0) break;
    }
    if (!grid || index < 0) return QString();
    int row, column, rows, columns;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    auto labelAt = [grid](int r, int c) {
        QLayoutItem* item = grid->itemAtPosition(r, c);
        auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        return label && !label->text().isEmpty() ? label->text() : QString();
    };
    QString unit;
    const QString heading = row > 0 ? labelWhat(labelAt(0, column), unit) : QString();
    QString rowName;
    for (int c = column - 1; c >= 0 && rowName.isEmpty(); c--) rowName = labelAt(row, c);
    if (heading.isEmpty() || rowName.isEmpty()) return QString();
    const QString name = CControlDescriptions::tr("%1 of %2").arg(heading, plainText(rowName));
    return unit.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, unit);
}

class CDescriber : public QObject {
public:
    explicit CDescriber(QWidget* top) : QObject(top), top(top)
    {
        setObjectName(QLatin1String(kName));
        top->installEventFilter(this);
    }
    static constexpr const char* kName = "quorvelControlDescriber";
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == top && event->type() == QEvent::Show) describe();
        return false;
    }
    void describe()
    {
        QHash<QWidget*, QLabel*> labelOf;
        for (QLabel* label : top->findChildren<QLabel*>())
            if (label->buddy()) labelOf.insert(label->buddy(), label);
        for (QWidget* control : top->findChildren<QWidget*>()) {
            if (!isControl(control)) continue;
            if (!control->accessibleDescription().isEmpty() && !control->property(kDerived).toBool()) continue;
            QString label;
            for (QWidget* w = control; w && w != top && label.isEmpty(); w = w->parentWidget())
                if (QLabel* named = labelOf.value(w)) label = named->text();
            if (label.isEmpty() && control->accessibleName().isEmpty() && control->toolTip().isEmpty())
                label = cellName(control);
            control->setAccessibleDescription(CControlDescriptions::derive(control, label));
            control->setProperty(kDerived, true);
        }
    }

private:
    QWidget* top;
};
}  // namespace

void CControlDescriptions::setRange(QWidget* control, double low, double high, const char* unit)
{
    control->setProperty(kLow, low);
    control->setProperty(kHigh, high);
    control->setProperty(kUnit, QString::fromUtf8(unit));
}

void CControlDescriptions::describeControls(QWidget* top)
{
    auto* describer = dynamic_cast<CDescriber*>(
        top->findChild<QObject*>(QLatin1String(CDescriber::kName), Qt::FindDirectChildrenOnly));
    if (!describer) describer = new CDescriber(top);
    describer->describe();
}

QString CControlDescriptions::derive(QWidget* control, const QString& label)
{
    QString unit;
    QString what = plainText(control->toolTip());
    if (what.isEmpty()) what = labelWhat(label, unit);
    if (what.isEmpty()) what = labelWhat(control->accessibleName(), unit);
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && what.isEmpty())
        what = labelWhat(button->text(), unit);
    if (auto* field = qobject_cast<QLineEdit*>(control); field && what.isEmpty()) what = plainText(field->placeholderText());
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control); face && what.isEmpty())
        what = labelWhat(face->text(QAccessible::Name), unit);
    while (what.endsWith('.')) what.chop(1);
    if (what.isEmpty()) return QString();

    QVariant low = control->property(kLow), high = control->property(kHigh);
    if (control->property(kUnit).isValid()) unit = control->property(kUnit).toString();
    if (auto* spin = qobject_cast<QSpinBox*>(control); spin && !low.isValid()) {
        low = spin->minimum();
        high = spin->maximum();
        if (unit.isEmpty()) unit = spin->suffix().trimmed();
    }
    if (low.isValid() && high.isValid()) {
        const QString from = numberWords(low.toDouble()), to = numberWords(high.toDouble());
        return unit.isEmpty() ? tr("%1, from %2 to %3.").arg(what, from, to)
                              : tr("%1, in %2, from %3 to %4.").arg(what, unitWords(unit), from, to);
    }
    if (!unit.isEmpty()) return tr("%1, in %2.").arg(what, unitWords(unit));
    if (qobject_cast<QCheckBox*>(control)) return tr("%1: on or off.").arg(what);
    if (qobject_cast<QRadioButton*>(control)) return tr("%1: one of the choices beside it.").arg(what);
    if (qobject_cast<QComboBox*>(control)) return tr("%1: a choice from a list.").arg(what);
    return tr("%1.").arg(what);
}

QString CControlDescriptions::unitWords(const QString& unit)
{
    static const QHash<QString, const char*> words = {
        {QStringLiteral("K"), QT_TR_NOOP("kelvin")},
        {QStringLiteral("m"), QT_TR_NOOP("metres")},
        {QStringLiteral("kg"), QT_TR_NOOP("kilograms")},
        {QStringLiteral("J"), QT_TR_NOOP("joules")},
        {QStringLiteral("s"), QT_TR_NOOP("seconds")},
        {QStringLiteral("C"), QT_TR_NOOP("coulombs")},
        {QStringLiteral("Pa"), QT_TR_NOOP("pascals")},
        {QStringLiteral("m/s"), QT_TR_NOOP("metres per second")},
        {QStringLiteral("m³"), QT_TR_NOOP("cubic metres")},
        {QStringLiteral("steps"), QT_TR_NOOP("steps")},
        {QStringLiteral("points"), QT_TR_NOOP("points")},
        {QStringLiteral("points per metre"), QT_TR_NOOP("points per metre")},
        {QStringLiteral("atoms per bin"), QT_TR_NOOP("atoms per bin")},
        {QStringLiteral("displays"), QT_TR_NOOP("displays")},
        {QStringLiteral("frames"), QT_TR_NOOP("frames")},
        {QStringLiteral("of full intensity"), QT_TR_NOOP("parts of full intensity")},
        {QStringLiteral("%"), QT_TR_NOOP("per cent")},
        {QStringLiteral("1/600 s"), QT_TR_NOOP("six-hundredths of a second")},
    };
    const auto found = words.constFind(unit);
    return found == words.constEnd() ? unit : tr(found.value());
}

QString CControlDescriptions::numberWords(double x)
{
    const QLocale locale;
    if (x == std::round(x) && std::fabs(x) < 1e7) return locale.toString(static_cast<qlonglong>(x));
    return locale.toString(x, 'g', 3);
}
