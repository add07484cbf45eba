// SPDX-License-Identifier: GPL-3.0-or-later
// CUIWindow: lessons. File > Open Lesson... and Help > Lessons open one in
// the lesson panel beside the view; the panel's action links are done here,
// through the document, as the menus and dialogs do them.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "CLessonPanel.h"
#include "CPlotsWindow.h"
#include "CUIView.h"
#include "CUIWindow.h"
#include "DIALOG/COutcomeAlert.h"
#include "DIALOG/CPlatform.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CSimulation.h"

namespace {
const QString kShippedLessons = QStringLiteral(":/lessons");
}

void CUIWindow::createLessonCommands()
{
    LessonPanel = new CLessonPanel(Simulation, this);
    LessonPanel->hide();
    addDockWidget(Qt::RightDockWidgetArea, LessonPanel);
    connect(LessonPanel, &CLessonPanel::actionRequested, this, &CUIWindow::performLessonAction);
    connect(&Document, &CDocument::displayDone, LessonPanel, &CLessonPanel::followSimulation);
    Document.onAnyChange(LessonPanel, [this] { LessonPanel->followSimulation(); });

    openLessonAct = new QAction(tr("Open Lesso&n..."), this);
    openLessonAct->setStatusTip(tr("A lesson's pages in a panel beside the view"));
    connect(openLessonAct, &QAction::triggered, this, &CUIWindow::fileOpenLesson);

    // One item per lesson shipped, each a folder with its lesson.md, titled
    // by the lesson's first heading.
    lessonsMenu = new QMenu(tr("&Lessons"), this);
    const QDir shipped(kShippedLessons);
    int item = 0;
    for (const QString& folder : shipped.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = shipped.filePath(folder + QStringLiteral("/lesson.md"));
        if (!QFileInfo::exists(path)) continue;
        QString title = lesson::readLesson(path).title;
        title.replace('&', QLatin1String("&&"));
        if (++item <= 9) title = tr("&%1 %2").arg(item).arg(title);
        connect(lessonsMenu->addAction(title), &QAction::triggered, this, [this, path] { openLesson(path); });
    }
    lessonsMenu->addSeparator();
    lessonsMenu->addAction(openLessonAct);
    QAction* panel = LessonPanel->toggleViewAction();
    panel->setText(tr("Lesson &Panel"));
    lessonsMenu->addAction(panel);
}

void CUIWindow::fileOpenLesson()
{
    std::string chosen;
    if (!platform.openPanel("Open Lesson...", "md", chosen)) return;
    openLesson(QString::fromStdString(chosen));
}

bool CUIWindow::openLesson(const QString& path)
{
    // The lesson's links open its own simulations in place of this one.
    if (Document.hasUnsavedChanges()) {
        const std::string name =
            Document.name().isEmpty() ? std::string("this simulation") : Document.name().toStdString();
        const int answer = platform.alert("Save changes?",
                                          "Do you want to save the changes to " + name +
                                              " before opening the lesson? Its simulations take its place.",
                                          {"Save...", "Don't Save", "Cancel"});
        if (answer == 2) return false;
        if (answer == 0) {
            fileSaveSimulation();
            if (Document.hasUnsavedChanges()) return false;
        }
    }
    LessonPanel->setLesson(lesson::readLesson(path));
    if (LessonPanel->isHidden()) {
        // The panel comes beside the view, which keeps its size.
        const QSize view = UIView->size();
        LessonPanel->show();
        resizeView(view.width(), view.height());
    }
    LessonPanel->raise();
    return true;
}

void CUIWindow::performLessonAction(const lesson::CAction& action)
{
    using lesson::CActionKind;
    const QString value = action.arguments.isEmpty() ? QString() : action.arguments.first().second;
    switch (action.kind) {
    case CActionKind::open: {
        const QString path = QDir(LessonPanel->lesson().folder).filePath(value);
        if (path.startsWith(QLatin1Char(':'))) openExample(path);
        else openSimulationFile(path);
        break;
    }
    case CActionKind::set:
        // All the link's settings are one step: each refused one says why and
        // keeps the rest from being made.
        Document.recordChange(tr("Set %1").arg(action.arguments.first().first), [&](QString&) {
            for (const auto& [name, text] : action.arguments) {
                parameters::CParameterRef ref;
                parameters::find(name.toStdString(), ref);
                COutcome outcome = parameters::set(Simulation, ref, text.toStdString());
                if (outcome.isQuestion()) {
                    if (askOutcome(platform, outcome) != 0) return false;
                    outcome = parameters::set(Simulation, ref, text.toStdString(), true);
                }
                if (!showOutcome(platform, outcome)) return false;
            }
            return true;
        }, CDocument::parameters | CDocument::atoms | CDocument::display);
        break;
    case CActionKind::run: Document.run(); break;
    case CActionKind::stop: Document.stop(); break;
    case CActionKind::plots: {
        showPlots();
        const int tab = lesson::plotTabs().indexOf(value);
        const auto& charts = PlotsWindow->charts();
        if (tab >= 0 && tab < static_cast<int>(charts.size())) PlotsWindow->showChart(charts[tab]);
        break;
    }
    case CActionKind::select:
        if (value.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) selectAll();
        else selectType(value.toUpper().at(0).unicode() - 'A');
        break;
    case CActionKind::controls:
        // Shown, not toggled: a lesson that asks for the panel twice keeps it.
        if (!controlsAct->isChecked()) controlsAct->trigger();
        ControlsDock->raise();
        break;
    }
}
