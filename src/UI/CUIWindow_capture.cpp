// SPDX-License-Identifier: GPL-3.0-or-later
// The movie and still-frame commands of the window.
#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include "CUIDisplay.h"
#include "CUIView.h"
#include "CUIWindow.h"
#include "CViewCapture.h"
#include "DIALOG/CFrameCaptureDialog.h"
#include "DIALOG/CMovieDialog.h"
#include "DIALOG/CPlatform.h"

void CUIWindow::createCaptureCommands(QMenu* menu)
{
    UIViewCapture = std::make_unique<CViewCapture>(platform, Simulation, *UIView, UIDisplay.get());
    MovieDialog = new CMovieDialog(Simulation, platform, UIViewCapture->settings, this);
    FrameCaptureDialog = new CFrameCaptureDialog(UIViewCapture->settings, this);

    makeMovieAct = new QAction(tr("Make &Movie..."), this);
    makeMovieAct->setShortcut(QKeySequence(tr("Ctrl+Shift+M")));
    connect(makeMovieAct, &QAction::triggered, this, &CUIWindow::makeMovie);
    makeMovieAbortAct = new QAction(tr("A&bort Movie"), this);
    connect(makeMovieAbortAct, &QAction::triggered, this, &CUIWindow::makeMovieAbort);
    captureFrameAct = new QAction(tr("Capture &Frame..."), this);
    captureFrameAct->setShortcut(QKeySequence(tr("Ctrl+Shift+C")));
    connect(captureFrameAct, &QAction::triggered, this, &CUIWindow::captureFrame);
    menu->addAction(makeMovieAct);
    menu->addAction(makeMovieAbortAct);
    menu->addAction(captureFrameAct);
}

void CUIWindow::makeMovie()
{
    CViewCapture& capture = *UIViewCapture;
    if (capture.getMakeMovieFlag()) {
        if (platform.alert("Alert.", "Movie making in progress. Abort current movie?", {"No", "Yes"}) != 1) return;
        capture.abortMakeMovie();
        UIView->setNeedsDisplay();
    }
    capture.requestMoviePath();
    if (capture.getMakeMovieFlag()) MovieDialog->run();
    if (capture.getMakeMovieFlag()) capture.initMovieFile();
    if (capture.getMakeMovieFlag()) UIDisplay->setMovieFrameDisplayVisibility(true);
    validateMenuItems();
    UIView->setNeedsDisplay();
}

void CUIWindow::makeMovieAbort()
{
    UIViewCapture->abortMakeMovie();
    validateMenuItems();
    UIView->setNeedsDisplay();
}

void CUIWindow::captureFrame()
{
    CViewCapture& capture = *UIViewCapture;
    FrameCaptureDialog->run();
    if (capture.getCaptureFlag()) capture.requestFramePath();
    if (capture.getCaptureFlag()) capture.captureSingleFrame();
}

void CUIWindow::captureCheck()
{
    if (!UIViewCapture->getMakeMovieFlag()) return;
    UIViewCapture->captureCheck();
    // The movie ended itself (or failed): there is nothing left to abort.
    if (!UIViewCapture->getMakeMovieFlag()) validateMenuItems();
}

void CUIWindow::closeEvent(QCloseEvent* event)
{
    if (!maySaveBeforeClose()) {
        event->ignore();
        return;
    }
    CViewCapture& capture = *UIViewCapture;
    if (!finishTrajectoryBeforeQuit()) {
        event->ignore();
        return;
    }
    if (capture.getMakeMovieFlag()) {
        const int answer = platform.alert("Alert.",
                                          "A movie is being recorded. Finish the movie with the frames taken so far "
                                          "and quit?",
                                          {"Finish Movie and Quit", "Cancel"});
        if (answer != 0) {
            // The recording goes on; its file stays open and playable.
            event->ignore();
            return;
        }
        // Written out and closed before the window goes.
        capture.abortMakeMovie();
    }
    // A display under way is dropped with the window; nothing is written.
    Document.endRunLoop();
    QMainWindow::closeEvent(event);
}
