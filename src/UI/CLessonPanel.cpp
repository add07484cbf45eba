// SPDX-License-Identifier: GPL-3.0-or-later
#include "CLessonPanel.h"

#include <algorithm>

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "SIM/model/CSimulation.h"
#include "DIALOG/CControlDescriptions.h"

namespace {

// Where the page's pictures are found: the lesson's folder, on disk or in
// the resources.
QUrl folderUrl(const QString& folder)
{
    if (folder.startsWith(QLatin1String(":/"))) return QUrl(QStringLiteral("qrc") + folder + QLatin1Char('/'));
    return QUrl::fromLocalFile(folder + QLatin1Char('/'));
}

}  // namespace

CLessonPanel::CLessonPanel(const CSimulation& simulation, QWidget* parent)
    : QDockWidget(tr("Lesson"), parent), Simulation(simulation)
{
    setObjectName(QStringLiteral("Help > Lessons"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    ProblemsField = new QLabel(body);
    ProblemsField->setWordWrap(true);
    ProblemsField->setTextFormat(Qt::PlainText);
    ProblemsField->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ProblemsField->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    ProblemsField->hide();
    TextView = new QTextBrowser(body);
    // Links are the lesson's actions, followed here, not pages to open.
    TextView->setOpenLinks(false);
    TextView->setAccessibleName(tr("Lesson page"));
    TextView->setAccessibleDescription(tr("The text of the lesson's page; its links carry out the lesson's actions."));
    connect(TextView, &QTextBrowser::anchorClicked, this, &CLessonPanel::followLink);
    NoteField = new QLabel(body);
    NoteField->setWordWrap(true);
    NoteField->setTextFormat(Qt::PlainText);
    NoteField->hide();
    BackButton = new QPushButton(tr("< &Back"), body);
    NextButton = new QPushButton(tr("&Next >"), body);
    PageCount = new QLabel(body);
    PageCount->setAlignment(Qt::AlignCenter);
    connect(BackButton, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(NextButton, &QPushButton::clicked, this, [this] {
        if (nextOpen()) showPage(page_ + 1);
    });
    // The count above the buttons, so Next has the room to say what it waits for.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BackButton);
    buttons->addStretch(1);
    buttons->addWidget(NextButton);
    layout->addWidget(ProblemsField);
    layout->addWidget(TextView, 1);
    layout->addWidget(NoteField);
    layout->addWidget(PageCount);
    layout->addLayout(buttons);
    setWidget(body);
    setMinimumWidth(360);
    BackButton->setAccessibleDescription(tr("Goes back to the lesson's previous page."));
    NextButton->setAccessibleDescription(tr("Goes on to the lesson's next page once its task is done."));
    CControlDescriptions::describeControls(this);
    showPage(0);
}

void CLessonPanel::setLesson(lesson::CLesson lesson)
{
    lesson_ = std::move(lesson);
    reached_.assign(lesson_.pages.size(), false);
    setWindowTitle(tr("Lesson: %1").arg(lesson_.title));
    QStringList shown;
    for (const lesson::CProblem& problem : lesson_.problems)
        shown << (problem.line > 0 ? tr("Line %1: %2").arg(problem.line).arg(problem.message) : problem.message);
    ProblemsField->setText(shown.isEmpty() ? QString() : tr("This lesson has problems to fix:\n%1").arg(shown.join('\n')));
    ProblemsField->setVisible(!shown.isEmpty());
    showPage(0);
}

void CLessonPanel::showPage(int page)
{
    const int count = static_cast<int>(lesson_.pages.size());
    page_ = std::clamp(page, 0, std::max(count - 1, 0));
    showNote({});
    if (count == 0) {
        TextView->setPlainText(tr("No lesson is open. Choose one in Help > Lessons, or File > Open Lesson..."));
    } else {
        TextView->document()->setBaseUrl(folderUrl(lesson_.folder));
        TextView->setMarkdown(lesson_.pages[page_].markdown);
    }
    PageCount->setText(count == 0 ? QString() : tr("Page %1 of %2").arg(page_ + 1).arg(count));
    BackButton->setEnabled(page_ > 0);
    // The checkpoint is judged from the next change or display on: the
    // simulation as it stands may be another lesson's, or the one before
    // this page's own links.
    showNextState();
}

bool CLessonPanel::nextOpen() const
{
    if (page_ + 1 >= static_cast<int>(lesson_.pages.size())) return false;
    const auto& checkpoint = lesson_.pages[page_].checkpoint;
    return !checkpoint || reached_[page_];
}

void CLessonPanel::followSimulation()
{
    if (page_ < static_cast<int>(lesson_.pages.size())) {
        const auto& checkpoint = lesson_.pages[page_].checkpoint;
        // Once shown, it stays reached: the numbers go on fluctuating.
        if (checkpoint && !reached_[page_] && checkpoint->holds(Simulation)) reached_[page_] = true;
    }
    showNextState();
}

void CLessonPanel::showNextState()
{
    const bool last = page_ + 1 >= static_cast<int>(lesson_.pages.size());
    const auto* checkpoint =
        last || lesson_.pages.empty() || !lesson_.pages[page_].checkpoint ? nullptr : &*lesson_.pages[page_].checkpoint;
    if (checkpoint && !reached_[page_]) {
        NextButton->setText(tr("Waiting for %1").arg(checkpoint->description()));
        NextButton->setToolTip(tr("Next opens once %1 is %2 %3 %4; it is %5 now.")
                                   .arg(QString::fromLatin1(checkpoint->quantity->meaning), checkpoint->comparison)
                                   .arg(checkpoint->threshold, 0, 'g', 6)
                                   .arg(QString::fromUtf8(checkpoint->quantity->unit))
                                   .arg(checkpoint->quantity->read(Simulation), 0, 'g', 4));
    } else {
        NextButton->setText(last ? tr("Finished") : tr("&Next >"));
        NextButton->setToolTip(QString());
    }
    NextButton->setEnabled(nextOpen());
    // Wide enough for what it waits for: the panel grows rather than cut it.
    NextButton->setMinimumWidth(NextButton->sizeHint().width());
}

void CLessonPanel::showNote(const QString& note)
{
    NoteField->setText(note);
    NoteField->setVisible(!note.isEmpty());
}

void CLessonPanel::followLink(const QUrl& url)
{
    if (url.scheme() != QLatin1String("quorvel")) {
        // Links to the web open in the browser; the lesson's own pages stay here.
        if (!url.isRelative() && !url.isLocalFile()) QDesktopServices::openUrl(url);
        return;
    }
    if (lesson_.pages.empty()) return;
    for (const lesson::CAction& action : lesson_.pages[page_].actions)
        if (QUrl(action.link) == url) {
            if (!action.valid) {
                showNote(tr("This link does nothing: line %1 of the lesson has a problem.").arg(action.line));
                return;
            }
            showNote({});
            emit actionRequested(action);
            return;
        }
    showNote(tr("This link is not one the lesson's page holds: %1").arg(url.toString()));
}
