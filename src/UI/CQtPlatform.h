// The desktop services of the simulation on Qt: alerts as QMessageBox, the
// open and save panels as QFileDialog. Every one of them runs modally inside a
// CModalScope (SIM/CPlatform.h), so the run timer can tell that it must not
// advance the simulation while the user is answering.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "SIM/CPlatform.h"

// True while any modal dialog, alert or file panel is up.
bool isModalSessionActive();

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
    QString lastDirectory;  // the panels open where the user last chose a file
};
