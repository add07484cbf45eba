// SPDX-License-Identifier: GPL-3.0-or-later
#include "CRecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <utility>

CRecentFiles::CRecentFiles(QString key) : key(std::move(key)) {}

QStringList CRecentFiles::paths() const
{
    QStringList stored = QSettings().value(key).toStringList();
    stored.removeAll(QString());
    stored.removeDuplicates();
    // A settings file edited by hand may hold more than the menu shows.
    if (stored.size() > kMost) stored = stored.mid(0, kMost);
    return stored;
}

void CRecentFiles::store(const QStringList& list)
{
    QSettings settings;
    if (list.isEmpty()) settings.remove(key);
    else settings.setValue(key, list);
}

void CRecentFiles::add(const QString& path)
{
    if (path.isEmpty()) return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, kMost));
}

void CRecentFiles::remove(const QString& path)
{
    QStringList list = paths();
    if (list.removeAll(QFileInfo(path).absoluteFilePath()) > 0) store(list);
}

void CRecentFiles::clear() { store({}); }

QStringList CRecentFiles::dropMissing()
{
    QStringList kept, missing;
    for (const QString& path : paths()) (QFileInfo(path).isFile() ? kept : missing).append(path);
    if (!missing.isEmpty()) store(kept);
    return missing;
}

QStringList CRecentFiles::titles(const QStringList& list)
{
    QStringList names;
    for (const QString& path : list) names << QFileInfo(path).fileName();
    const QString home = QDir::homePath();
    QStringList shown;
    for (qsizetype k = 0; k < list.size(); k++) {
        if (names.count(names[k]) < 2) {
            shown << names[k];
            continue;
        }
        QString folder = QFileInfo(list[k]).absolutePath();
        if (folder == home || folder.startsWith(home + QLatin1Char('/'))) folder.replace(0, home.size(), QStringLiteral("~"));
        shown << QStringLiteral("%1 \u2014 %2").arg(names[k], QDir::toNativeSeparators(folder));
    }
    return shown;
}
