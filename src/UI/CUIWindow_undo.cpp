// SPDX-License-Identifier: GPL-3.0-or-later
// CUIWindow: the Undo, Redo and History commands of the document's history,
// the mark of unsaved changes in the title and the question at close.
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QUndoStack>
#include <QUndoView>

#include "CUIWindow.h"
#include "DIALOG/CPlatform.h"

void CUIWindow::createUndo()
{
    undoAct = new QAction(tr("U&ndo"), this);
    undoAct->setShortcut(QKeySequence::Undo);
    connect(undoAct, &QAction::triggered, this, &CUIWindow::undo);
    redoAct = new QAction(tr("&Redo"), this);
    // Ctrl+Shift+Z and Ctrl+Y on every desktop.
    redoAct->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    connect(redoAct, &QAction::triggered, this, &CUIWindow::redo);
    historyAct = new QAction(tr("&History"), this);
    connect(historyAct, &QAction::triggered, this, &CUIWindow::showHistory);
    updateUndoActions();
}

void CUIWindow::addUndoMenuItems(QMenu* edit)
{
    edit->addAction(undoAct);
    edit->addAction(redoAct);
    edit->addAction(historyAct);
    edit->addSeparator();
    connect(edit, &QMenu::aboutToShow, this, &CUIWindow::updateUndoActions);
}

void CUIWindow::updateUndoActions()
{
    const QUndoStack& history = *Document.UndoStack;
    undoAct->setEnabled(history.canUndo());
    redoAct->setEnabled(history.canRedo());
    undoAct->setText(Document.undoMenuText());
    redoAct->setText(Document.redoMenuText());
}

void CUIWindow::undo() { Document.undo(); }

void CUIWindow::redo() { Document.redo(); }

void CUIWindow::showHistory()
{
    if (!HistoryView) {
        HistoryView = new QUndoView(Document.UndoStack, this);
        HistoryView->setWindowFlag(Qt::Tool);
        HistoryView->setWindowTitle(tr("History"));
        HistoryView->setEmptyLabel(tr("<Start>"));
        HistoryView->resize(280, 360);
    }
    HistoryView->show();
    HistoryView->raise();
    HistoryView->activateWindow();
}

bool CUIWindow::maySaveBeforeClose()
{
    if (!Document.hasUnsavedChanges()) return true;
    const std::string name =
        Document.name().isEmpty() ? std::string("this simulation") : Document.name().toStdString();
    const int answer = platform.alert("Save changes?",
                                      "Do you want to save the changes to " + name +
                                          " before closing? Without saving they are lost.",
                                      {"Save...", "Don't Save", "Cancel"});
    if (answer == 1) return true;
    if (answer != 0) return false;
    fileSaveSimulation();
    return !Document.hasUnsavedChanges();
}
