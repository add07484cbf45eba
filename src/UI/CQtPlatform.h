// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop services of the simulation on Qt: alerts as QMessageBox, the
// open and save panels as QFileDialog. Every one of them runs modally inside a
// CModalScope (DIALOG/CPlatform.h), so the run timer can tell that it must not
// advance the simulation while the user is answering.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "DIALOG/CPlatform.h"

// True while any modal dialog, alert or file panel is up.
bool isModalSessionActive();

// The folder the panels for files of this type start in: the one last used
// for the type, else the last used for any, else the home folder.
QString lastUsedFolder(const std::string& fileType);
// Remembers the folder of a file chosen, opened or saved, for its type and for any.
void rememberFolderOf(const QString& path, const std::string& fileType);
// Remembers a folder chosen itself (a folder panel's answer).
void rememberFolder(const QString& folder, const std::string& fileType);

// The folder a folder panel answers for the text of its name field, relative
// to the folder it shows (an empty field answers that folder). A folder that
// does not exist yet is answered when its parent does: it is made where it is
// used. Anything else answers empty, with the reason in problem.
QString folderForTypedName(const QString& typed, const QString& shown, QString& problem);

class CQtPlatform : public CPlatform {
public:
    explicit CQtPlatform(QWidget* parent = nullptr) : parent(parent) {}
    void setParentWidget(QWidget* widget) { parent = widget; }

    int alert(const std::string& title, const std::string& message,
              const std::vector<std::string>& buttons) override;
    bool openPanel(const std::string& title, const std::string& fileType, std::string& chosenPath) override;
    bool savePanel(const CSavePanelRequest& request, std::string& chosenPath) override;
    bool folderPanel(const std::string& title, std::string& chosenPath) override;

private:
    QPointer<QWidget> parent;
};
