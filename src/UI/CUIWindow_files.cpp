// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving simulation files, the examples shipped in the
// resources, and files dropped on the window.
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>

#include "CSimulationPanels.h"
#include "CUIDisplay.h"
#include "CUIView.h"
#include "CUIWindow.h"
#include "DIALOG/COutcomeAlert.h"
#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"

// One item per example shipped in the resources, named after its file.
void CUIWindow::createExampleMenu(QMenu* menu)
{
    const QDir examples(QStringLiteral(":/examples"));
    int item = 0;
    for (const QString& fileName : examples.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        // "2-condensing-on-a-cold-floor.txt" reads "&2 Condensing on a cold floor",
        // its place in the menu as its access key, as in Open Recent.
        QString title = QFileInfo(fileName).completeBaseName();
        title.remove(QRegularExpression(QStringLiteral("^[0-9]+-"))).replace('-', ' ').replace('&', QLatin1String("&&"));
        if (!title.isEmpty()) title[0] = title[0].toUpper();
        if (++item <= 9) title = tr("&%1 %2").arg(item).arg(title);
        const QString path = examples.filePath(fileName);
        QAction* action = menu->addAction(title);
        connect(action, &QAction::triggered, this, [this, path] { openExample(path); });
    }
    menu->setEnabled(!menu->isEmpty());
}


void CUIWindow::fileOpenSimulation()
{
    // Simulation files, and the structures other programs write.
    std::string chosen;
    if (!platform.openPanel("Open Simulation or Structure File...", "txt xyz extxyz data lmp", chosen)) return;
    openSimulationFile(QString::fromStdString(chosen));
}

bool CUIWindow::openSimulationFile(const QString& path)
{
    // A file that cannot be read has changed nothing and said so in an
    // alert; there is nothing to bring in line with it.
    const QString name = QFileInfo(path).fileName();
    // What is on disk now has nothing unsaved; the step stays, to go back.
    if (!Document.replaceState(tr("Open %1").arg(name), [&] {
            if (!openAnyFile(path)) return false;
            Document.setName(name);
            return true;
        }, true))
        return false;
    recentFiles.add(path);
    followUpOpenFile();
    reportSkippedLines(name);
    return true;
}

bool CUIWindow::openExample(const QString& resourcePath)
{
    QFile source(resourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        platform.alert("Alert.", "The example could not be found in the application.", {"OK"});
        return false;
    }
    // The reader takes files from disk; the example goes through a temporary copy.
    QTemporaryFile copy(QDir::temp().filePath(QStringLiteral("quorvel-example-XXXXXX.txt")));
    if (!copy.open() || copy.write(source.readAll()) < 0 || !copy.flush()) {
        platform.alert("Alert.", "The example could not be copied to the temporary folder.", {"OK"});
        return false;
    }
    Simulation.setOpenPath(copy.fileName().toStdString());
    const QString name = QFileInfo(resourcePath).fileName();
    if (!Document.replaceState(tr("Open %1").arg(name), [&] {
            if (!showOutcome(platform, Simulation.readInputFile())) return false;
            Document.setName(name);
            return true;
        }, true, [&] {
            Simulation.setOpenPath(name.toStdString());
            Simulation.setSavePath(name.toStdString());  // proposed when it is saved
        }))
        return false;
    followUpOpenFile();
    reportSkippedLines(name);
    return true;
}

void CUIWindow::reportSkippedLines(const QString& name)
{
    const std::vector<CSkippedLine> skipped = Simulation.takeSkippedLines();
    if (skipped.empty()) return;
    std::string message = "The file \"" + name.toStdString() + "\" was opened, but " + skippedLinesHeading(skipped.size()) + ":\n";
    for (const std::string& note : skippedLineNotes(skipped)) message += "\n" + note;
    platform.alert("Alert.", message, {"OK"});
}

void CUIWindow::fileSaveSimulation()
{
    setWindowSizeToSimulation();
    if (!requestSavePath(platform, Simulation)) return;
    if (!showOutcome(platform, Simulation.writeOutputFile())) return;
    Document.markSaved();
    const QString saved = QString::fromStdString(Simulation.getSavePath());
    Document.setName(QFileInfo(saved).fileName());
    recentFiles.add(saved);
}

// ---------------------------------------------------------------- open recent

void CUIWindow::fillRecentMenu()
{
    recentMenu->clear();
    // Files moved or deleted since are dropped here, and the menu says so.
    const QStringList missing = recentFiles.dropMissing();
    const QStringList paths = recentFiles.paths();
    const QStringList titles = CRecentFiles::titles(paths);
    for (int k = 0; k < paths.size(); k++) {
        const QString path = paths[k];
        QAction* action = recentMenu->addAction(tr("&%1 %2").arg(k + 1).arg(QString(titles[k]).replace('&', QLatin1String("&&"))));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    if (!missing.isEmpty()) {
        const QString gone = QFileInfo(missing[0]).fileName().replace('&', QLatin1String("&&"));
        QAction* note = recentMenu->addAction(missing.size() == 1
                                                  ? tr("%1 is gone and was removed").arg(gone)
                                                  : tr("%1 files are gone and were removed").arg(missing.size()));
        note->setEnabled(false);
    }
    if (paths.isEmpty() && missing.isEmpty()) recentMenu->addAction(tr("No Recent Files"))->setEnabled(false);
    recentMenu->addSeparator();
    QAction* clear = recentMenu->addAction(tr("&Clear Menu"), this, &CUIWindow::clearRecentFiles);
    clear->setEnabled(!paths.isEmpty());
}

bool CUIWindow::openRecentFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        recentFiles.remove(path);
        platform.alert("Operation Incomplete.",
                       "The file " + path.toStdString() + " is no longer there; it was removed from Open Recent.",
                       {"OK"});
        return false;
    }
    return openSimulationFile(path);
}

void CUIWindow::clearRecentFiles()
{
    recentFiles.clear();
}

// A state opened or built brings its window's size and shape (one put back
// from the history does not).
void CUIWindow::followUpOpenFile()
{
    getWindowSizeFromSimulation();
    setAspectRatioTo(Simulation.getAspectRatioIndex());
    validateMenuItems();
}

// ---------------------------------------------------------------- drag and drop

void CUIWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CUIWindow::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls()) return;
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    openDroppedPaths(paths);
}

void CUIWindow::openDroppedPaths(const QStringList& paths)
{
    // Simulation files, and the structures File > Open reads beside them
    // (a LAMMPS data file is often named data.something).
    static const QStringList readable = {QStringLiteral(".txt"), QStringLiteral(".xyz"), QStringLiteral(".extxyz"),
                                         QStringLiteral(".data"), QStringLiteral(".lmp")};
    auto opens = [](const QString& path) {
        return QFileInfo(path).fileName().startsWith(QLatin1String("data.")) ||
               std::any_of(readable.begin(), readable.end(), [&](const QString& suffix) { return path.contains(suffix); });
    };
    for (const QString& path : paths)
        if (opens(path)) {
            openSimulationFile(path);
            return;
        }
    platform.alert("Operation Incomplete.", "The selected file type is incompatible; requires file type of 'txt'.",
                   {"OK"});
}
