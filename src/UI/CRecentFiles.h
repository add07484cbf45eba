// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation files opened or saved last, newest first, at most eight,
// kept in the application's settings so File > Open Recent survives a restart.
#pragma once

#include <QString>
#include <QStringList>

class CRecentFiles {
public:
    static constexpr int kMost = 8;

    // key: where in the settings the list is kept.
    explicit CRecentFiles(QString key = QStringLiteral("recentFiles"));

    QStringList paths() const;
    // Puts the file first (by its absolute path), once, dropping the oldest past eight.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();
    // Drops the files that no longer exist and answers them.
    QStringList dropMissing();
    // What the menu shows for each path: its file name, followed by its folder
    // (the home folder as ~) where another path in the list has the same name.
    static QStringList titles(const QStringList& paths);

private:
    void store(const QStringList& paths);
    QString key;
};
