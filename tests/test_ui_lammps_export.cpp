// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export for LAMMPS: a folder panel, then the number of copies; a
// refused number keeps the dialog open, a cancel or a failure writes nothing.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "BASE/CAtomicFile.h"
#include "DIALOG/CReplicateDialog.h"
#include "support/ui/UiWindowFixture.h"

namespace {

bool exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

class LammpsExportMenuTest : public UiWindowTest {
protected:
    std::string folder;
    void SetUp() override
    {
        UiWindowTest::SetUp();
        char pattern[] = "/tmp/quorvel-ui-lammps-XXXXXX";
        folder = mkdtemp(pattern);
    }
    QAction* exportCommand()
    {
        for (QAction* a : window->findChildren<QAction*>())
            if (a->text().remove('&') == "Export for LAMMPS...") return a;
        return nullptr;
    }
    // Triggers the command; while the copies dialog is up, types each answer and presses OK.
    void exportWith(const std::vector<QString>& answers, bool cancelAtEnd = false)
    {
        QTimer::singleShot(0, [this, answers, cancelAtEnd] {
            CReplicateDialog* d = window->ReplicateDialog;
            if (QApplication::activeModalWidget() != d) {
                ADD_FAILURE() << "the copies dialog is not up";
                if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
                return;
            }
            for (const QString& text : answers) {
                d->copiesField->setText(text);
                d->accept();
            }
            if (cancelAtEnd) d->reject();
        });
        QAction* action = exportCommand();
        ASSERT_NE(action, nullptr);
        action->trigger();
    }
};

TEST_F(LammpsExportMenuTest, WritesBothFilesWithTheChosenCopiesAfterRefusingOutOfRangeNumbers)
{
    platform.folderAnswers.push_back(folder);
    exportWith({"0", "101", "3"});
    ASSERT_GE(platform.alerts.size(), 3u);
    EXPECT_NE(platform.alerts[0].message.find("between 1 and 100"), std::string::npos);
    EXPECT_NE(platform.alerts[1].message.find("between 1 and 100"), std::string::npos);
    EXPECT_EQ(platform.alerts.back().title, "Exported for LAMMPS.");
    std::string input;
    ASSERT_EQ(readWholeFile(folder + "/in.quorvel", input), "");
    EXPECT_NE(input.find("replicate       3 3 3"), std::string::npos);
    EXPECT_TRUE(exists(folder + "/data.quorvel"));
    EXPECT_EQ(window->ReplicateDialog->copies, 3) << "offered again next time";
}

TEST_F(LammpsExportMenuTest, CancelWritesNothingAndAFailureIsReported)
{
    exportCommand()->trigger();  // the folder panel cancelled: no dialog, no alert
    EXPECT_TRUE(platform.alerts.empty());

    platform.folderAnswers.push_back(folder);
    exportWith({}, true);
    EXPECT_FALSE(exists(folder + "/in.quorvel"));

    std::string file = folder + "/plain";
    ASSERT_EQ(writeFileAtomically(file, "x"), "");
    platform.folderAnswers.push_back(file);
    exportWith({"1"});
    ASSERT_FALSE(platform.alerts.empty());
    EXPECT_NE(platform.alerts.back().message.find("is not a folder"), std::string::npos);
    EXPECT_FALSE(exists(folder + "/data.quorvel"));
}
}  // namespace
