// SPDX-License-Identifier: GPL-3.0-or-later
#include "CLanguage.h"

#include "DIALOG/CParameterDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {
const char* const kLanguageKey = "language";
const QString kResourceFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("quorvel_");

QString resourcePath(const QString& code) { return kResourceFolder + '/' + kPrefix + code + QStringLiteral(".qm"); }
}  // namespace

namespace language {
QStringList shipped()
{
    QStringList codes;
    for (const QString& file : QDir(kResourceFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        codes << file.mid(kPrefix.size()).chopped(3);
    return codes;
}

QString chosen() { return QSettings().value(kLanguageKey).toString(); }

void choose(const QString& code)
{
    if (code.isEmpty())
        QSettings().remove(kLanguageKey);
    else
        QSettings().setValue(kLanguageKey, code);
}

// Each translation names its own language, as its speakers write it.
const char* const kNameContext = "language";
const struct {
    const char* source;
    const char* comment;
} kOwnName = QT_TRANSLATE_NOOP3("language", "English", "this language's own name");

QString nativeName(const QString& code)
{
    QTranslator translation;
    if (translation.load(resourcePath(code))) {
        const QString name = translation.translate(kNameContext, kOwnName.source, kOwnName.comment);
        if (!name.isEmpty()) return name;
    }
    QString name = QLocale(code).nativeLanguageName();
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

void install(QCoreApplication& app)
{
    const QString code = chosen();
    if (code == QStringLiteral("en")) return;
    // An explicit choice sets the locale too, so numbers and Qt's own
    // dialogs speak the same language as the menus.
    if (!code.isEmpty()) QLocale::setDefault(QLocale(code));
    const QLocale locale;
    auto* ours = new QTranslator(&app);
    if (ours->load(locale, QStringLiteral("quorvel"), QStringLiteral("_"), kResourceFolder)) {
        app.installTranslator(ours);
        // Numbers are typed as the language writes them (or in the C form).
        CParameterDialog::setTypingLocale(QLocale(ours->language()));
    }
    auto* qts = new QTranslator(&app);
    if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qts);
}
}  // namespace language
