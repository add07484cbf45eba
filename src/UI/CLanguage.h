// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the interface: the system's (LANG, LC_MESSAGES), or the
// one chosen in View > Language and kept in the settings. The translations
// are built into the program under :/i18n/; a program without them (the
// tests) offers English only and speaks it.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace language {
// The language codes of the translations built in ("de", "fr", ...).
QStringList shipped();
// The chosen code: empty to follow the system, "en", or one of shipped().
QString chosen();
// Keeps the choice; it takes effect when the program starts again.
void choose(const QString& code);
// The name a speaker of the language gives it ("Deutsch", "Français").
QString nativeName(const QString& code);
// Loads the chosen language (or the system's) into the application: ours
// and Qt's own, for the standard dialogs and buttons. Called once, before
// the first window is made.
void install(QCoreApplication& app);
}  // namespace language
