// SPDX-License-Identifier: GPL-3.0-or-later
// The interface in another language, and for those who do not see it: each
// translation fits every dialog (German runs longest), gives each menu's
// commands keys of their own, every control says what it is and what it
// sets to a screen reader, and Tab reaches each control in reading order.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "UI/CControlsPanel.h"
#include "UI/CUIWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/ui/UiWindowFixture.h"

namespace {
// A window made while a translation is installed, so every text it builds
// is in that language; English again once the test is over.
class TranslatedWindow {
public:
    explicit TranslatedWindow(const QString& code)
    {
        loaded = translator.load(QStringLiteral(QUORVEL_QM_DIR "/quorvel_") + code + QStringLiteral(".qm"));
        QCoreApplication::installTranslator(&translator);
        window = std::make_unique<CUIWindow>(platform);
        window->show();
        UiWindowTest::settle();
    }
    ~TranslatedWindow()
    {
        window.reset();
        QCoreApplication::removeTranslator(&translator);
    }
    QTranslator translator;
    bool loaded = false;
    ScriptedPlatform platform;
    std::unique_ptr<CUIWindow> window;
};

QString plain(QString text) { return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&'); }

// Each text a widget of this window shows that does not fit its widget.
QStringList clippedTexts(QWidget* top)
{
    QStringList clipped;
    auto check = [&](QWidget* w, const QString& text, int room) {
        int needed = 0;
        for (const QString& line : plain(text).split('\n'))
            needed = std::max(needed, w->fontMetrics().horizontalAdvance(line));
        if (!text.isEmpty() && needed > room)
            clipped << QStringLiteral("%1: \"%2\" needs %3, has %4").arg(top->windowTitle(), text).arg(needed).arg(room);
    };
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->wordWrap() && label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()))
                check(w, label->text(), label->contentsRect().width());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            check(w, box->title(), box->width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                clipped << QStringLiteral("%1: button \"%2\" is %3 wide, needs %4")
                               .arg(top->windowTitle(), button->text())
                               .arg(button->width())
                               .arg(button->sizeHint().width());
        }
    }
    return clipped;
}

// The menus in which two commands answer the same Alt key.
QStringList sharedAccelerators(CUIWindow& window)
{
    QStringList shared;
    QList<QMenu*> menus = window.findChildren<QMenu*>();
    for (QMenu* menu : menus) {
        QMap<QChar, QString> taken;
        for (QAction* action : menu->actions()) {
            if (!action->isVisible() || action->isSeparator()) continue;
            const QString text = QString(action->text()).replace(QStringLiteral("&&"), QString());
            const qsizetype at = text.indexOf('&');
            if (at < 0 || at + 1 >= text.size()) continue;
            const QChar key = text[at + 1].toLower();
            if (taken.contains(key)) shared << QStringLiteral("%1: %2 and %3").arg(menu->title(), taken[key], text);
            taken[key] = text;
        }
    }
    return shared;
}

// Each dialog of the window, and the Controls panel, in turn.
QList<QWidget*> windowsOf(CUIWindow& window)
{
    QList<QWidget*> list;
    for (QDialog* dialog : window.findChildren<QDialog*>()) list << dialog;
    list << window.ControlsPanel;
    return list;
}

TEST(TranslationTest, GermanMenusAndEveryLanguagesDialogsShowEveryTextWhole)
{
    if (!QFile::exists(QStringLiteral(QUORVEL_QM_DIR "/quorvel_de.qm"))) GTEST_SKIP() << "built without Qt's Linguist tools";
    for (const QString& code : {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")}) {
        TranslatedWindow translated(code);
        ASSERT_TRUE(translated.loaded) << code.toStdString();
        if (code == QStringLiteral("de")) {
            QStringList menus;
            for (QAction* menu : translated.window->menuBar()->actions()) menus << plain(menu->text());
            EXPECT_EQ(menus.mid(0, 3), (QStringList{"Datei", "Bearbeiten", "Simulation"}));
            EXPECT_TRUE(menus.contains("Ansicht"));
            EXPECT_TRUE(menus.contains("Hilfe"));
        }
        QStringList clipped;
        for (QWidget* w : windowsOf(*translated.window)) {
            w->show();
            UiWindowTest::settle();
            clipped << clippedTexts(w->window());
            if (w != translated.window->ControlsPanel) w->hide();
        }
        EXPECT_TRUE(clipped.isEmpty()) << code.toStdString() << ":\n" << clipped.join('\n').toStdString();
    }
}

TEST(TranslationTest, EachMenuGivesEveryCommandItsOwnKeyInEveryLanguage)
{
    for (const QString& code : {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QString()}) {
        if (!code.isEmpty() && !QFile::exists(QStringLiteral(QUORVEL_QM_DIR "/quorvel_") + code + QStringLiteral(".qm")))
            continue;
        TranslatedWindow translated(code);
        EXPECT_EQ(translated.loaded, !code.isEmpty());
        const QStringList shared = sharedAccelerators(*translated.window);
        EXPECT_TRUE(shared.isEmpty()) << code.toStdString() << ":\n" << shared.join('\n').toStdString();
    }
}

// Where w lies in top, in top's coordinates.
QRect placeIn(QWidget* top, QWidget* w) { return QRect(w->mapTo(top, QPoint(0, 0)), w->size()); }

// The part of the layout w is read with under the ancestor: the outermost
// group box between them (its controls are read together), else w.
QWidget* readingUnit(QWidget* ancestor, QWidget* w)
{
    QWidget* unit = w;
    for (QWidget* up = w->parentWidget(); up && up != ancestor; up = up->parentWidget())
        if (qobject_cast<QGroupBox*>(up)) unit = up;
    return unit;
}

// Whether a is read before b: of two things side by side in a row (they
// share more than half the lower one's height) the left one, else the upper.
bool readsBefore(QWidget* top, QWidget* a, QWidget* b)
{
    QWidget* common = a->parentWidget();
    while (common && !common->isAncestorOf(b)) common = common->parentWidget();
    const QRect ra = placeIn(top, readingUnit(common, a)), rb = placeIn(top, readingUnit(common, b));
    const int shared = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
    if (shared > std::min(ra.height(), rb.height()) / 2) return ra.left() < rb.left();
    return ra.center().y() < rb.center().y();
}

// The controls of top that Tab is to reach: shown, enabled, taking the focus by Tab.
QList<QWidget*> tabStops(QWidget* top)
{
    QList<QWidget*> stops;
    for (QWidget* w : top->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(top) && w->isEnabled())
            stops << w;
    return stops;
}

QString what(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return QStringLiteral("%1 \"%2\"").arg(w->metaObject()->className(), face ? face->text(QAccessible::Name) : QString());
}

TEST(AccessibilityTest, TabReachesEveryControlOnceInReadingOrderAndEachSaysWhatItSets)
{
    ScriptedPlatform platform;
    CUIWindow window(platform);
    window.show();
    QStringList faults;
    for (QWidget* w : windowsOf(window)) {
        for (QWidget* up = w; up; up = up->parentWidget()) up->show();  // the panel's dock too
        w->window()->activateWindow();
        UiWindowTest::settle();
        const QString title = w->windowTitle().isEmpty() ? w->objectName() : w->windowTitle();
        const QList<QWidget*> stops = tabStops(w);
        if (stops.isEmpty()) continue;
        // Tab from the first control in reading order round to it again.
        QWidget* first = *std::min_element(stops.begin(), stops.end(),
                                           [&](QWidget* a, QWidget* b) { return readsBefore(w, a, b); });
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited;
        for (QWidget* at = first; at && w->isAncestorOf(at) && visited.size() <= stops.size();) {
            visited << at;
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(at, &tab);
            at = w->window()->focusWidget();
            if (at == first) break;
        }
        for (QWidget* stop : stops)
            if (visited.count(stop) != 1)
                faults << QStringLiteral("%1: Tab reaches %2 %3 times").arg(title, what(stop)).arg(visited.count(stop));
        for (qsizetype i = 1; i < visited.size(); i++)
            if (!readsBefore(w, visited[i - 1], visited[i]))
                faults << QStringLiteral("%1: Tab goes from %2 back to %3").arg(title, what(visited[i - 1]), what(visited[i]));
        for (QWidget* stop : stops) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(stop);
            if (!face || face->text(QAccessible::Name).trimmed().isEmpty() ||
                face->text(QAccessible::Description).trimmed().isEmpty())
                faults << QStringLiteral("%1: %2 lacks a name or a description").arg(title, what(stop));
        }
        if (w != window.ControlsPanel) w->hide();
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

TEST(AccessibilityTest, DescriptionsGiveTheUnitAndRangeInTheInterfacesLanguage)
{
    ScriptedPlatform platform;
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        CUIWindow window(platform);
        window.show();
        QStringList descriptions;
        for (QDialog* dialog : window.findChildren<QDialog*>()) {
            dialog->show();
            for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) descriptions << field->accessibleDescription();
            dialog->hide();
        }
        EXPECT_TRUE(descriptions.contains(QStringLiteral("Floor temperature, in kelvin, from 0 to 100,000.")))
            << descriptions.join('\n').toStdString();
        EXPECT_TRUE(descriptions.contains(QStringLiteral("Piston mass, in kilograms, from 1E-30 to 100.")));
    }
    if (!QFile::exists(QStringLiteral(QUORVEL_QM_DIR "/quorvel_de.qm"))) {
        QLocale::setDefault(before);
        GTEST_SKIP() << "built without Qt's Linguist tools";
    }
    QLocale::setDefault(QLocale(QStringLiteral("de")));
    {
        TranslatedWindow german(QStringLiteral("de"));
        QStringList descriptions;
        for (QDialog* dialog : german.window->findChildren<QDialog*>()) {
            dialog->show();
            for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) descriptions << field->accessibleDescription();
            dialog->hide();
        }
        EXPECT_TRUE(descriptions.contains(QStringLiteral("Bodentemperatur, in Kelvin, von 0 bis 100.000.")))
            << descriptions.join('\n').toStdString();
    }
    QLocale::setDefault(before);
}

TEST(TranslationTest, EveryControlHasAnAccessibleName)
{
    ScriptedPlatform platform;
    CUIWindow window(platform);
    window.show();
    QStringList unnamed;
    for (QWidget* w : windowsOf(window)) {
        for (QWidget* control : w->findChildren<QWidget*>()) {
            const bool isControl = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                                   qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSlider*>(control) ||
                                   qobject_cast<QAbstractSpinBox*>(control);
            // A combo box's or spin box's own line edit is named through
            // its box, a scroll area's bars through the area.
            if (!isControl || !control->isVisibleTo(w) || qobject_cast<QScrollBar*>(control) ||
                qobject_cast<QComboBox*>(control->parentWidget()) ||
                qobject_cast<QAbstractSpinBox*>(control->parentWidget()))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << QStringLiteral("%1: %2 %3").arg(w->windowTitle(), control->metaObject()->className(),
                                                          control->objectName());
        }
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join('\n').toStdString();
}
}  // namespace
