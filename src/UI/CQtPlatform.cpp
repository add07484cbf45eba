#include "CQtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

bool isModalSessionActive()
{
    return CModalScope::openCount() > 0 || QApplication::activeModalWidget() != nullptr;
}

int CQtPlatform::alert(const std::string& title, const std::string& message,
                       const std::vector<std::string>& buttons)
{
    CModalScope modal;
    QMessageBox box(parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Warning);
    box.setText(QString::fromStdString(title));
    box.setInformativeText(QString::fromStdString(message));
    std::vector<QPushButton*> pushed;
    const std::vector<std::string> labels = buttons.empty() ? std::vector<std::string>{"OK"} : buttons;
    const int safe = safeAlertAnswer(labels);
    for (size_t k = 0; k < labels.size(); k++) {
        // The first button is the default; the one that changes nothing answers Escape.
        auto role = static_cast<int>(k) == safe ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        pushed.push_back(box.addButton(QString::fromStdString(labels[k]), role));
    }
    box.setDefaultButton(pushed.front());
    box.setEscapeButton(pushed[static_cast<size_t>(safe)]);
    box.exec();
    for (size_t k = 0; k < pushed.size(); k++)
        if (box.clickedButton() == pushed[k]) return static_cast<int>(k);
    return safe;
}

static QString filterFor(const std::string& fileType)
{
    return QObject::tr("Simulation files (*.%1)").arg(QString::fromStdString(fileType));
}

bool CQtPlatform::openPanel(const std::string& title, const std::string& fileType, std::string& chosenPath)
{
    CModalScope modal;
    const QString path = QFileDialog::getOpenFileName(parent, QString::fromStdString(title),
                                                      lastDirectory.isEmpty() ? QDir::homePath() : lastDirectory,
                                                      filterFor(fileType));
    if (path.isEmpty()) return false;
    lastDirectory = QFileInfo(path).absolutePath();
    chosenPath = path.toStdString();
    return true;
}

bool CQtPlatform::savePanel(const CSavePanelRequest& request, std::string& chosenPath)
{
    CModalScope modal;
    QFileDialog panel(parent, QString::fromStdString(request.title));
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.setNameFilter(request.fileTypeDescription.empty()
                            ? filterFor(request.requiredFileType)
                            : QStringLiteral("%1 (*.%2)").arg(QString::fromStdString(request.fileTypeDescription),
                                                              QString::fromStdString(request.requiredFileType)));
    panel.setDefaultSuffix(QString::fromStdString(request.requiredFileType));
    panel.setLabelText(QFileDialog::FileName, QString::fromStdString(request.nameFieldLabel).trimmed());
    panel.setDirectory(lastDirectory.isEmpty() ? QDir::homePath() : lastDirectory);
    panel.selectFile(QString::fromStdString(request.proposedName));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty()) return false;
    const QString path = panel.selectedFiles().constFirst();
    lastDirectory = QFileInfo(path).absolutePath();
    chosenPath = path.toStdString();
    return true;
}

bool CQtPlatform::folderPanel(const std::string& title, std::string& chosenPath)
{
    CModalScope modal;
    QFileDialog panel(parent, QString::fromStdString(title));
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setFileMode(QFileDialog::Directory);
    panel.setOption(QFileDialog::ShowDirsOnly, true);
    panel.setDirectory(lastDirectory.isEmpty() ? QDir::homePath() : lastDirectory);
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty()) return false;
    const QString path = panel.selectedFiles().constFirst();
    lastDirectory = path;
    chosenPath = path.toStdString();
    return true;
}
