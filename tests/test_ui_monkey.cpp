// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded monkey on the real main window: keys, drags with every button and
// modifier, the wheel, every menu command, dialogs filled with hostile text and
// accepted or cancelled, alerts and panels answered at random, crafted files
// opened. It passes when nothing crashes, hangs or trips the sanitizers.
// QUORVEL_MONKEY_SEED replays a run; QUORVEL_MONKEY_EVENTS changes its length.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <unistd.h>

#include "SIM/model/CSimulation.h"
#include "UI/CUIView.h"
#include "UI/CUIWindow.h"
#include "support/ScriptedPlatform.h"
#include "test_ui_dialogs_random.h"

namespace {

const char* const kHostileTexts[] = {"", "abc", "1,5", "nan", "inf", "-1", "0", "1e308"};

std::string monkeyDirectory()
{
    static std::string dir = [] {
        char pattern[] = "/tmp/quorvel-monkey-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}

// Alerts get a random button; the open panel offers crafted files; the save
// panel sometimes gives a path with the requested extension.
class MonkeyPlatform : public ScriptedPlatform {
public:
    std::mt19937* rng = nullptr;
    std::vector<std::string> files;

    int alert(const std::string& title, const std::string& message, const std::vector<std::string>& buttons) override
    {
        ScriptedPlatform::alert(title, message, buttons);
        if (alerts.size() > 100) alerts.erase(alerts.begin(), alerts.begin() + 50);
        return buttons.empty() ? 0 : static_cast<int>((*rng)() % buttons.size());
    }
    bool openPanel(const std::string&, const std::string&, std::string& chosenPath) override
    {
        if ((*rng)() % 4 == 0 || files.empty()) return false;
        chosenPath = files[(*rng)() % files.size()];
        return true;
    }
    bool savePanel(const CSavePanelRequest& request, std::string& chosenPath) override
    {
        if ((*rng)() % 3 != 0) return false;
        chosenPath = monkeyDirectory() + "/saved." + request.requiredFileType;
        return true;
    }
};

class MonkeyTest : public ::testing::Test {
protected:
    std::mt19937 rng;
    MonkeyPlatform platform;
    std::unique_ptr<RandomSequenceGuard> sequence;
    std::unique_ptr<CUIWindow> window;
    std::vector<QAction*> commands;
    int pendingChecks = 0;

    void SetUp() override
    {
        sequence = std::make_unique<RandomSequenceGuard>();
        platform.rng = &rng;
        window = std::make_unique<CUIWindow>(platform);
        window->show();
        writeCraftedFiles();
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            emit menu->aboutToShow();
            for (QAction* a : menu->actions()) {
                if (a->menu()) walk(a->menu());
                else if (!a->isSeparator() && a->shortcut() != QKeySequence(QKeySequence::Quit)) commands.push_back(a);
            }
        };
        for (QAction* top : window->menuBar()->actions())
            if (top->menu()) walk(top->menu());
    }
    void TearDown() override
    {
        window.reset();
        sequence.reset();
    }

    void writeCraftedFiles()
    {
        const char* crafted[] = {"DGDF 1\nDDTY 100000000\n", "ADIA 0 -3e-10\n", "UFTU 1\nUFTM -300\nDDTC 0\n",
                                 "TIPD 4000000000\nTRNF 1\n", "VSCA 0\nVEYP 0\n", "ANUM 0 12\nBHWD 2e-10\n",
                                 "WWID 1e30\nWHEI -5\nWARI 9\nDTSZ -2\nDHWD 99999\n", "\x80\x81"};
        int k = 0;
        for (const char* text : crafted) {
            std::string path = monkeyDirectory() + "/crafted" + std::to_string(k++) + ".txt";
            std::ofstream(path, std::ios::binary) << text;
            platform.files.push_back(path);
        }
        platform.files.push_back(monkeyDirectory() + "/saved.txt");
        platform.files.push_back(monkeyDirectory() + "/missing.txt");
    }

    int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    Qt::KeyboardModifiers modifiers()
    {
        Qt::KeyboardModifiers mods;
        const Qt::KeyboardModifier each[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier};
        for (Qt::KeyboardModifier m : each)
            if (pick(4) == 0) mods |= m;
        return mods;
    }

    // Fills whatever modal dialog is up with hostile text and answers it;
    // checks again while dialogs keep opening within the same command.
    void scheduleDialogAnswers()
    {
        pendingChecks = 8;
        QTimer::singleShot(0, [this] { answerDialog(); });
    }
    void answerDialog()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (--pendingChecks > 0) QTimer::singleShot(0, [this] { answerDialog(); });
            return;
        }
        pendingChecks = 8;
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            if (field->isEnabled() && !field->isReadOnly() && pick(3) != 0)
                field->setText(kHostileTexts[pick(std::size(kHostileTexts))]);
        for (QComboBox* box : dialog->findChildren<QComboBox*>())
            if (box->count() > 0 && pick(3) == 0) box->setCurrentIndex(pick(box->count()));
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (pick(3) == 0) box->setChecked(!box->isChecked());
        for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
            if (pick(4) == 0) button->setChecked(true);
        if (pick(3) == 0) dialog->reject();
        else dialog->accept();
        // A refused value keeps the dialog open: it is answered again, and in
        // the end cancelled, so the command always returns.
        QTimer::singleShot(0, [this, dialog] {
            if (QApplication::activeModalWidget() == dialog && pick(2) == 0) dialog->reject();
            answerDialog();
        });
    }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers mods)
    {
        CUIView* view = window->UIView;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        QMouseEvent event(type, at, view->mapToGlobal(at), changed, held, mods);
        QApplication::sendEvent(view, &event);
    }

    void oneEvent()
    {
        CUIView* view = window->UIView;
        const QPointF anywhere(pick(std::max(1, view->width())), pick(std::max(1, view->height())));
        switch (pick(10)) {
        case 0:
        case 1: {
            const int keys[] = {Qt::Key_Space, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right,
                                Qt::Key_Up,    Qt::Key_Down,   Qt::Key_A,    Qt::Key_Tab};
            QKeyEvent event(QEvent::KeyPress, keys[pick(std::size(keys))], modifiers());
            QApplication::sendEvent(view, &event);
            break;
        }
        case 2:
        case 3: {
            const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};
            const Qt::MouseButton button = buttons[pick(3)];
            const Qt::KeyboardModifiers mods = modifiers();
            QPointF at = anywhere;
            mouse(QEvent::MouseButtonPress, at, button, mods);
            for (int k = pick(5); k > 0; k--) {
                at += QPointF(pick(601) - 300, pick(601) - 300);
                mouse(QEvent::MouseMove, at, button, mods);
            }
            mouse(QEvent::MouseButtonRelease, at, button, mods);
            break;
        }
        case 4: {
            const QPointF at(view->width() / 2.0, view->height() / 2.0);
            QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(pick(2) ? 0 : pick(721) - 360, pick(721) - 360),
                              Qt::NoButton, modifiers(), Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &event);
            break;
        }
        default: {
            // Menu commands, the way their shortcuts and the menu trigger them.
            for (QAction* top : window->menuBar()->actions())
                if (top->menu()) emit top->menu()->aboutToShow();
            scheduleDialogAnswers();
            commands[static_cast<size_t>(pick(static_cast<int>(commands.size())))]->trigger();
            break;
        }
        }
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
};

}  // namespace

TEST_F(MonkeyTest, ThousandsOfRandomEventsNeitherCrashNorHang)
{
    const char* seedText = std::getenv("QUORVEL_MONKEY_SEED");
    const char* eventsText = std::getenv("QUORVEL_MONKEY_EVENTS");
    const unsigned seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10)) : 20261208u;
    const int events = eventsText ? std::atoi(eventsText) : 5000;
    rng.seed(seed);
    // Printed first, so a crash or a sanitizer report still names the run to replay.
    std::fprintf(stderr, "monkey seed %u (replay with QUORVEL_MONKEY_SEED=%u)\n", seed, seed);
    ASSERT_FALSE(commands.empty());
    for (int k = 0; k < events; k++) {
        oneEvent();
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog stayed open after event " << k
                                                              << "; replay with QUORVEL_MONKEY_SEED=" << seed;
    }
    window->stop();
    std::fprintf(stderr, "monkey seed %u: %d events, %zu alerts kept\n", seed, events, platform.alerts.size());
}
