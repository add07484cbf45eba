// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons: the shipped ones are whole, a teacher's mistakes are named by
// their lines (by the reader and by quorvel-batch --check-lesson) while the
// rest still reads, and a checkpoint holds only when the simulation shows it.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "LESSON/CLesson.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CSimulation.h"
#include "support/BatchProcess.h"
#include "support/ScriptedPlatform.h"

namespace {

const char* const kBadLesson =
    "# A lesson with mistakes\n"                                    // 1
    "[Jump](quorvel:jump)\n"                                         // 2
    "[Warm](quorvel:set?floor-temprature=300)\n"                     // 3
    "[Too cold](quorvel:set?floor-temperature=-5)\n"                 // 4
    "[Gone](quorvel:open?file=missing.txt) [Here](quorvel:open?file=gas.txt)\n"  // 5
    "![A picture](nothere.png)\n"                                    // 6
    "---\n"                                                          // 7
    "<!-- quorvel:when temprature > 3 -->\n"                         // 8
    "<!-- quorvel:wait 3 -->\n"                                      // 9
    "[Tab](quorvel:plots?tab=nope) [Type](quorvel:select?type=E) [Run](quorvel:run?fast=1)\n"  // 10
    "<!-- quorvel:when steps > many -->\n"                           // 11
    "[Fine](quorvel:set?mass.A=6.6e-26&floor-bath=on)\n";            // 12

std::string writeBadLesson()
{
    const std::string folder = scratch("bad-lesson");
    QDir().mkpath(QString::fromStdString(folder));
    QFile::copy(QStringLiteral(QUORVEL_LESSONS_DIR "/1-temperature-is-motion/gas.txt"),
                QString::fromStdString(folder + "/gas.txt"));
    QFile file(QString::fromStdString(folder + "/lesson.md"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kBadLesson);
    return folder + "/lesson.md";
}

}  // namespace

TEST(LessonTest, ShippedLessonsAreWholeAndPassTheCheck)
{
    const QDir shipped(QStringLiteral(QUORVEL_LESSONS_DIR));
    const QStringList folders = shipped.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    ASSERT_EQ(folders.size(), 5);
    for (const QString& folder : folders) {
        const QString path = shipped.filePath(folder + QStringLiteral("/lesson.md"));
        const lesson::CLesson lesson = lesson::readLesson(path);
        SCOPED_TRACE(folder.toStdString());
        EXPECT_TRUE(lesson.problems.empty()) << lesson::problemLines(lesson, path).join('\n').toStdString();
        EXPECT_GE(lesson.pages.size(), 4u);
        EXPECT_LE(lesson.pages.size(), 8u);
        EXPECT_NE(lesson.title, folder) << "a lesson is titled by its first heading";
        bool opensASimulation = false;
        for (const lesson::CPage& page : lesson.pages) {
            EXPECT_FALSE(page.markdown.contains(QLatin1String("quorvel:when"))) << "the checkpoint is not shown";
            for (const lesson::CAction& action : page.actions)
                opensASimulation |= action.kind == lesson::CActionKind::open;
        }
        EXPECT_TRUE(opensASimulation);
        EXPECT_EQ(runBatch("--check-lesson " + path.toStdString() + " >/dev/null"), 0);
    }
}

TEST(LessonTest, TheGuideHoldsTheNamesAndAnExampleThatPasses)
{
    const QString guide = QString::fromStdString(readText(QUORVEL_LESSONS_DIR "/../docs/lessons.md"));
    const char* const paste = "paste the output of quorvel-batch --parameters and --lesson-format into docs/lessons.md";
    EXPECT_TRUE(guide.contains(QString::fromStdString(parameters::markdownTable()))) << paste;
    EXPECT_TRUE(guide.contains(lesson::actionsMarkdownTable())) << paste;
    EXPECT_TRUE(guide.contains(lesson::quantitiesMarkdownTable())) << paste;
    // The small lesson it ends with, beside a gas under a piston.
    const qsizetype start = guide.indexOf(QLatin1String("```markdown\n"));
    ASSERT_GE(start, 0);
    const qsizetype from = start + 12, end = guide.indexOf(QLatin1String("\n```\n"), from);
    const lesson::CLesson example =
        lesson::parseLesson(guide.mid(from, end - from), QStringLiteral(QUORVEL_LESSONS_DIR "/4-heat-and-work"));
    EXPECT_TRUE(example.problems.empty()) << lesson::problemLines(example, QStringLiteral("example")).join('\n').toStdString();
    EXPECT_EQ(example.pages.size(), 2u);
    EXPECT_TRUE(example.pages[0].checkpoint);
}

TEST(LessonTest, EveryMistakeIsNamedByItsLineAndTheRestStillReads)
{
    const std::string path = writeBadLesson();
    const lesson::CLesson lesson = lesson::readLesson(QString::fromStdString(path));
    std::multiset<int> lines;
    for (const lesson::CProblem& problem : lesson.problems) lines.insert(problem.line);
    EXPECT_EQ(lines, (std::multiset<int>{2, 3, 4, 5, 6, 8, 9, 10, 10, 10, 11}));
    auto said = [&](int line, const char* words) {
        for (const lesson::CProblem& problem : lesson.problems)
            if (problem.line == line && problem.message.contains(QLatin1String(words))) return true;
        return false;
    };
    EXPECT_TRUE(said(2, "unknown action \"jump\""));
    EXPECT_TRUE(said(3, "floor-temprature"));
    EXPECT_TRUE(said(4, "between 0 and 100000 K")) << "the value rule of the dialogs";
    EXPECT_TRUE(said(5, "missing.txt"));
    EXPECT_TRUE(said(6, "nothere.png"));
    EXPECT_TRUE(said(8, "temprature"));
    EXPECT_TRUE(said(10, "nope"));
    EXPECT_TRUE(said(11, "many"));

    // Both pages are there; the good links work and the bad ones do nothing.
    ASSERT_EQ(lesson.pages.size(), 2u);
    ASSERT_EQ(lesson.pages[0].actions.size(), 5u);
    EXPECT_FALSE(lesson.pages[0].actions[3].valid);
    EXPECT_TRUE(lesson.pages[0].actions[4].valid);
    const lesson::CAction* fine = lesson.action(1, QStringLiteral("quorvel:set?mass.A=6.6e-26&floor-bath=on"));
    ASSERT_NE(fine, nullptr);
    EXPECT_TRUE(fine->valid);
    EXPECT_EQ(fine->arguments.size(), 2);
    EXPECT_FALSE(lesson.pages[1].checkpoint) << "no checkpoint could be read";

    // The runner says the same, one line per problem, and exits 2.
    EXPECT_EQ(runBatch("--check-lesson " + path + " >" + scratch("problems.txt")), 2);
    const std::string printed = readText(scratch("problems.txt"));
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 11);
    EXPECT_NE(printed.find(path + ":4: floor-temperature=-5:"), std::string::npos) << printed;
}

TEST(LessonTest, ACheckpointHoldsOnlyWhenTheSimulationShowsIt)
{
    const lesson::CLesson lesson = lesson::parseLesson(QStringLiteral("# Wait\n"
                                                                      "Text\n"
                                                                      "<!-- quorvel:when steps >= 200 -->\n"
                                                                      "---\n"
                                                                      "<!-- quorvel:when temperature < 1e6 -->\n"),
                                                       QDir::tempPath());
    ASSERT_TRUE(lesson.problems.empty());
    ASSERT_EQ(lesson.pages.size(), 2u);
    const lesson::CCheckpoint& steps = *lesson.pages[0].checkpoint;
    EXPECT_EQ(steps.line, 3);
    EXPECT_EQ(steps.description(), QStringLiteral("steps >= 200 steps"));
    EXPECT_EQ(lesson.pages[0].markdown, QStringLiteral("# Wait\nText"));

    ScriptedPlatform platform;
    auto made = std::make_unique<CSimulation>(platform);
    CSimulation& simulation = *made;
    simulation.initWithDefaults();
    ASSERT_TRUE(simulation.setIPD(100));
    EXPECT_FALSE(steps.holds(simulation));
    simulation.runDisplay();
    EXPECT_FALSE(steps.holds(simulation)) << "100 steps";
    simulation.runDisplay();
    EXPECT_TRUE(steps.holds(simulation)) << "200 steps";
    EXPECT_TRUE(lesson.pages[1].checkpoint->holds(simulation));
}
