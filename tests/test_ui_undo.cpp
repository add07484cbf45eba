// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: each kind of change goes back to the state before it and
// forward to the state after it, bit for bit and in the written file, with
// the window left as it is; a drag is one step; the history drops its oldest
// steps first; unsaved changes are asked about at close.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>

#include "DIALOG/CAtomNumbersDialog.h"
#include "DIALOG/CBoxDialog.h"
#include "DIALOG/CChangeKEDialog.h"
#include "DIALOG/CNewSimulationDialog.h"
#include "support/ui/UiWindowFixture.h"

namespace {
struct CChangeKind {
    const char* name;
    // Makes the change through the window, with the first atoms of type A selected.
    std::function<void(CUIWindow&, UiWindowTest&)> make;
    QString stepText;  // what Edit > Undo names, after "U&ndo "
    bool opensFile = false;  // a file just read has nothing unsaved
};
// What a failed check prints of the kind: its name.
void PrintTo(const CChangeKind& kind, std::ostream* out) { *out << kind.name; }

// Fills a dialog's field when its modal loop runs, then presses OK.
template <class Dialog>
void answerDialog(Dialog* dialog, QLineEdit* field, const QString& text)
{
    QTimer::singleShot(0, dialog, [dialog, field, text] {
        field->setText(text);
        dialog->accept();
    });
}

// The file's text but for where the random stream stands: a change may draw
// from it, and going back does not undo the draws.
std::string fileOf(CSimulation& s)
{
    s.generateOutputFileContent();
    std::string text = s.getFileContent();
    const size_t stream = text.find("\nQRND ");
    if (stream != std::string::npos) text.erase(stream + 1, text.find('\n', stream + 1) - stream);
    return text;
}
}  // namespace

class UndoTest : public UiWindowTest, public ::testing::WithParamInterface<CChangeKind> {
public:
    using UiWindowTest::drag;
    using UiWindowTest::widgetPoint;
};

TEST_P(UndoTest, UndoGoesBackAndRedoForwardBitForBit)
{
    s->selectAll(0);
    for (int i = 0; i < 3; i++) s->toggleSelection(CAtomRef{0, i});
    const CSimulationState before = s->state();
    const std::string fileBefore = fileOf(*s);
    const double userBefore = s->getLedgerBalance().user;

    // Only a file opened brings a window size; undo and redo keep the window's.
    const QSize size = window->size();
    GetParam().make(*window, *this);
    if (!GetParam().opensFile) {
        EXPECT_EQ(window->size(), size);
    }
    const QSize sizeAfter = window->size();
    ASSERT_EQ(window->Document.UndoStack->count(), 1) << "one change, one step";
    EXPECT_EQ(window->Document.undoMenuText(), "U&ndo " + GetParam().stepText);
    const CSimulationState after = s->state();
    const std::string fileAfter = fileOf(*s);
    ASSERT_NE(fileAfter, fileBefore);
    EXPECT_NE(window->isWindowModified(), GetParam().opensFile);

    window->undo();
    EXPECT_EQ(window->size(), sizeAfter);
    EXPECT_TRUE(sameState(s->state(), before));
    EXPECT_EQ(fileOf(*s), fileBefore);
    // Going back books nothing as the person's work.
    EXPECT_EQ(s->getLedgerBalance().user, userBefore);
    EXPECT_EQ(window->isWindowModified(), GetParam().opensFile);

    // The title follows: a step that opened or built a simulation names the document it showed.
    EXPECT_EQ(window->documentName(), QString());

    window->redo();
    EXPECT_EQ(window->size(), sizeAfter);
    EXPECT_TRUE(sameState(s->state(), after));
    EXPECT_EQ(fileOf(*s), fileAfter);
    EXPECT_EQ(window->Document.UndoStack->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    EachKindOfChange, UndoTest,
    ::testing::Values(
        CChangeKind{"Delete", [](CUIWindow& w, UiWindowTest&) { w.selectDelete(); }, "Delete 3 Atoms"},
        CChangeKind{"Clump", [](CUIWindow& w, UiWindowTest&) { w.selectClump(); }, "Clump 3 Atoms"},
        CChangeKind{"BoxWidth",
                    [](CUIWindow& w, UiWindowTest&) {
                        answerDialog(w.BoxDialog, w.BoxDialog->boxWidthField, "4.0e-8");
                        chooseCommand(w, "Box and Piston...");
                    },
                    "Box Width 40.0 nm"},
        CChangeKind{"KineticEnergy",
                    [](CUIWindow& w, UiWindowTest&) {
                        answerDialog(w.ChangeKEDialog, w.ChangeKEDialog->changeKEField, "1.0e-20");
                        chooseCommand(w, "Change Kinetic Energy...");
                    },
                    "Change Kinetic Energy"},
        CChangeKind{"AtomCount",
                    [](CUIWindow& w, UiWindowTest&) {
                        answerDialog(w.AtomNumbersDialog, w.AtomNumbersDialog->numberField[1], "7");
                        chooseCommand(w, "Number of Atoms...");
                    },
                    "Number of Atoms"},
        CChangeKind{"OpenExample",
                    [](CUIWindow& w, UiWindowTest&) { w.openExample(":/examples/4-mixture-of-two-sizes.txt"); },
                    "Open 4-mixture-of-two-sizes.txt", true},
        // A built state takes the window's size, and a histogram scale that
        // holds its speeds: no bin over the top, next to no atom past the last.
        CChangeKind{"NewSimulation",
                    [](CUIWindow& w, UiWindowTest&) {
                        QTimer::singleShot(0, w.NewSimulationDialog, [&w] { w.NewSimulationDialog->accept(); });
                        w.runNewSimulationDialog();
                        EXPECT_EQ(w.Simulation.getWindowWidth(), w.UIView->width());
                        double highest = 0.0, counted = 0.0;
                        for (int b = 0; b < CSimulation::kBins; b++) {
                            highest = std::max(highest, w.Simulation.getHistogram(CSimulation::kAllAtoms, b));
                            counted += w.Simulation.getHistogram(CSimulation::kAllAtoms, b);
                        }
                        EXPECT_LE(highest, w.Simulation.getGraphYmax());
                        EXPECT_GE(counted, 0.99 * w.Simulation.state().atoms.totalAtoms);
                    },
                    "New Simulation"},
        // Many moves between press and release: one step.
        CChangeKind{"Drag",
                    [](CUIWindow&, UiWindowTest& t) {
                        static_cast<UndoTest&>(t).drag(static_cast<UndoTest&>(t).widgetPoint(0, 0),
                                                      {QPointF(4, 0), QPointF(4, 2), QPointF(0, 6)}, Qt::NoModifier,
                                                      Qt::MiddleButton);
                    },
                    "Move 3 Atoms"}),
    [](const ::testing::TestParamInfo<CChangeKind>& info) { return std::string(info.param.name); });

// A refused change, and a dialog closed with Cancel, are no steps; nor is
// building the simulation shown again, though the state built aside differs
// from it in what no person changes: the speed meter's clock and the bytes
// between the members.
TEST_F(UiWindowTest, RefusedChangesRebuildsAndRunningAreNoSteps)
{
    EXPECT_FALSE(window->Document.recordChange("Refused", [this](QString&) { return s->setTimeStep(-1.0); }, CDocument::parameters));
    QTimer::singleShot(0, window->BoxDialog, [this] { window->BoxDialog->reject(); });
    chooseCommand(*window, "Box and Piston...");
    EXPECT_EQ(window->Document.UndoStack->count(), 0);
    EXPECT_FALSE(window->isWindowModified());

    for (int k = 0; k < 2; k++) {
        platform.clock += 3.0;
        QTimer::singleShot(0, window->NewSimulationDialog, [this] { window->NewSimulationDialog->accept(); });
        window->runNewSimulationDialog();
    }
    EXPECT_EQ(window->Document.UndoStack->count(), 1);
    auto copy = std::make_unique<CSimulationState>(s->state());
    static_assert(offsetof(CBoxAndPiston, pistonZ) > offsetof(CBoxAndPiston, pistonUsed) + 1);
    reinterpret_cast<unsigned char*>(&copy->box)[offsetof(CBoxAndPiston, pistonUsed) + 1] ^= 0x5a;
    EXPECT_TRUE(sameState(*copy, s->state()));
    copy->box.pistonUsed = !copy->box.pistonUsed;
    EXPECT_FALSE(sameState(*copy, s->state()));
    window->undo();

    // Running is no step, but it leaves changes to save; undo while running
    // stops the run and puts back the state before the change, step count too.
    s->selectAll(1);
    window->selectDelete();
    const unsigned stepsAtChange = s->getIterations();
    window->run();
    while (s->getIterations() == stepsAtChange) settle(5);
    EXPECT_EQ(window->Document.UndoStack->count(), 1);
    EXPECT_TRUE(window->Document.undoMenuText().endsWith(", back to step 0")) << window->Document.undoMenuText().toStdString();
    window->undo();
    EXPECT_EQ(s->getRunState(), CRunState::stopped);
    EXPECT_FALSE(window->Document.runTimer.isActive());
    EXPECT_EQ(s->getIterations(), stepsAtChange);
    EXPECT_GT(s->getNumber(0), 0);
}

// Past the limit the oldest step goes first: the earliest state left to go
// back to is the one after the first dropped change.
TEST_F(UiWindowTest, TheHistoryDropsItsOldestStepsFirst)
{
    const int limit = undoStepLimit();
    ASSERT_GT(limit, 10);
    ASSERT_LE(limit, kUndoSteps);
    ASSERT_LE(std::size_t(limit) * 2 * kSnapshotBytes, kUndoBytes);
    std::string afterFirst;
    for (int k = 0; k <= limit; k++) {
        ASSERT_TRUE(window->Document.recordChange("Time Step", [&](QString&) { return s->setTimeStep(1e-15 * (k + 2)); }, CDocument::parameters));
        if (k == 0) afterFirst = fileOf(*s);
    }
    EXPECT_EQ(window->Document.UndoStack->count(), limit);
    while (window->Document.UndoStack->canUndo()) window->undo();
    EXPECT_EQ(fileOf(*s), afterFirst);
}

// Close asks when there are changes: Cancel keeps the window, Save... saves
// (the history stays), Don't Save closes.
TEST_F(UiWindowTest, UnsavedChangesAreAskedAboutAtClose)
{
    EXPECT_TRUE(window->windowTitle().endsWith("[*]"));
    EXPECT_FALSE(window->isWindowModified());
    s->selectAll(1);
    window->selectClump();
    ASSERT_TRUE(window->isWindowModified());

    platform.alertAnswers.push_back(2);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].buttons.size(), 3u);

    QTemporaryDir folder;
    platform.alertAnswers.push_back(0);
    platform.saveAnswers.push_back(folder.filePath("kept.txt").toStdString());
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->Document.UndoStack->count(), 1);

    window->show();
    window->undo();
    EXPECT_TRUE(window->isWindowModified());
    platform.alertAnswers.push_back(1);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(platform.alerts.size(), 3u);
}
