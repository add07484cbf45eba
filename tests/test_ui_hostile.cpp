// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile values and gestures at the window: crafted files, zero view
// distances, negative diameters, and Escape on alerts.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <fstream>
#include <unistd.h>

#include "DIALOG/CAtomPropertiesDialog.h"
#include "DIALOG/CViewDialog.h"
#include "UI/CQtPlatform.h"
#include "UI/CUIGraph.h"
#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"
#include "test_ui_dialogs_random.h"

namespace {

std::string writeTemporary(const std::string& text)
{
    char pattern[] = "/tmp/quorvel-ui-hostile-XXXXXX.txt";
    int fd = mkstemps(pattern, 4);
    close(fd);
    std::ofstream(pattern, std::ios::binary) << text;
    return pattern;
}

class HostileWindowTest : public RandomKeepingWindowTest {
protected:
    bool lastAlertMentions(const char* text) const
    {
        return !platform.alerts.empty() && platform.alerts.back().message.find(text) != std::string::npos;
    }
};

// Answers the next modal message box the way a user leaving it would.
void leaveNextMessageBox(bool byCloseBox)
{
    QTimer::singleShot(0, [byCloseBox] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        if (byCloseBox) {
            box->close();
        } else {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
        }
    });
}

}  // namespace

TEST_F(HostileWindowTest, AFileWithADisplayTypeOutsideTheSlotsOpensWithTheGraphShown)
{
    const std::string path = writeTemporary("DGDF 1\nDDTY 100000000\n");
    window->openSimulationFile(QString::fromStdString(path));
    EXPECT_EQ(s->getDisplayType(), 4);
    window->UIGraph->repaint();
    settle();
    std::remove(path.c_str());

    // A type the cycle was never meant to see starts it again at A.
    StateEdit(*s)->outputs.displayType = -5;
    window->cycleAtomType();
    EXPECT_EQ(s->getDisplayType(), 0);
}

TEST_F(HostileWindowTest, EscapeAndTheCloseBoxAnswerEveryAlertWithItsSafeButton)
{
    CQtPlatform real(window.get());
    const std::vector<std::vector<std::string>> alerts = {
        {"No", "Yes"}, {"Accept", "Cancel"}, {"Accept", "Revert"}, {"OK"}};
    for (bool byCloseBox : {false, true})
        for (const auto& buttons : alerts) {
            leaveNextMessageBox(byCloseBox);
            EXPECT_EQ(real.alert("Alert.", "Movie making in progress. Abort current movie?", buttons),
                      safeAlertAnswer(buttons));
        }
}

TEST_F(HostileWindowTest, TheViewDialogRefusesAZeroScaleOrPlaneDistance)
{
    window->ViewDialog->fill();
    CViewDialog& d = *window->ViewDialog;
    const double scale = s->getScale(), plane = s->getEyePlaneR();
    d.projectionScaleField->setText("0");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("Scale must be between 1000 and 1e16 points per metre."));
    d.projectionScaleField->setText("5e12");
    d.eyePlaneDistanceField->setText("0");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("Projection plane distance must be between 1e-11 and 0.001 m."));
    EXPECT_EQ(s->getScale(), scale);
    EXPECT_EQ(s->getEyePlaneR(), plane);

    s->selectAll(1);
    drag(widgetPoint(0, 0), {QPointF(15, 10)}, Qt::NoModifier, Qt::MiddleButton);
    for (int i = 0; i < s->getNumber(0); i++)
        for (double c : s->state().atoms.loc[0][i].v) EXPECT_TRUE(std::isfinite(c));
}

TEST_F(HostileWindowTest, TheAtomPropertiesDialogRefusesANegativeDiameterSoClumpingEnds)
{
    window->AtomPropertiesDialog->fill();
    CAtomPropertiesDialog& d = *window->AtomPropertiesDialog;
    const double diameter = s->getDiam(0);
    d.diamField[0]->setText("-3e-10");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("Diameter of type A must be between 1e-11 and 1e-7 m."));
    EXPECT_EQ(s->getDiam(0), diameter);
    s->selectAll(1);
    s->shiftSelectedAtomsToClump();
}
