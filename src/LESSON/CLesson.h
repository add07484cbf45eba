// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson: a Markdown file whose pages are separated by a line "---", with
// the simulation files and images it names in its folder. Its actions are
// links of the scheme quorvel: ("quorvel:set?floor-temperature=300"), and a
// page may wait for the simulation with a checkpoint
// ("<!-- quorvel:when temperature > 150 -->"). Reading a lesson never fails
// outright: each problem is kept with its line, and what can be read is.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>
#include <utility>
#include <vector>

class CSimulation;

namespace lesson {

enum class CActionKind { open, set, run, stop, plots, select, controls };

struct CAction {
    CActionKind kind = CActionKind::run;
    QString link;  // as written: "quorvel:set?floor-temperature=300"
    QList<std::pair<QString, QString>> arguments;  // in the order written
    int line = 0;
    bool valid = true;  // false: a problem names its line, and it does nothing
};

// A quantity the simulation shows, that a checkpoint can wait for.
struct CQuantity {
    const char* name;     // "temperature"
    const char* unit;     // "K"
    const char* meaning;  // for the documentation and the waiting note
    double (*read)(const CSimulation&);
};
// Every quantity, in the order the documentation lists them.
const std::vector<CQuantity>& quantities();
const CQuantity* findQuantity(const QString& name);

struct CCheckpoint {
    const CQuantity* quantity = nullptr;
    QString comparison;  // ">", ">=", "<" or "<="
    double threshold = 0.0;
    QString condition;  // as written: "temperature > 150"
    int line = 0;
    bool holds(const CSimulation& simulation) const;
    // "temperature > 150 K"
    QString description() const;
};

struct CPage {
    QString markdown;  // the page's text, without its checkpoint
    int firstLine = 1;
    std::vector<CAction> actions;
    std::optional<CCheckpoint> checkpoint;
};

struct CProblem {
    int line = 0;  // 0: the lesson as a whole
    QString message;
};

struct CLesson {
    QString path;    // the file read
    QString folder;  // where its files are found
    QString title;   // its first heading, else the folder's name
    std::vector<CPage> pages;
    std::vector<CProblem> problems;
    // The action of a link of page, as the page read it; nullptr if none.
    const CAction* action(int page, const QString& link) const;
};

// Reads a lesson from a file on disk or in the resources (":/lessons/...").
CLesson readLesson(const QString& path);
// Reads a lesson from its text; folder is where its files must be.
CLesson parseLesson(const QString& text, const QString& folder);
// The problems as lines "name:line: message", one each.
QStringList problemLines(const CLesson& lesson, const QString& name);

// ---- actions (CLessonActions.cpp)
// Reads a link of the quorvel: scheme; an empty answer, else the problem.
QString readAction(const QString& link, CAction& action);
// The words of quorvel:plots?tab=, in the order of the Plots window's tabs.
const QStringList& plotTabs();
// What each action does, as a Markdown table for the documentation.
QString actionsMarkdownTable();
QString quantitiesMarkdownTable();

}  // namespace lesson
