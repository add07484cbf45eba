// SPDX-License-Identifier: GPL-3.0-or-later
#include "CQtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "DIALOG/CBusyCursor.h"

namespace {
// The folder last used for files of a type ("txt", "mov", "jpg" ...), kept in
// the settings so the panels open there after a restart too; the folder of
// any type stands in for a type not used yet, the home folder for a first start.
QString settingsKey(const std::string& fileType)
{
    return QStringLiteral("folders/") + QString::fromStdString(fileType.empty() ? std::string("any") : fileType);
}
}  // namespace

QString lastUsedFolder(const std::string& fileType)
{
    QSettings settings;
    for (const QString& key : {settingsKey(fileType), settingsKey({})}) {
        const QString folder = settings.value(key).toString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath();
}

namespace {
// The model and the commands hand alerts over as English text. Those that
// are fixed sentences (titles, buttons, messages without a number or a
// name in them) are shown in the person's language, each translated whole;
// the list is where lupdate finds them. A message with a value in it stays
// as it is.
[[maybe_unused]] const char* const kFixedAlertTexts[] = {
    QT_TRANSLATE_NOOP("CQtPlatform", "Alert."),
    QT_TRANSLATE_NOOP("CQtPlatform", "Note."),
    QT_TRANSLATE_NOOP("CQtPlatform", "Save changes?"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Operation Incomplete."),
    QT_TRANSLATE_NOOP("CQtPlatform", "Cannot Build the Simulation."),
    QT_TRANSLATE_NOOP("CQtPlatform", "Exported for LAMMPS."),
    QT_TRANSLATE_NOOP("CQtPlatform", "OK"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Cancel"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Yes"),
    QT_TRANSLATE_NOOP("CQtPlatform", "No"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Accept"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Revert"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Save..."),
    QT_TRANSLATE_NOOP("CQtPlatform", "Don't Save"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Finish Movie and Quit"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Finish Trajectory and Quit"),
    QT_TRANSLATE_NOOP("CQtPlatform", "A trajectory is being recorded. Stop it and start another?"),
    QT_TRANSLATE_NOOP("CQtPlatform", "Movie making in progress. Abort current movie?"),
    QT_TRANSLATE_NOOP("CQtPlatform", "The example could not be found in the application."),
    QT_TRANSLATE_NOOP("CQtPlatform", "The example could not be copied to the temporary folder."),
    QT_TRANSLATE_NOOP("CQtPlatform", "The selected file type is incompatible; requires file type of 'txt'."),
    QT_TRANSLATE_NOOP("CQtPlatform", "Charged atoms in a periodic box need Ewald summation, which Quorvel does not have "
                                     "yet. Set the charge of every type with atoms to zero first, or keep the closed box."),
};

QString shown(const std::string& text) { return QCoreApplication::translate("CQtPlatform", text.c_str()); }
}  // namespace

void rememberFolderOf(const QString& path, const std::string& fileType)
{
    rememberFolder(QFileInfo(path).absolutePath(), fileType);
}

void rememberFolder(const QString& folder, const std::string& fileType)
{
    QSettings settings;
    settings.setValue(settingsKey(fileType), folder);
    settings.setValue(settingsKey({}), folder);
}

bool isModalSessionActive()
{
    return CModalScope::openCount() > 0 || QApplication::activeModalWidget() != nullptr;
}

int CQtPlatform::alert(const std::string& title, const std::string& message,
                       const std::vector<std::string>& buttons)
{
    CModalScope modal;
    CAnswerCursor pointer;
    QMessageBox box(parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Warning);
    box.setText(shown(title));
    box.setInformativeText(shown(message));
    std::vector<QPushButton*> pushed;
    const std::vector<std::string> labels = buttons.empty() ? std::vector<std::string>{"OK"} : buttons;
    const int safe = safeAlertAnswer(labels);
    for (size_t k = 0; k < labels.size(); k++) {
        // The first button is the default; the one that changes nothing answers Escape.
        auto role = static_cast<int>(k) == safe ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        pushed.push_back(box.addButton(shown(labels[k]), role));
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
    // "txt xyz ...": simulation files and the structures read beside them.
    const QStringList types = QString::fromStdString(fileType).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (types.size() > 1)
        return QObject::tr("Simulation and structure files (*.%1);;All files (*)").arg(types.join(QLatin1String(" *.")));
    return QObject::tr("Simulation files (*.%1)").arg(QString::fromStdString(fileType));
}

bool CQtPlatform::openPanel(const std::string& title, const std::string& fileType, std::string& chosenPath)
{
    CModalScope modal;
    const QString path = QFileDialog::getOpenFileName(parent, QString::fromStdString(title),
                                                      lastUsedFolder(fileType), filterFor(fileType));
    if (path.isEmpty()) return false;
    rememberFolderOf(path, fileType);
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
    panel.setDirectory(lastUsedFolder(request.requiredFileType));
    panel.selectFile(QString::fromStdString(request.proposedName));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty()) return false;
    const QString path = panel.selectedFiles().constFirst();
    rememberFolderOf(path, request.requiredFileType);
    chosenPath = path.toStdString();
    return true;
}

QString folderForTypedName(const QString& typed, const QString& shown, QString& problem)
{
    if (typed.contains(QLatin1Char('"'))) {
        problem = QObject::tr("Type the path of one folder, without quotation marks.");
        return {};
    }
    QString name = QDir::fromNativeSeparators(typed);
    if (name == QLatin1String("~") || name.startsWith(QLatin1String("~/"))) name.replace(0, 1, QDir::homePath());
    const QString path = QDir::cleanPath(name.isEmpty() ? shown : QDir(shown).absoluteFilePath(name));
    const QFileInfo info(path);
    if (info.isDir()) return path;
    if (info.exists()) {
        problem = QObject::tr("\"%1\" is a file, not a folder.").arg(QDir::toNativeSeparators(path));
        return {};
    }
    if (!QFileInfo(info.absolutePath()).isDir()) {
        problem = QObject::tr("The folder \"%1\" does not exist, so no new folder can be made in it.")
                      .arg(QDir::toNativeSeparators(info.absolutePath()));
        return {};
    }
    return path;
}

namespace {
// The toolkit's folder panel takes only folders that exist, and what it
// answers is its list's selection or the folder shown rather than the path
// typed. This one answers the path in its name field (a new folder too), and
// nothing it cannot name exactly.
class CFolderPanel : public QFileDialog {
public:
    CFolderPanel(QWidget* parent, const QString& title) : QFileDialog(parent, title)
    {
        setOption(QFileDialog::DontUseNativeDialog, true);
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly, true);
        nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        chooseButton = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
        // The panel greys its button for a folder that does not exist yet;
        // this runs after it and lets a new folder be chosen.
        auto keepChoosable = [this] {
            if (chooseButton) chooseButton->setEnabled(true);
        };
        if (nameField) connect(nameField, &QLineEdit::textChanged, this, keepChoosable);
        connect(this, &QFileDialog::currentChanged, this, keepChoosable);
        connect(this, &QFileDialog::directoryEntered, this, keepChoosable);
    }

    void accept() override
    {
        QString problem;
        const QString folder = folderForTypedName(nameField ? nameField->text() : QString(),
                                                  directory().absolutePath(), problem);
        if (folder.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), problem);
            if (nameField) nameField->setFocus();
            return;
        }
        chosen = folder;
        QDialog::accept();
    }

    QString chosen;

private:
    QLineEdit* nameField = nullptr;
    QPushButton* chooseButton = nullptr;
};
}  // namespace

bool CQtPlatform::folderPanel(const std::string& title, std::string& chosenPath)
{
    CModalScope modal;
    CFolderPanel panel(parent, QString::fromStdString(title));
    panel.setDirectory(lastUsedFolder("folder"));
    if (panel.exec() != QDialog::Accepted || panel.chosen.isEmpty()) return false;
    rememberFolder(QFileInfo(panel.chosen).isDir() ? panel.chosen : QFileInfo(panel.chosen).absolutePath(), "folder");
    chosenPath = panel.chosen.toStdString();
    return true;
}
