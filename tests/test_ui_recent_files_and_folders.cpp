// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open Recent's list in the settings: newest first, each file once, at
// most eight, missing files dropped, and the list kept across restarts; and
// the folders the file panels start in; and the engine's threads, chosen in
// Simulation > Timing and kept as this computer's preference.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QTimer>

#include <thread>

#include "UI/CQtPlatform.h"
#include "UI/CRecentFiles.h"
#include "DIALOG/CEngineThreadsSetting.h"
#include "DIALOG/CTimingDialog.h"
#include "SIM/model/CSimulation.h"
#include "UI/CUIWindow.h"
#include "support/ScriptedPlatform.h"

namespace {
class RecentFilesTest : public ::testing::Test {
protected:
    void SetUp() override { recent.clear(); }
    void TearDown() override { recent.clear(); }

    QString makeFile(const QString& name)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("VERS 56\n");
        return path;
    }

    QTemporaryDir folder;
    CRecentFiles recent{QStringLiteral("test/recentFiles")};
};
}  // namespace

TEST_F(RecentFilesTest, NewestFirstEachOnceAndAtMostEight)
{
    QStringList made;
    for (int k = 0; k < 10; k++) made << makeFile(QStringLiteral("sim-%1.txt").arg(k));
    for (const QString& path : made) recent.add(path);
    QStringList expected;
    for (int k = 9; k >= 2; k--) expected << made[k];
    EXPECT_EQ(recent.paths(), expected);

    // Opening one again moves it to the front instead of listing it twice.
    recent.add(made[5]);
    EXPECT_EQ(recent.paths().size(), CRecentFiles::kMost);
    EXPECT_EQ(recent.paths().front(), made[5]);
    EXPECT_EQ(recent.paths().count(made[5]), 1);
}

TEST_F(RecentFilesTest, RelativePathsAreKeptAbsoluteSoTheyStillOpenFromAnotherFolder)
{
    const QString path = makeFile(QStringLiteral("here.txt"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    recent.add(QStringLiteral("here.txt"));
    QDir::setCurrent(previous);
    EXPECT_EQ(recent.paths(), QStringList{path});
}

TEST_F(RecentFilesTest, MissingFilesAreDroppedAndAnswered)
{
    const QString kept = makeFile(QStringLiteral("kept.txt")), gone = makeFile(QStringLiteral("gone.txt"));
    recent.add(kept);
    recent.add(gone);
    ASSERT_TRUE(QFile::remove(gone));
    EXPECT_EQ(recent.dropMissing(), QStringList{gone});
    EXPECT_EQ(recent.paths(), QStringList{kept});
    EXPECT_TRUE(recent.dropMissing().isEmpty());
}

TEST_F(RecentFilesTest, TheListLivesInTheSettingsAndSurvivesAHandEditedFile)
{
    const QString path = makeFile(QStringLiteral("a.txt"));
    recent.add(path);
    // Another instance (a restart) reads the same list.
    EXPECT_EQ(CRecentFiles(QStringLiteral("test/recentFiles")).paths(), QStringList{path});

    QStringList edited;
    for (int k = 0; k < 12; k++) edited << QStringLiteral("/x/%1.txt").arg(k) << QString();
    edited << QStringLiteral("/x/0.txt");
    QSettings().setValue(QStringLiteral("test/recentFiles"), edited);
    const QStringList read = recent.paths();
    EXPECT_EQ(read.size(), CRecentFiles::kMost);
    EXPECT_FALSE(read.contains(QString()));
    EXPECT_EQ(read.front(), QStringLiteral("/x/0.txt"));
    EXPECT_EQ(read.count(QStringLiteral("/x/0.txt")), 1);
}

TEST(LastUsedFolderTest, EachFileTypeStartsInItsFolderThenInTheLastOneUsedThenAtHome)
{
    QSettings().remove(QStringLiteral("folders"));
    EXPECT_EQ(lastUsedFolder("txt"), QDir::homePath());

    QTemporaryDir simulations, movies;
    rememberFolderOf(QDir(simulations.path()).filePath(QStringLiteral("a.txt")), "txt");
    EXPECT_EQ(lastUsedFolder("txt"), simulations.path());
    EXPECT_EQ(lastUsedFolder("mov"), simulations.path()) << "a type not used yet starts in the last folder";

    rememberFolderOf(QDir(movies.path()).filePath(QStringLiteral("MOVIE.mov")), "mov");
    EXPECT_EQ(lastUsedFolder("mov"), movies.path());
    EXPECT_EQ(lastUsedFolder("txt"), simulations.path());

    // A folder removed since is not offered, for its type nor for any.
    movies.remove();
    EXPECT_EQ(lastUsedFolder("mov"), QDir::homePath());
    QSettings().remove(QStringLiteral("folders"));
}

TEST(LastUsedFolderTest, TheSavePanelOpensInTheFolderLastUsedForItsType)
{
    QTemporaryDir frames;
    rememberFolderOf(QDir(frames.path()).filePath(QStringLiteral("FRAME.jpg")), "jpg");
    CQtPlatform platform;
    QString shownFolder;
    // The panel is modal: look at it from inside its event loop, then cancel it.
    QTimer::singleShot(0, [&] {
        if (auto* panel = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            shownFolder = panel->directory().absolutePath();
            panel->reject();
        }
    });
    std::string chosen;
    EXPECT_FALSE(platform.savePanel({"Save Captured Frame 'jpg' File As...", "File Name: ", "jpg", "FRAME.jpg"}, chosen));
    EXPECT_EQ(shownFolder, frames.path());
    QSettings().remove(QStringLiteral("folders"));
}

TEST(RecentFileTitles, TwoFilesOfOneNameShowTheirFolders)
{
    const QString home = QDir::homePath();
    const QStringList titles =
        CRecentFiles::titles({home + "/a/run.txt", "/srv/b/run.txt", home + "/other.txt"});
    ASSERT_EQ(titles.size(), 3);
    EXPECT_EQ(titles[0], QString::fromUtf8("run.txt \u2014 ~/a"));
    EXPECT_EQ(titles[1], QString::fromUtf8("run.txt \u2014 /srv/b"));
    EXPECT_EQ(titles[2], "other.txt");
}

// The folder panel answers the path typed, a new folder too, and nothing it
// cannot name exactly (the toolkit's own panel refused new folders and could
// answer the folder shown instead).
TEST_F(RecentFilesTest, TheFolderPanelAnswersThePathTypedANewFolderToo)
{
    const QString shown = folder.path();
    const QString file = makeFile(QStringLiteral("plain.txt"));
    QString problem;
    EXPECT_EQ(folderForTypedName(QString(), shown, problem), shown);
    EXPECT_EQ(folderForTypedName(QStringLiteral("new-run"), shown, problem), shown + "/new-run");
    EXPECT_EQ(folderForTypedName(shown + "/new-run/", "/", problem), shown + "/new-run");
    EXPECT_TRUE(folderForTypedName(QStringLiteral("no-such/new-run"), shown, problem).isEmpty());
    EXPECT_TRUE(problem.contains("does not exist"));
    EXPECT_TRUE(folderForTypedName(file, shown, problem).isEmpty());
    EXPECT_TRUE(folderForTypedName("\"" + shown + "\" \"new-run\"", shown, problem).isEmpty());
    EXPECT_TRUE(problem.contains("quotation marks"));
}

namespace {
// Automatic is the first choice and the default; a count chosen in one
// window is what every window made after it, and every simulation opened
// in it, steps with, until automatic is chosen again.
TEST(EngineThreadsTest, TimingChoosesTheThreadsEveryWindowAndSimulationStepsWith)
{
    engineThreadsSetting::store(modelLimits::kAutomaticThreads);
    ScriptedPlatform platform;
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    auto timing = [](CUIWindow& window) -> CTimingDialog& {
        window.TimingDialog->fill();
        window.TimingDialog->show();
        return *window.TimingDialog;
    };
    {
        CUIWindow first(platform);
        EXPECT_EQ(first.Simulation.getEngineThreads(), modelLimits::kAutomaticThreads);
        CTimingDialog& t = timing(first);
        EXPECT_EQ(t.threadsField->value(), t.threadsField->minimum());
        EXPECT_EQ(t.threadsField->text(), QStringLiteral("automatic"));
        EXPECT_EQ(t.threadsField->maximum(), cores);
        t.threadsField->setValue(1);
        t.accept();
        EXPECT_FALSE(t.isVisible());
        EXPECT_EQ(first.Simulation.getEngineThreads(), 1);
        EXPECT_EQ(first.Simulation.engineThreadsInUse(), 1);
        // A simulation put in place keeps the window's threads.
        ASSERT_TRUE(first.openSimulationFile(QStringLiteral(QUORVEL_BENCH_DIR "/liquid-400.txt")));
        EXPECT_EQ(first.Simulation.getEngineThreads(), 1);
        first.Document.markSaved();
    }
    {
        CUIWindow second(platform);
        EXPECT_EQ(second.Simulation.getEngineThreads(), 1);
        CTimingDialog& t = timing(second);
        EXPECT_EQ(t.threadsField->value(), 1);
        // Cancelled, nothing is kept.
        t.threadsField->setValue(t.threadsField->minimum());
        t.cancel();
        EXPECT_EQ(engineThreadsSetting::stored(), 1);
        timing(second).threadsField->setValue(t.threadsField->minimum());
        t.accept();
        EXPECT_EQ(second.Simulation.getEngineThreads(), modelLimits::kAutomaticThreads);
        EXPECT_EQ(second.Simulation.engineThreadsInUse(), cores);
    }
    CUIWindow third(platform);
    EXPECT_EQ(third.Simulation.getEngineThreads(), modelLimits::kAutomaticThreads);
    // A settings file edited by hand to a count the engine refuses: automatic.
    for (const QVariant& kept : {QVariant(QStringLiteral("many")), QVariant(-3), QVariant(1000)}) {
        QSettings().setValue(QStringLiteral("engine/threads"), kept);
        EXPECT_EQ(engineThreadsSetting::stored(), modelLimits::kAutomaticThreads) << kept.toString().toStdString();
    }
    engineThreadsSetting::store(modelLimits::kAutomaticThreads);
}
}  // namespace
