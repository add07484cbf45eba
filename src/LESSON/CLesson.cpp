// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a lesson into pages and finding its links and checkpoints. Qt
// renders the Markdown; what is read here is only what the rendering does
// not keep: the lines the links and checkpoints stand on, so a problem can
// name the line a teacher must fix.
#include "LESSON/CLesson.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "SIM/model/CSimulation.h"

namespace lesson {

namespace {

// A link's target: "](quorvel:run)" or "](picture.png)"; images start with "!".
const QRegularExpression kLink(QStringLiteral(R"((!?)\[[^\]]*\]\(\s*<?([^)\s>]+)>?(?:\s+"[^"]*")?\s*\))"));
const QRegularExpression kInstruction(QStringLiteral(R"(<!--\s*quorvel:(\S*)\s*(.*?)\s*-->)"));
const QRegularExpression kCondition(QStringLiteral(R"(^([A-Za-z][A-Za-z-]*)\s*(>=|<=|>|<)\s*(\S+)$)"));

bool isFence(const QString& line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1String("```")) || trimmed.startsWith(QLatin1String("~~~"));
}

void readCheckpoint(CLesson& lesson, CPage& page, const QString& instruction, const QString& condition, int line)
{
    auto problem = [&](const QString& message) { lesson.problems.push_back({line, message}); };
    if (instruction != QLatin1String("when")) {
        problem(QStringLiteral("unknown instruction \"quorvel:%1\"; a page waits with <!-- quorvel:when QUANTITY > VALUE -->")
                    .arg(instruction));
        return;
    }
    if (page.checkpoint) {
        problem(QStringLiteral("a page waits for one checkpoint; the one on line %1 is already this page's")
                    .arg(page.checkpoint->line));
        return;
    }
    const QRegularExpressionMatch match = kCondition.match(condition);
    if (!match.hasMatch()) {
        problem(QStringLiteral("the checkpoint \"%1\" is not QUANTITY > VALUE (or <, >=, <=)").arg(condition));
        return;
    }
    CCheckpoint checkpoint;
    checkpoint.quantity = findQuantity(match.captured(1));
    if (!checkpoint.quantity) {
        QStringList names;
        for (const CQuantity& quantity : quantities()) names << QString::fromLatin1(quantity.name);
        problem(QStringLiteral("unknown quantity \"%1\"; a checkpoint waits for one of %2")
                    .arg(match.captured(1), names.join(QLatin1String(", "))));
        return;
    }
    bool number = false;
    checkpoint.threshold = match.captured(3).toDouble(&number);
    if (!number) {
        problem(QStringLiteral("\"%1\" is not a number (write it as 150 or 1.5e-21, in %2)")
                    .arg(match.captured(3), QString::fromUtf8(checkpoint.quantity->unit)));
        return;
    }
    checkpoint.comparison = match.captured(2);
    checkpoint.condition = condition;
    checkpoint.line = line;
    page.checkpoint = checkpoint;
}

void readLinks(CLesson& lesson, CPage& page, const QString& text, int line)
{
    for (auto found = kLink.globalMatch(text); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        const QString target = match.captured(2);
        if (target.startsWith(QLatin1String("quorvel:"))) {
            CAction action;
            action.line = line;
            QString problem = readAction(target, action);
            // The folder is the lesson's, so its files are checked here.
            if (problem.isEmpty() && action.kind == CActionKind::open &&
                !QFileInfo::exists(QDir(lesson.folder).filePath(action.arguments.value(0).second)))
                problem = QStringLiteral("the file \"%1\" is not in the lesson's folder").arg(action.arguments.value(0).second);
            if (!problem.isEmpty()) {
                lesson.problems.push_back({line, problem});
                action.valid = false;
            }
            page.actions.push_back(action);
        } else if (match.captured(1) == QLatin1String("!") && !target.contains(QLatin1String("://")) &&
                   !QFileInfo::exists(QDir(lesson.folder).filePath(target))) {
            lesson.problems.push_back({line, QStringLiteral("the picture \"%1\" is not in the lesson's folder").arg(target)});
        }
    }
}

}  // namespace

CLesson parseLesson(const QString& text, const QString& folder)
{
    CLesson lesson;
    lesson.folder = folder;
    const QStringList lines = text.split(QLatin1Char('\n'));
    CPage page;
    QStringList pageLines;
    bool fenced = false;
    auto endPage = [&](int nextLine) {
        page.markdown = pageLines.join(QLatin1Char('\n')).trimmed();
        if (!page.markdown.isEmpty() || page.checkpoint || !page.actions.empty()) lesson.pages.push_back(page);
        page = CPage();
        page.firstLine = nextLine;
        pageLines.clear();
    };
    for (int k = 0; k < lines.size(); k++) {
        QString line = lines[k];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const int number = k + 1;
        if (isFence(line)) fenced = !fenced;
        if (!fenced && line.trimmed() == QLatin1String("---")) {
            endPage(number + 1);
            continue;
        }
        if (!fenced) {
            const QRegularExpressionMatch instruction = kInstruction.match(line);
            if (instruction.hasMatch()) {
                readCheckpoint(lesson, page, instruction.captured(1), instruction.captured(2), number);
                // What remains of the line is the page's own.
                line.remove(instruction.capturedStart(), instruction.capturedLength());
                if (line.trimmed().isEmpty()) continue;
            }
            readLinks(lesson, page, line, number);
            static const QRegularExpression heading(QStringLiteral(R"(^#{1,6}\s+(.*?)\s*#*\s*$)"));
            if (const QRegularExpressionMatch title = heading.match(line); lesson.title.isEmpty() && title.hasMatch())
                lesson.title = title.captured(1);
        }
        pageLines << line;
    }
    endPage(lines.size() + 1);
    if (lesson.pages.empty()) lesson.problems.push_back({0, QStringLiteral("the lesson has no pages")});
    if (lesson.title.isEmpty()) lesson.title = QFileInfo(folder).fileName();
    return lesson;
}

CLesson readLesson(const QString& path)
{
    QFile file(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!file.open(QIODevice::ReadOnly)) {
        CLesson lesson;
        lesson.path = path;
        lesson.folder = folder;
        lesson.problems.push_back({0, QStringLiteral("the lesson cannot be read: %1").arg(file.errorString())});
        return lesson;
    }
    CLesson lesson = parseLesson(QString::fromUtf8(file.readAll()), folder);
    lesson.path = path;
    return lesson;
}

QStringList problemLines(const CLesson& lesson, const QString& name)
{
    QStringList lines;
    for (const CProblem& problem : lesson.problems)
        lines << (problem.line > 0 ? QStringLiteral("%1:%2: %3").arg(name).arg(problem.line).arg(problem.message)
                                   : QStringLiteral("%1: %2").arg(name, problem.message));
    return lines;
}

const CAction* CLesson::action(int page, const QString& link) const
{
    if (page < 0 || page >= static_cast<int>(pages.size())) return nullptr;
    for (const CAction& action : pages[page].actions)
        if (action.link == link) return &action;
    return nullptr;
}

// ---------------------------------------------------------------- checkpoints

const std::vector<CQuantity>& quantities()
{
    // The readouts of the displayed type, as the status display shows them,
    // and the energy ledger's terms as its chart shows them.
    static const std::vector<CQuantity> table = {
        {"temperature", "K", "the temperature T", [](const CSimulation& s) { return s.getTCTemperature(s.getDisplayType()); }},
        {"pressure", "Pa", "the pressure P", [](const CSimulation& s) { return s.getTCPressure(s.getDisplayType()); }},
        {"volume", "m³", "the volume V", [](const CSimulation& s) { return s.getTCVolume(); }},
        {"vrms", "m/s", "the root mean square speed Vrms", [](const CSimulation& s) { return s.getTCVrms(s.getDisplayType()); }},
        {"kinetic-energy", "J", "the kinetic energy KE", [](const CSimulation& s) { return s.getTCKEnergy(s.getDisplayType()); }},
        {"potential-energy", "J", "the potential energy PE", [](const CSimulation& s) { return s.getTCPEnergy(s.getDisplayType()); }},
        {"total-energy", "J", "the total energy E", [](const CSimulation& s) { return s.getTCTEnergy(s.getDisplayType()); }},
        {"steps", "steps", "the steps run", [](const CSimulation& s) { return static_cast<double>(s.getIterations()); }},
        {"time", "s", "the time simulated", [](const CSimulation& s) { return s.getElapsedTime(); }},
        {"heat", "J", "the heat the floor gave, in the energy ledger", [](const CSimulation& s) { return s.getLedgerBalance().heat; }},
        {"work", "J", "the work the piston did, in the energy ledger", [](const CSimulation& s) { return s.getLedgerBalance().work; }},
        {"energy-change", "J", "the change of the energy, in the energy ledger", [](const CSimulation& s) { return s.getLedgerBalance().dE; }},
    };
    return table;
}

const CQuantity* findQuantity(const QString& name)
{
    for (const CQuantity& quantity : quantities())
        if (name.compare(QLatin1String(quantity.name), Qt::CaseInsensitive) == 0) return &quantity;
    return nullptr;
}

bool CCheckpoint::holds(const CSimulation& simulation) const
{
    const double value = quantity->read(simulation);
    if (comparison == QLatin1String(">")) return value > threshold;
    if (comparison == QLatin1String(">=")) return value >= threshold;
    if (comparison == QLatin1String("<")) return value < threshold;
    return value <= threshold;
}

QString CCheckpoint::description() const
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::fromLatin1(quantity->name), comparison, QString::number(threshold, 'g', 6), QString::fromUtf8(quantity->unit));
}

}  // namespace lesson
