// SPDX-License-Identifier: GPL-3.0-or-later
// The actions a lesson's links ask for, and the checks of their arguments:
// quorvel:set takes every parameter by its one name and reads its value
// through the same setters and rules as the dialogs.
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <iterator>
#include <memory>

#include "LESSON/CLesson.h"
#include "SIM/model/CClock.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CSimulation.h"

namespace lesson {

namespace {

struct CActionWord {
    const char* word;
    CActionKind kind;
    const char* argument;  // the one argument it takes, if any
    bool argumentNeeded;
    const char* example;
    const char* does;
};

const CActionWord kActionWords[] = {
    {"open", CActionKind::open, "file", true, "quorvel:open?file=gas.txt",
     "opens a simulation file of the lesson's folder, as File > Open does (one step to undo)"},
    {"set", CActionKind::set, nullptr, true, "quorvel:set?floor-temperature=300&floor-bath=on",
     "sets one or more parameters by their names (quorvel-batch --parameters lists them), as their dialogs do, as one step to undo"},
    {"run", CActionKind::run, nullptr, false, "quorvel:run", "runs the simulation, as Simulation > Run does"},
    {"stop", CActionKind::stop, nullptr, false, "quorvel:stop", "stops it"},
    {"plots", CActionKind::plots, "tab", false, "quorvel:plots?tab=speed",
     "shows the Plots window, at the tab named: time-series, speed, radial-distribution, energy-ledger or diffusion"},
    {"select", CActionKind::select, "type", true, "quorvel:select?type=B",
     "selects the atoms of a type (A, B, C or D), or all of them (all), as Edit > Select Type does"},
    {"controls", CActionKind::controls, nullptr, false, "quorvel:controls", "shows the Controls panel"},
};

const char* const kTypeWords[] = {"A", "B", "C", "D", "all"};

// The simulation a value is tried on: set, then put back as it was.
CSimulation& scratchSimulation()
{
    static CClock clock;
    static const std::unique_ptr<CSimulation> simulation = [] {
        auto made = std::make_unique<CSimulation>(clock);
        made->initWithDefaults();
        return made;
    }();
    return *simulation;
}

QString checkSetting(const QString& name, const QString& value)
{
    parameters::CParameterRef ref;
    if (const std::string why = parameters::find(name.toStdString(), ref); !why.empty())
        return QString::fromStdString(why);
    if (value.isEmpty()) return QStringLiteral("%1 needs a value: quorvel:set?%1=VALUE").arg(name);
    CSimulation& scratch = scratchSimulation();
    const CSimulationState before = scratch.state();
    const COutcome outcome = parameters::set(scratch, ref, value.toStdString(), true);
    scratch.restoreState(before);
    if (!outcome.isRefused()) return {};
    return QStringLiteral("%1=%2: %3").arg(name, value, QString::fromStdString(outcome.message()));
}

}  // namespace

QString readAction(const QString& link, CAction& action)
{
    action.link = link;
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid()) return QStringLiteral("the link \"%1\" cannot be read: %2").arg(link, url.errorString());
    const QString word = url.path();
    const CActionWord* known = nullptr;
    for (const CActionWord& candidate : kActionWords)
        if (word == QLatin1String(candidate.word)) known = &candidate;
    if (!known) {
        QStringList words;
        for (const CActionWord& candidate : kActionWords) words << QString::fromLatin1(candidate.word);
        return QStringLiteral("unknown action \"%1\"; the actions are %2").arg(word, words.join(QLatin1String(", ")));
    }
    action.kind = known->kind;
    for (const auto& [name, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) action.arguments.append({name, value});

    if (known->kind == CActionKind::set) {
        if (action.arguments.isEmpty()) return QStringLiteral("quorvel:set needs NAME=VALUE, e.g. %1").arg(QLatin1String(known->example));
        for (const auto& [name, value] : action.arguments)
            if (QString problem = checkSetting(name, value); !problem.isEmpty()) return problem;
        return {};
    }
    const QString argument = QString::fromLatin1(known->argument ? known->argument : "");
    for (const auto& [name, value] : action.arguments)
        if (name != argument)
            return argument.isEmpty()
                       ? QStringLiteral("quorvel:%1 takes nothing after it, not \"%2\"").arg(word, name)
                       : QStringLiteral("quorvel:%1 takes %2=, not \"%3\"").arg(word, argument, name);
    if (known->argumentNeeded && action.arguments.isEmpty())
        return QStringLiteral("quorvel:%1 needs %2=..., e.g. %3").arg(word, argument, QLatin1String(known->example));
    const QString value = action.arguments.isEmpty() ? QString() : action.arguments.first().second;
    if (known->kind == CActionKind::plots && !value.isEmpty() && !plotTabs().contains(value))
        return QStringLiteral("unknown tab \"%1\"; the tabs are %2").arg(value, plotTabs().join(QLatin1String(", ")));
    if (known->kind == CActionKind::select &&
        std::none_of(std::begin(kTypeWords), std::end(kTypeWords),
                     [&](const char* type) { return value.compare(QLatin1String(type), Qt::CaseInsensitive) == 0; }))
        return QStringLiteral("unknown type \"%1\"; the types are A, B, C, D and all").arg(value);
    if (known->kind == CActionKind::open && value.isEmpty()) return QStringLiteral("quorvel:open needs file=NAME");
    return {};
}

const QStringList& plotTabs()
{
    static const QStringList tabs = {QStringLiteral("time-series"), QStringLiteral("speed"),
                                     QStringLiteral("radial-distribution"), QStringLiteral("energy-ledger"),
                                     QStringLiteral("diffusion")};
    return tabs;
}

QString actionsMarkdownTable()
{
    QString table = QStringLiteral("| action | example | what it does |\n|---|---|---|\n");
    for (const CActionWord& word : kActionWords)
        table += QStringLiteral("| `%1` | `%2` | %3 |\n")
                     .arg(QLatin1String(word.word), QLatin1String(word.example), QLatin1String(word.does));
    return table;
}

QString quantitiesMarkdownTable()
{
    QString table = QStringLiteral("| quantity | unit | what it is |\n|---|---|---|\n");
    for (const CQuantity& quantity : quantities())
        table += QStringLiteral("| `%1` | %2 | %3 |\n")
                     .arg(QLatin1String(quantity.name), QString::fromUtf8(quantity.unit), QLatin1String(quantity.meaning));
    return table;
}

}  // namespace lesson
