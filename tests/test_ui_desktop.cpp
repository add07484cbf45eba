// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a desktop program: access letters unique in every menu, the
// Debug menu only on request, the keyboard and mouse tables of the README in
// Help, File > Open Recent, quitting while a movie records, and the view and
// its captures on a scaled screen (run by the ui_scaled_screen test at
// QT_SCALE_FACTOR=2; skipped at ratio 1).
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <map>
#include <set>

#include "DIALOG/CKeyboardMouseDialog.h"
#include "DIALOG/CMovieDialog.h"
#include "QuorvelVersion.h"
#include "RENDER/CQPainterSurface.h"
#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"
#include "test_ui_dialogs_random.h"

namespace {
QString plain(QString text) { return text.remove('&'); }

// The letter after a single '&' ("Select A&ll" is 'l'); none for "&&" alone.
QChar accessLetter(const QString& text)
{
    for (qsizetype k = 0; k + 1 < text.size(); k++) {
        if (text[k] != '&') continue;
        if (text[k + 1] == '&') {
            k++;
            continue;
        }
        return text[k + 1].toLower();
    }
    return {};
}

QMenu* topMenu(CUIWindow& window, const QString& title)
{
    for (QAction* top : window.menuBar()->actions())
        if (top->menu() && plain(top->text()) == title) return top->menu();
    return nullptr;
}

QAction* item(QMenu* menu, const QString& text)
{
    emit menu->aboutToShow();
    for (QAction* a : menu->actions())
        if (plain(a->text()) == text) return a;
    return nullptr;
}

// The rows of a README table under the header "| first | Does |", markup removed.
std::vector<std::pair<QString, QString>> readmeTable(const QString& first)
{
    QFile readme(QStringLiteral(QUORVEL_BENCH_DIR "/../../README.md"));
    EXPECT_TRUE(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(readme.readAll()).split('\n');
    std::vector<std::pair<QString, QString>> rows;
    const qsizetype header = lines.indexOf(QStringLiteral("| %1 | Does |").arg(first));
    EXPECT_GE(header, 0) << first.toStdString();
    for (qsizetype k = header + 2; header >= 0 && k < lines.size() && lines[k].startsWith('|'); k++) {
        const QStringList cells = lines[k].split('|');
        if (cells.size() >= 3) rows.emplace_back(cells[1].trimmed().remove('*'), cells[2].trimmed().remove('*'));
    }
    return rows;
}
}  // namespace

// Each test leaves random() where it found it, for the placements of later tests.
using DesktopTest = RandomKeepingWindowTest;

TEST_F(DesktopTest, AccessLettersAreUniqueInTheMenuBarAndInEveryMenu)
{
    std::function<void(const QString&, const QList<QAction*>&)> check = [&](const QString& where,
                                                                            const QList<QAction*>& actions) {
        std::map<QChar, QString> taken;
        for (QAction* a : actions) {
            if (a->isSeparator()) continue;
            const QChar letter = accessLetter(a->text());
            if (!letter.isNull()) {
                const auto [at, fresh] = taken.emplace(letter, a->text());
                EXPECT_TRUE(fresh) << where.toStdString() << ": " << a->text().toStdString() << " and "
                                   << at->second.toStdString() << " share '" << QString(letter).toStdString() << "'";
            }
            if (a->menu()) {
                emit a->menu()->aboutToShow();
                check(plain(a->text()), a->menu()->actions());
            }
        }
    };
    check(QStringLiteral("menu bar"), window->menuBar()->actions());
    // The pairs that used to share a letter now differ.
    QMenu* edit = topMenu(*window, QStringLiteral("Edit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_NE(accessLetter(item(edit, "Select All")->text()), accessLetter(item(edit, "Select Type A")->text()));
    EXPECT_NE(accessLetter(item(edit, "Delete Selected")->text()), accessLetter(item(edit, "Select Type D")->text()));
}

TEST_F(DesktopTest, TheDebugMenuAppearsOnlyWithQuorvelDebugAndRepeatsTwoEditCommands)
{
    EXPECT_EQ(topMenu(*window, QStringLiteral("Debug")), nullptr);

    qputenv("QUORVEL_DEBUG", "1");
    CUIWindow debugging(platform);
    qunsetenv("QUORVEL_DEBUG");
    QMenu* debug = topMenu(debugging, QStringLiteral("Debug"));
    ASSERT_NE(debug, nullptr);
    QMenu* edit = topMenu(debugging, QStringLiteral("Edit"));
    CSimulation& sim = debugging.Simulation;
    sim.selectAll(1);
    // Each debug command moves the atoms exactly as its edit command does
    // (atoms at rest in the default box already fit, so fitting keeps them).
    const struct {
        const char* debugCommand;
        const char* editCommand;
    } pairs[] = {{"Debug 1 (Clump Selected)", "Clump Selected"}, {"Debug 2 (Shift Atoms to Fit)", "Shift Atoms to Fit"}};
    // The positions of the default simulation's type-A atoms.
    auto positions = [&sim] {
        std::vector<double> xyz;
        for (int n = 0; n < sim.getNumber(0); n++) xyz.insert(xyz.end(), sim.state().atoms.loc[0][n].v, sim.state().atoms.loc[0][n].v + 3);
        return xyz;
    };
    auto restore = [&sim](const std::vector<double>& xyz) {
        for (int n = 0; n < sim.getNumber(0); n++) StateEdit(sim)->atoms.loc[0][n].setXYZ(xyz[3 * n], xyz[3 * n + 1], xyz[3 * n + 2]);
    };
    for (const auto& pair : pairs) {
        const std::vector<double> start = positions();
        QAction* viaDebug = item(debug, pair.debugCommand);
        ASSERT_NE(viaDebug, nullptr) << pair.debugCommand;
        {
            RandomSequenceGuard rewind;  // both commands draw the same random numbers
            viaDebug->trigger();
        }
        const std::vector<double> afterDebug = positions();
        if (pair.debugCommand[6] == '1') {
            EXPECT_NE(afterDebug, start) << "clumping moved nothing";
        }
        restore(start);
        item(edit, pair.editCommand)->trigger();
        EXPECT_EQ(positions(), afterDebug) << pair.debugCommand;
    }
}

TEST_F(DesktopTest, KeyboardAndMouseShowsTheReadmeTablesBesideTheWindow)
{
    QAction* command = item(topMenu(*window, QStringLiteral("Help")), QStringLiteral("Keyboard and Mouse"));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->shortcut(), QKeySequence(QKeySequence::HelpContents));
    command->trigger();
    auto* dialog = window->findChild<CKeyboardMouseDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal()) << "the run goes on while the tables are open";
    const QString shown = dialog->tables->toPlainText();
    for (const QString& table : {QStringLiteral("Gesture"), QStringLiteral("Key")}) {
        const auto rows = readmeTable(table);
        EXPECT_GE(rows.size(), 6u) << table.toStdString();
        for (const auto& [what, does] : rows) {
            EXPECT_TRUE(shown.contains(what)) << what.toStdString();
            EXPECT_TRUE(shown.contains(does)) << does.toStdString();
        }
    }
    command->trigger();  // shown again, not made twice
    EXPECT_EQ(window->findChildren<CKeyboardMouseDialog*>().size(), 1);
}

TEST_F(DesktopTest, AboutShowsTheVersionCMakeSets)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text() + box->informativeText();
            box->accept();
        }
    });
    window->showAbout();
    EXPECT_TRUE(shown.contains(QStringLiteral("Quorvel " QUORVEL_VERSION))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("General Public License")));
}

TEST_F(DesktopTest, OpenRecentListsOpenedFilesNewestFirstAndDropsMissingOnesWithANote)
{
    CRecentFiles().clear();
    QTemporaryDir folder;
    QStringList paths;
    for (const char* name : {"first.txt", "second & more.txt"}) {
        paths << folder.filePath(QString::fromLatin1(name));
        s->setSavePath(paths.back().toStdString());
        ASSERT_TRUE(s->writeOutputFile());
        ASSERT_TRUE(window->openSimulationFile(paths.back()));
    }
    QMenu* file = topMenu(*window, QStringLiteral("File"));
    QMenu* recent = item(file, QStringLiteral("Open Recent"))->menu();
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    QAction* newest = item(recent, QStringLiteral("1 second  more.txt"));
    ASSERT_NE(newest, nullptr) << "an ampersand in a name is shown, not taken as the access letter";
    EXPECT_EQ(newest->toolTip(), paths[1]);
    ASSERT_NE(item(recent, QStringLiteral("2 first.txt")), nullptr);

    item(recent, QStringLiteral("2 first.txt"))->trigger();
    EXPECT_EQ(window->documentName(), QStringLiteral("first.txt"));
    ASSERT_NE(item(recent, QStringLiteral("1 first.txt")), nullptr) << "the file opened moves to the top";

    // Gone before the menu opens: dropped with a note in the menu.
    ASSERT_TRUE(QFile::remove(paths[1]));
    QAction* note = item(recent, QStringLiteral("second  more.txt is gone and was removed"));
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isEnabled());
    QStringList shown;
    for (QAction* a : recent->actions()) shown << plain(a->text());
    EXPECT_FALSE(shown.contains(QStringLiteral("2 second  more.txt")));
    EXPECT_TRUE(shown.contains(QStringLiteral("1 first.txt")));

    // Gone after the menu opened: dropped with an alert, nothing else changes.
    ASSERT_TRUE(QFile::remove(paths[0]));
    platform.alerts.clear();
    EXPECT_FALSE(window->openRecentFile(paths[0]));
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_NE(platform.alerts[0].message.find("no longer there"), std::string::npos);
    EXPECT_TRUE(CRecentFiles().paths().isEmpty());
    EXPECT_EQ(window->documentName(), QStringLiteral("first.txt"));
}

TEST_F(DesktopTest, QuitWhileAMovieRecordsAsksAndClosesTheMovieProperly)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("MOVIE.mov"));
    platform.saveAnswers.push_back(path.toStdString());
    window->UIViewCapture->settings.displaysPerFrame = 1;
    QTimer::singleShot(0, window.get(), [&] { window->MovieDialog->accept(); });
    window->makeMovie();
    window->run();
    CViewCapture& capture = *window->UIViewCapture;
    ASSERT_TRUE(capture.getMakeMovieFlag());
    QElapsedTimer clock;
    clock.start();
    while (capture.getCurrentFrame() < 2 && clock.elapsed() < 30000) settle(5);

    // The run left changes: Don't Save, each time. Then Cancel: the window
    // stays and the recording goes on.
    platform.alertAnswers.push_back(1);
    platform.alertAnswers.push_back(1);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(capture.getMakeMovieFlag());
    EXPECT_TRUE(capture.recordMovie().isOpen());

    // Finish and quit: the movie is written out and closed, then the window
    // goes. Frames are encoded on the recorder's thread, so they are counted
    // once the close has waited for them.
    platform.alertAnswers.push_back(1);
    platform.alertAnswers.push_back(0);
    EXPECT_TRUE(window->close());
    const int frames = capture.recordMovie().framesWritten();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(capture.getMakeMovieFlag());
    EXPECT_FALSE(capture.recordMovie().isOpen());
    EXPECT_GE(frames, 2);
    EXPECT_GT(QFileInfo(path).size(), 0);
    ASSERT_EQ(platform.alerts.size(), 4u);
    EXPECT_NE(platform.alerts[1].message.find("movie is being recorded"), std::string::npos);
}

TEST_F(DesktopTest, QuitWithoutAMovieAsksNothing)
{
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(platform.alerts.empty());
}

// ---------------------------------------------------------------- scaled screen

class ScaledScreenTest : public UiWindowTest {
protected:
    void SetUp() override
    {
        UiWindowTest::SetUp();
        if (view->devicePixelRatioF() != 2.0) GTEST_SKIP() << "runs at QT_SCALE_FACTOR=2 (ctest ui_scaled_screen)";
    }
};

TEST_F(ScaledScreenTest, TheSceneIsPaintedAtTheScreensPixelsNotScaledUp)
{
    s->selectAll(0);
    view->setNeedsDisplay();
    settle(20);
    const QImage shown = view->grab().toImage();
    ASSERT_EQ(shown.size(), view->size() * 2);

    // The same scene drawn directly at ratio 2.
    QImage direct(view->size() * 2, QImage::Format_ARGB32_Premultiplied);
    direct.setDevicePixelRatio(2.0);
    {
        QPainter painter(&direct);
        CQPainterSurface surface(painter, view->height());
        window->Scene.drawPicture(surface, view->width(), view->height(), false);
    }
    // The middle of the view, away from the status fields and the histogram.
    const QRect middle(shown.width() / 4, shown.height() / 4, shown.width() / 2, shown.height() / 2);
    const QImage a = shown.copy(middle).convertToFormat(QImage::Format_RGB32);
    const QImage b = direct.copy(middle).convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); y++)
        for (int x = 0; x < a.width(); x++) differing += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(ScaledScreenTest, CapturesKeepTheViewsSizeInPointsUnlessFullResolutionIsAsked)
{
    CViewCapture& capture = *window->UIViewCapture;
    EXPECT_EQ(capture.viewImage().size(), view->size());
    capture.settings.screenPixels = 1;
    EXPECT_EQ(capture.viewImage().size(), view->size() * 2);
    capture.settings.screenPixels = 0;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("MOVIE.mov"));
    platform.saveAnswers.push_back(path.toStdString());
    QTimer::singleShot(0, window.get(), [&] { window->MovieDialog->accept(); });
    window->makeMovie();
    ASSERT_TRUE(capture.recordMovie().isOpen());
    EXPECT_EQ(capture.recordMovie().codedWidth(), view->width() & ~1);
    EXPECT_EQ(capture.recordMovie().codedHeight(), view->height() & ~1);
    window->makeMovieAbort();
}
