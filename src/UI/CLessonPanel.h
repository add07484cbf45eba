// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson panel: a dock beside the view that shows a lesson a page at a
// time, rendered from its Markdown by Qt, with Back and Next and the page
// count. A click on an action link asks the window to do it; a page's
// checkpoint keeps Next closed, saying what it waits for, until the
// simulation shows it once.
#pragma once

#include <QDockWidget>

#include <vector>

#include "LESSON/CLesson.h"

class CSimulation;
class QLabel;
class QPushButton;
class QTextBrowser;
class QUrl;

class CLessonPanel : public QDockWidget {
    Q_OBJECT
public:
    CLessonPanel(const CSimulation& simulation, QWidget* parent = nullptr);

    void setLesson(lesson::CLesson lesson);
    const lesson::CLesson& lesson() const { return lesson_; }
    int page() const { return page_; }
    void showPage(int page);
    // Whether Next leads on: a next page, and this page's checkpoint held.
    bool nextOpen() const;
    // Says what an action did not do, under the page; empty: nothing to say.
    void showNote(const QString& note);
    // The simulation moved on or changed: the page's checkpoint may hold now.
    void followSimulation();
    // Follows a link as a click on it would (the window's tests use it).
    void followLink(const QUrl& url);

    QTextBrowser* TextView = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* NextButton = nullptr;
    QLabel* PageCount = nullptr;
    QLabel* ProblemsField = nullptr;
    QLabel* NoteField = nullptr;

signals:
    void actionRequested(const lesson::CAction& action);

private:
    void showNextState();

    const CSimulation& Simulation;
    lesson::CLesson lesson_;
    int page_ = 0;
    std::vector<bool> reached_;  // per page: its checkpoint has held
};
