// SPDX-License-Identifier: GPL-3.0-or-later
// Trajectories recorded while the simulation runs, and files of every kind
// Quorvel reads opened from the File menu.
#include <QAction>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>

#include "CUIView.h"
#include "CUIWindow.h"
#include "DIALOG/CTrajectoryDialog.h"
#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"
#include "SIM/io/CStructureImport.h"

void CUIWindow::createTrajectoryCommands(QMenu* menu)
{
    TrajectoryDialog = new CTrajectoryDialog(Simulation, platform, this);
    trajectoryWriter = std::make_unique<CTrajectoryWriter>();
    recordTrajectoryAct = new QAction(tr("Record &Trajectory..."), this);
    connect(recordTrajectoryAct, &QAction::triggered, this, &CUIWindow::recordTrajectory);
    stopTrajectoryAct = new QAction(tr("Abort Tra&jectory"), this);
    connect(stopTrajectoryAct, &QAction::triggered, this, &CUIWindow::stopTrajectory);
    menu->addAction(recordTrajectoryAct);
    menu->addAction(stopTrajectoryAct);
    stopTrajectoryAct->setEnabled(false);
    // Bottom left of the view, above the movie's frame count.
    trajectoryField = new QLabel(UIView);
    trajectoryField->setAttribute(Qt::WA_TransparentForMouseEvents);
    trajectoryField->setTextFormat(Qt::PlainText);
    QPalette palette = trajectoryField->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 80, 80));
    trajectoryField->setPalette(palette);
    trajectoryField->hide();
}

void CUIWindow::showTrajectoryField()
{
    const bool recording = trajectoryWriter->isOpen();
    trajectoryField->setVisible(recording);
    stopTrajectoryAct->setEnabled(recording);
    if (!recording) return;
    trajectoryField->setText(tr("REC trajectory %1: %2 frames")
                                 .arg(QFileInfo(QString::fromStdString(trajectoryWriter->path())).fileName())
                                 .arg(trajectoryWriter->framesWritten()));
    trajectoryField->adjustSize();
    trajectoryField->move(2, UIView->height() - trajectoryField->height() - 24);
}

void CUIWindow::recordTrajectory()
{
    if (trajectoryWriter->isOpen()) {
        if (platform.alert("Alert.", "A trajectory is being recorded. Stop it and start another?", {"No", "Yes"}) != 1)
            return;
        stopTrajectory();
    }
    TrajectoryDialog->run();
    if (!TrajectoryDialog->confirmed) return;
    const bool dump = TrajectoryDialog->format == CTrajectoryFormat::lammpsDump;
    const std::string type = dump ? "lammpstrj" : "xyz";
    std::string base = CSimulation::fileNameOfPath(Document.name().toStdString());
    if (const size_t dot = base.rfind('.'); dot != std::string::npos) base.erase(dot);
    CSavePanelRequest request{"Record Trajectory As...", "File Name: ", type,
                              (base.empty() ? "trajectory" : base) + "." + type,
                              dump ? "LAMMPS dump" : "Extended XYZ"};
    std::string path;
    if (!platform.savePanel(request, path)) return;
    const std::string failure = trajectoryWriter->open(path, TrajectoryDialog->format, TrajectoryDialog->every, Simulation.state());
    if (!failure.empty()) platform.alert("Alert.", "The trajectory could not be recorded: " + failure + ".", {"OK"});
    showTrajectoryField();
}

void CUIWindow::stopTrajectory()
{
    trajectoryWriter->close();
    showTrajectoryField();
}

// A note, not an alarm: the file is whole and what ended it was the person's
// own doing. It comes as an alert all the same, once per recording, since
// the window has no status bar and a line on the view goes unseen while the
// person looks at what was opened; the file ends either way.
void CUIWindow::endTrajectoryUnlessRecorded()
{
    if (!trajectoryWriter || !trajectoryWriter->isOpen()) return;
    const std::string end = trajectoryWriter->endUnlessRecorded(Simulation.state());
    if (end.empty()) return;
    showTrajectoryField();
    platform.alert("Note.", "Recording the trajectory ended: " + end + ".", {"OK"});
}

void CUIWindow::trajectoryAfterDisplay()
{
    if (!trajectoryWriter || !trajectoryWriter->isOpen()) return;
    endTrajectoryUnlessRecorded();
    const std::string failure = trajectoryWriter->afterDisplay(Simulation.state());
    showTrajectoryField();
    if (!failure.empty())
        platform.alert("Alert.",
                       "Recording the trajectory stopped: " + failure + ". The frames written before are in the file.",
                       {"OK"});
}

bool CUIWindow::finishTrajectoryBeforeQuit()
{
    if (!trajectoryWriter || !trajectoryWriter->isOpen()) return true;
    const int answer = platform.alert("Alert.",
                                      "A trajectory is being recorded. Finish it with the frames written so far and quit?",
                                      {"Finish Trajectory and Quit", "Cancel"});
    if (answer != 0) return false;
    stopTrajectory();
    return true;
}

// A file of any kind Quorvel reads; a trajectory of several frames asks
// which one. A refusal is said in an alert and changes nothing.
bool CUIWindow::openAnyFile(const QString& path)
{
    auto chooseFrame = [this](int frames) {
        if (frames <= 1) return 0;
        CModalScope modal;
        bool ok = false;
        const int frame = QInputDialog::getInt(this, tr("Open Trajectory"),
                                               tr("The file holds %1 frames. Open frame (1 to %1):").arg(frames), 1, 1,
                                               frames, 1, &ok);
        return ok ? frame - 1 : -1;
    };
    const CDisplaySettings shown = Simulation.state().display;
    const structureImport::COpened opened = structureImport::openAnyFile(Simulation, path.toStdString(), chooseFrame);
    if (!opened.refusal.empty()) {
        if (opened.refusal == structureImport::kNoFrameChosen) return false;
        const bool unknownKind = opened.refusal.starts_with(structureImport::kNotAFileQuorvelReads);
        platform.alert("Alert.",
                       "The file \"" + path.toStdString() + (unknownKind ? "\" is " : "\" could not be read: ") +
                           opened.refusal + ".",
                       {"OK"});
        return false;
    }
    // A simulation file brings its window; a structure has none.
    if (opened.kind != CFileKind::simulation) keepWindowLayout(shown);
    if (!opened.notice.empty()) platform.alert("Note.", opened.notice, {"OK"});
    return true;
}
