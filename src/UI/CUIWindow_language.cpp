// SPDX-License-Identifier: GPL-3.0-or-later
// View > Language: the system's language, English, or a translation built
// into the program; the choice is kept and takes effect at the next start.
// View > Colours for Colour Blindness: the four types in colours told apart
// with any colour vision, kept across starts.
#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "CUIView.h"

#include "CLanguage.h"
#include "CUIWindow.h"

void CUIWindow::createLanguageMenu(QMenu* view)
{
    QMenu* menu = view->addMenu(tr("&Language"));
    auto* group = new QActionGroup(menu);
    const QString current = language::chosen();
    // Each language answers the first letter of its name no other one has taken.
    QString taken;
    auto add = [&](QString title, const QString& code) {
        if (title.contains('&')) {
            taken += title[title.indexOf('&') + 1].toLower();
        } else {
            for (qsizetype k = 0; k < title.size(); k++)
                if (title[k].isLetter() && !taken.contains(title[k].toLower())) {
                    taken += title[k].toLower();
                    title.insert(k, '&');
                    break;
                }
        }
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

namespace {
const char* const kColourBlindKey = "view/colourBlindPalette";
// Blue, orange, bluish green and reddish purple: apart in hue and in
// lightness for red-green and blue-yellow colour blindness alike.
const CScene::CTypePalette kColourBlindPalette = {{
    {0.0f, 0.447f, 0.698f},
    {0.902f, 0.624f, 0.0f},
    {0.0f, 0.620f, 0.451f},
    {0.800f, 0.475f, 0.655f},
}};
}  // namespace

void CUIWindow::createColourBlindCommand(QMenu* view)
{
    QAction* action = view->addAction(tr("Colo&urs for Colour Blindness"));
    action->setCheckable(true);
    action->setStatusTip(tr("Draw the four types in colours that stay apart with any colour vision; the file keeps its own"));
    auto apply = [this](bool on) {
        Scene.setTypePalette(on ? &kColourBlindPalette : nullptr);
        UIView->update();
    };
    connect(action, &QAction::toggled, this, [apply](bool on) {
        QSettings().setValue(kColourBlindKey, on);
        apply(on);
    });
    const bool on = QSettings().value(kColourBlindKey, false).toBool();
    action->setChecked(on);
    apply(on);
}
