// SPDX-License-Identifier: GPL-3.0-or-later
// The status fields: texts and formats, visibility groups, the layout of the
// three text sizes, and the histogram graph.
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"
#include "UI/CUIGraph.h"

namespace {
class DisplayTest : public UiWindowTest {
protected:
    CUIDisplay& d() { return *window->UIDisplay; }
    void refresh() { d().drawDisplays(); }
    std::vector<QLabel*> allFields()
    {
        CUIDisplay& x = d();
        return {x.runFlagField, x.timeField, x.ipsField, x.dETitleField, x.dEField, x.dENCTitleField, x.dENCField,
                x.atomTypeField, x.KEField, x.PEField, x.TEField, x.TempField, x.PField, x.VrmsField,
                x.VolumeField, x.recordTypeField, x.xmaxField, x.xminField, x.ymaxField, x.yminField};
    }
};

TEST_F(DisplayTest, StateFieldsShowRunTimeAndSpeed)
{
    refresh();
    EXPECT_EQ(d().runFlagField->text(), "STOPPED");
    StateEdit(*s)->clock.runState = CRunState::running;
    StateEdit(*s)->clock.timeUnit = CTimeUnit::steps;
    StateEdit(*s)->clock.iterations = 1234;
    StateEdit(*s)->clock.ips = 98765.9;
    refresh();
    EXPECT_EQ(d().runFlagField->text(), "RUNNING");
    EXPECT_EQ(d().timeField->text(), "1234 steps");
    EXPECT_EQ(d().ipsField->text(), "98765 ips");
    StateEdit(*s)->clock.timeUnit = CTimeUnit::seconds;
    StateEdit(*s)->clock.elapsedTime = 1.2345e-12;
    refresh();
    EXPECT_EQ(d().timeField->text(), "1.23e-12 secs");
    // With the group off, the fields are hidden and keep their old texts.
    StateEdit(*s)->display.stateDisplayFlag = 0;
    StateEdit(*s)->clock.runState = CRunState::stopped;
    refresh();
    EXPECT_TRUE(d().runFlagField->isHidden());
    EXPECT_EQ(d().runFlagField->text(), "RUNNING");
}

TEST_F(DisplayTest, AveragingModeInBothTimeUnits)
{
    StateEdit(*s)->clock.timeStep = 1e-14;
    StateEdit(*s)->outputs.displayTC = 250.7;
    StateEdit(*s)->outputs.record = 300;
    using enum CRecordKind;
    using enum CTimeUnit;
    const struct { CRecordKind mode; CTimeUnit unit; const char* text; } cases[] = {
        {instant, seconds, "INSTANT"},
        {instant, steps, "INSTANT"},
        {timeConstant, seconds, "2.5e-12 secs TIME CONSTANT"},
        {timeConstant, steps, "250 steps TIME CONSTANT"},
        {accumulated, seconds, "3.0e-12 secs ACCUMULATED"},
        {accumulated, steps, "300 steps ACCUMULATED"},
    };
    for (const auto& c : cases) {
        StateEdit(*s)->outputs.recordType = c.mode;
        StateEdit(*s)->clock.timeUnit = c.unit;
        refresh();
        EXPECT_EQ(d().recordTypeField->text(), c.text) << modeIndex(c.mode) << " " << modeIndex(c.unit);
    }
}

TEST_F(DisplayTest, OutputsOfTheDisplayedSlot)
{
    StateEdit(*s)->types.name[1] = "Argon";
    StateEdit(*s)->outputs.TCKEnergy[1] = 1.5e-20;
    StateEdit(*s)->outputs.TCKEnergy[4] = 2.25e-19;
    StateEdit(*s)->outputs.TCVolume = 1e-27;
    StateEdit(*s)->outputs.displayType = 1;
    refresh();
    EXPECT_EQ(d().atomTypeField->text(), "Argon");
    EXPECT_EQ(d().KEField->text(), "1.50e-20");
    EXPECT_EQ(d().VolumeField->text(), "1.00e-27");
    StateEdit(*s)->outputs.displayType = 4;
    refresh();
    EXPECT_EQ(d().atomTypeField->text(), "ALL TYPES");
    EXPECT_EQ(d().KEField->text(), "2.25e-19");
}

// A slot with no atoms reads energies and a pressure of 0 and no
// temperature or rms speed, never what its atoms measured before they were
// deleted: at once, while the empty box runs, and from a file that carries
// averages for it.
TEST_F(DisplayTest, ASlotWithNoAtomsReadsNoStaleValue)
{
    ASSERT_TRUE(window->openExample(":/examples/1-hard-sphere-gas-reaching-Maxwell.txt"));
    for (int k = 0; k < 3; k++) ASSERT_TRUE(s->runDisplay());
    ASSERT_NE(s->getTCPressure(CSimulation::kAllAtoms), 0.0);
    s->selectAll(1);
    window->selectDelete();
    auto expectEmptyReadouts = [this](const char* when) {
        refresh();
        for (QLabel* zero : {d().KEField, d().PEField, d().TEField, d().PField})
            EXPECT_EQ(zero->text(), "0.00e+00") << when;
        EXPECT_EQ(d().TempField->text(), "-") << when;
        EXPECT_EQ(d().VrmsField->text(), "-") << when;
        EXPECT_NE(d().VolumeField->text(), "-") << when;
    };
    expectEmptyReadouts("deleted");
    ASSERT_TRUE(s->runDisplay());
    expectEmptyReadouts("run empty");

    QTemporaryDir folder;
    const QString path = folder.filePath("empty.txt");
    s->generateOutputFileContent();
    std::string content = s->getFileContent();
    content += "DTCP 4 1.3000000000e+07\nDTCT 4 3.0000000000e+02\n";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.data(), static_cast<qint64>(content.size()));
    }
    s->setOpenPath(path.toStdString());
    ASSERT_TRUE(s->readInputFile());
    ASSERT_GT(s->getIterations(), 0u);
    EXPECT_EQ(s->getTCPressure(CSimulation::kAllAtoms), 0.0);
    expectEmptyReadouts("read");
}

TEST_F(DisplayTest, EnergyDifferenceStandsOutAndNeverReadsNanOrInf)
{
    StateEdit(*s)->display.energyDiffDisplayFlag = 1;
    StateEdit(*s)->conservation.tdE = 3e-21;
    StateEdit(*s)->conservation.tdEPercent = 0.99;
    refresh();
    EXPECT_EQ(d().dEField->text(), "3.00e-21 J");
    EXPECT_FALSE(d().dEField->autoFillBackground());
    StateEdit(*s)->conservation.tdEPercent = 1.0;
    refresh();
    EXPECT_TRUE(d().dEField->autoFillBackground());
    // A drift over a total energy of zero: the ratio is infinite or undefined.
    StateEdit(*s)->conservation.tdEPercent = std::numeric_limits<double>::infinity();
    refresh();
    EXPECT_TRUE(d().dEField->autoFillBackground());
    StateEdit(*s)->conservation.tdE = 0.0;
    StateEdit(*s)->conservation.tdEPercent = std::nan("");
    StateEdit(*s)->outputs.TCTEnergy[4] = std::nan("");
    StateEdit(*s)->outputs.TCPressure[4] = -std::numeric_limits<double>::infinity();
    refresh();
    EXPECT_FALSE(d().dEField->autoFillBackground());
    for (QLabel* field : allFields()) {
        EXPECT_FALSE(field->text().contains("nan", Qt::CaseInsensitive)) << field->text().toStdString();
        EXPECT_FALSE(field->text().contains("inf ", Qt::CaseInsensitive) || field->text().endsWith("inf"))
            << field->text().toStdString();
    }
    EXPECT_EQ(d().TEField->text(), "undefined");
    EXPECT_EQ(d().PField->text(), "-infinite");
}

TEST_F(DisplayTest, FourVisibilityGroupsFollowTheFlags)
{
    s->setStateDisplayFlag(true);
    s->setEnergyDiffDisplayFlag(true);
    s->setNumericDisplayFlag(true);
    s->setGraphDisplayFlag(true);
    refresh();
    for (QLabel* field : allFields()) EXPECT_FALSE(field->isHidden());
    EXPECT_FALSE(window->UIGraph->isHidden());

    chooseCommand(*window, "Energy Difference");
    EXPECT_TRUE(d().dEField->isHidden());
    EXPECT_TRUE(d().dENCTitleField->isHidden());
    EXPECT_FALSE(d().runFlagField->isHidden());
    chooseCommand(*window, "Numeric Values");
    EXPECT_TRUE(d().recordTypeField->isHidden());
    EXPECT_TRUE(d().VolumeTitleField->isHidden());
    EXPECT_FALSE(d().ipsField->isHidden());
    chooseCommand(*window, "Histogram");
    EXPECT_TRUE(window->UIGraph->isHidden());
    EXPECT_TRUE(d().xmaxField->isHidden());
    chooseCommand(*window, "State");
    EXPECT_TRUE(d().timeField->isHidden());
    chooseCommand(*window, "State");
    EXPECT_FALSE(d().timeField->isHidden());
    EXPECT_TRUE(d().movieFrameField->isHidden());
}

TEST_F(DisplayTest, LayoutOfTheTextSizesIsMeasuredFromTheTop)
{
    d().setDisplayTextSize(2, 600.0f, 400.0f);
    EXPECT_EQ(d().KEField->x(), 461);
    EXPECT_EQ(d().runFlagField->width(), 196);
    // y-up origin H - 30 with height 28: two points below the top edge.
    EXPECT_EQ(d().runFlagField->y(), 2);
    EXPECT_EQ(d().KEField->geometry(), QRect(461, 400 - (400 - 50) - 22, 100, 22));
    EXPECT_EQ(d().atomTypeField->geometry(), QRect(204, 2, 392, 28));
    EXPECT_EQ(d().movieFrameField->geometry(), QRect(2, 400 - 22, 200, 22));
    d().setDisplayTextSize(0, 600.0f, 400.0f);
    EXPECT_EQ(d().recordTypeField->geometry(), QRect(-4, 134 - 18, 600, 18));
    EXPECT_EQ(d().dENCField->geometry(), QRect(40, 118 - 16, 430, 16));
    EXPECT_EQ(d().KEField->font().pixelSize(), 12);
    d().setDisplayTextSize(3, 600.0f, 400.0f);  // not a size: nothing changes
    EXPECT_EQ(d().KEField->x(), 508);

    // The text size command stores the size and lays out for the view.
    chooseCommand(*window, "Medium");
    EXPECT_EQ(s->getDisplayTextSize(), 1);
    EXPECT_EQ(d().KEField->x(), view->width() - 111);
}

TEST_F(DisplayTest, ReadoutsFollowTheSystemsTextSizeWhileTheFileKeepsItsOwn)
{
    chooseCommand(*window, "Medium");
    auto measure = [this](QLabel* field) {
        return std::pair{field->font().pixelSize(), field->height()};
    };
    const auto flag = measure(d().runFlagField), energy = measure(d().KEField);
    const int glyphs = QFontMetrics(d().KEField->font()).tightBoundingRect(QStringLiteral("0")).height();
    const QFont before = QApplication::font();
    QFont doubled = before;
    if (before.pointSizeF() > 0) doubled.setPointSizeF(2 * before.pointSizeF());
    else doubled.setPixelSize(2 * before.pixelSize());
    QApplication::setFont(doubled);
    settle();
    EXPECT_EQ(measure(d().runFlagField), std::pair(2 * flag.first, 2 * flag.second));
    EXPECT_EQ(measure(d().KEField), std::pair(2 * energy.first, 2 * energy.second));
    EXPECT_NEAR(QFontMetrics(d().KEField->font()).tightBoundingRect(QStringLiteral("0")).height(), 2 * glyphs, 2);
    // The value follows its title, still right of it, and the state stays at the top.
    EXPECT_GT(d().KEField->x(), d().KETitleField->x() + d().KETitleField->width() - 1);
    EXPECT_EQ(d().runFlagField->y(), 4);
    EXPECT_EQ(s->getDisplayTextSize(), 1);
    QApplication::setFont(before);
    settle();
    EXPECT_EQ(measure(d().KEField), energy);
}

TEST_F(DisplayTest, HistogramSitsAtTheLowerRightAndClipsHighBinsAtTheTop)
{
    StateEdit(*s)->display.graphDisplayFlag = 1;
    refresh();
    const int W = view->width(), H = view->height();
    EXPECT_EQ(window->UIGraph->geometry(), QRect(W - 5 - 200, H - 16 - 110, 200, 110));
    EXPECT_EQ(d().ymaxField->x(), W - 5 - 200 - 62);
    EXPECT_EQ(d().ymaxField->y(), H - (16 + 110 - 14) - d().ymaxField->height());

    {
        StateEdit edit(*s);
        for (auto& bin : edit->outputs.TCHistogram[4]) bin = 0.0;
    }
    StateEdit(*s)->outputs.displayType = 4;
    StateEdit(*s)->display.ymax = 10.0;
    StateEdit(*s)->outputs.TCHistogram[4][0] = 50.0;  // above ymax: centred on the top edge
    StateEdit(*s)->outputs.TCHistogram[4][20] = 5.0;  // half way up
    const QImage graph = window->UIGraph->grab().toImage();
    const auto dot = [&](int x, int y) {
        const QColor c = graph.pixelColor(x, y);
        return c.red() > 180 && c.green() > 100 && c.green() < 180;
    };
    EXPECT_TRUE(dot(2, 1)) << "bin 0 at the top edge";
    EXPECT_TRUE(dot(102, 110 - 55)) << "bin 20 half way up";
    EXPECT_FALSE(dot(102, 110 - 30));
}
}  // namespace
