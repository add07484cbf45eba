// SPDX-License-Identifier: GPL-3.0-or-later
// View > Language: the system's language, English, or a translation built
// into the program; the choice is kept and takes effect at the next start.
#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

#include "CLanguage.h"
#include "CUIWindow.h"

void CUIWindow::createLanguageMenu(QMenu* view)
{
    QMenu* menu = view->addMenu(tr("&Language"));
    auto* group = new QActionGroup(menu);
    const QString current = language::chosen();
    auto add = [&](const QString& title, const QString& code) {
        QAction* action = menu->addAction(title);
        action->setCheckable(true);
        action->setChecked(code == current);
        action->setData(code);
        group->addAction(action);
    };
    add(tr("&System"), QString());
    menu->addSeparator();
    // Each language under its own name, so a person who cannot read the
    // present one still finds theirs.
    add(QStringLiteral("English"), QStringLiteral("en"));
    for (const QString& code : language::shipped()) add(language::nativeName(code), code);
    connect(group, &QActionGroup::triggered, this, [this](QAction* action) {
        language::choose(action->data().toString());
        QMessageBox::information(this, tr("Language"),
                                 tr("The new language takes effect when Quorvel is started again."));
    });
}
