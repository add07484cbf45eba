// SPDX-License-Identifier: GPL-3.0-or-later
// Still frames (JPEG and TIFF of the view as shown), the names the movie
// and frame panels propose over saves and cancels, and the two capture
// dialogs with their derived fields and enabling rules.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include "DIALOG/CFrameCaptureDialog.h"
#include "DIALOG/CMovieDialog.h"
#include "support/ui/UiWindowFixture.h"

namespace {
class FrameTest : public UiWindowTest {
protected:
    QTemporaryDir dir;
    CViewCapture* capture = nullptr;

    void SetUp() override
    {
        UiWindowTest::SetUp();
        capture = window->UIViewCapture.get();
        window->resize(320, 260 + (window->height() - view->height()));
        settle();
    }

    // The capture command with the dialog set to this type and quality, saving to path.
    void captureTo(const QString& path, int typeItem, int quality = 100)
    {
        platform.saveAnswers.push_back(path.toStdString());
        QTimer::singleShot(0, window.get(), [=, this] {
            CFrameCaptureDialog& d = *window->FrameCaptureDialog;
            d.fileTypePopupButton->setCurrentIndex(typeItem);
            d.tabOut();
            d.qualitySlider->setValue(quality);
            d.accept();
        });
        window->captureFrame();
    }

    const CSavePanelRequest& lastPanel() const { return platform.saveRequests.back(); }
};

TEST_F(FrameTest, JpegAndTiffStillsOfTheViewAsShown)
{
    window->run();
    settle(50);
    window->stop();
    const QString jpeg = dir.filePath("shot.jpg"), tiff = dir.filePath("shot.tif"), rough = dir.filePath("rough.jpg");
    captureTo(jpeg, 0, 100);
    captureTo(tiff, 1);
    captureTo(rough, 0, 5);
    EXPECT_TRUE(platform.alerts.empty());
    for (const auto& [path, format] : {std::pair{jpeg, "jpeg"}, {tiff, "tiff"}, {rough, "jpeg"}}) {
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray(format)) << path.toStdString();
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), view->size()) << path.toStdString();
    }
    EXPECT_LT(QFile(rough).size() * 2, QFile(jpeg).size()) << "quality reaches the encoder";

    // The picture is the view with its status fields: the run state's label appears in it.
    const QImage shown = QImage(tiff);
    const QImage grabbed = view->grab().toImage().convertToFormat(shown.format());
    EXPECT_EQ(shown, grabbed);
}

TEST_F(FrameTest, CancellingTheDialogShowsNoPanelAndWritesNothing)
{
    QTimer::singleShot(0, window.get(), [this] { window->FrameCaptureDialog->reject(); });
    window->captureFrame();
    EXPECT_EQ(capture->getCaptureFlag(), 0);
    EXPECT_TRUE(platform.saveRequests.empty());

    // Cancelling the panel writes nothing either.
    platform.saveAnswers.push_back("");
    QTimer::singleShot(0, window.get(), [this] { window->FrameCaptureDialog->accept(); });
    window->captureFrame();
    EXPECT_EQ(capture->getCaptureFlag(), 0);
    EXPECT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FrameTest, AFrameThatCannotBeWrittenIsReported)
{
    captureTo(dir.filePath("missing/shot.jpg"), 0);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Alert.");
    EXPECT_NE(platform.alerts[0].message.find("could not be saved"), std::string::npos);
}

TEST_F(FrameTest, MoviePanelProposesTheLastChosenNameAndCancelKeepsIt)
{
    auto ask = [&](const std::string& answer) {
        platform.saveAnswers.push_back(answer);
        capture->requestMoviePath();
        return lastPanel();
    };
    const CSavePanelRequest first = ask(dir.filePath("run1.mov").toStdString());
    EXPECT_EQ(first.title, "Save Movie 'mov' File As...");
    EXPECT_EQ(first.nameFieldLabel, "File Name: ");
    EXPECT_EQ(first.requiredFileType, "mov");
    EXPECT_EQ(first.proposedName, "MOVIE.mov");
    EXPECT_EQ(capture->getMakeMovieFlag(), 1);
    EXPECT_EQ(ask("").proposedName, "run1.mov");
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);
    EXPECT_EQ(ask("").proposedName, "run1.mov") << "a cancel changes no proposal";
    ask(dir.filePath("typed").toStdString());
    EXPECT_EQ(capture->moviePath, dir.filePath("typed.mov").toStdString()) << "the required type is added";
}

TEST_F(FrameTest, FramePanelsKeepOrDropTheExtensionByType)
{
    auto ask = [&](int type, const std::string& answer) {
        capture->setFrameCaptureFileType(type);
        platform.saveAnswers.push_back(answer);
        capture->requestFramePath();
        return lastPanel();
    };
    const CSavePanelRequest jpeg = ask(3, "/tmp/x/shot.jpg");
    EXPECT_EQ(jpeg.title, "Save Captured Frame 'jpg' File As...");
    EXPECT_EQ(jpeg.requiredFileType, "jpg");
    EXPECT_EQ(jpeg.nameFieldLabel, "File Name: ");
    EXPECT_EQ(jpeg.proposedName, "FRAME.jpg");
    const CSavePanelRequest tiff = ask(0, "/tmp/x/shot.tif");
    EXPECT_EQ(tiff.title, "Save Captured Frame 'tif' File As...");
    EXPECT_EQ(tiff.requiredFileType, "tif");
    EXPECT_EQ(tiff.proposedName, "shot") << "the panel adds the extension";
    EXPECT_EQ(ask(3, "").proposedName, "shot.tif");
    EXPECT_EQ(capture->getCaptureFlag(), 0);
    EXPECT_EQ(ask(3, "/tmp/x/shot.tif").proposedName, "shot.tif");
    EXPECT_EQ(capture->framePath, "/tmp/x/shot.tif.jpg") << "JPEG data never lands in a .tif file";

    capture->framePath.clear();
    EXPECT_EQ(ask(0, "").proposedName, "FRAME.tif");
    const size_t panels = platform.saveRequests.size();
    capture->setFrameCaptureFileType(7);
    capture->requestFramePath();
    EXPECT_EQ(capture->getCaptureFlag(), 0);
    EXPECT_EQ(platform.saveRequests.size(), panels) << "an unknown type asks for no file";
}

TEST_F(FrameTest, MovieDialogDerivedFieldsAndCodecRule)
{
    CMovieDialog& d = *window->MovieDialog;
    s->setIPD(100);
    s->setTimeStep(1e-14);
    capture->setDisplaysPerFrame(2);
    capture->setFramesToCapture(100);
    capture->setFrameLength(60);
    capture->setQuality(3);
    capture->setCodec(0);
    d.fill();
    EXPECT_EQ(d.displaysPerFrameField->text(), "2");
    EXPECT_EQ(d.framesToCaptureField->text(), "100");
    EXPECT_EQ(d.frameLengthField->text(), "60");
    EXPECT_EQ(d.iterationsPerDisplayField->text(), "100");
    EXPECT_EQ(d.timePerDisplayField->text(), "1.00e-12");
    EXPECT_EQ(d.iterationsPerFrameField->text(), "200");
    EXPECT_EQ(d.timePerFrameField->text(), "2.00e-12");
    EXPECT_EQ(d.totalIterationField->text(), "20000");
    EXPECT_EQ(d.totalTimeField->text(), "2.00e-10");
    EXPECT_EQ(d.movieRunTimeField->text(), "1.00e+01");
    EXPECT_EQ(d.imageQualityButton->currentIndex(), 3);
    EXPECT_TRUE(d.imageQualityButton->isEnabled());

    // Typing refreshes the derived fields; the typed text stays.
    d.framesToCaptureField->setText("10");
    d.tabOut();
    EXPECT_EQ(d.framesToCaptureField->text(), "10");
    EXPECT_EQ(d.totalIterationField->text(), "2000");
    EXPECT_EQ(d.movieRunTimeField->text(), "1.00e+00");
    d.codecButton->setCurrentIndex(1);
    d.tabOut();
    EXPECT_FALSE(d.imageQualityButton->isEnabled()) << "quality means nothing uncompressed";

    // A frame every 0 displays is refused and the dialog keeps its values unapplied.
    d.displaysPerFrameField->setText("0");
    d.accept();
    EXPECT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(capture->getDisplaysPerFrame(), 2);
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);
    d.displaysPerFrameField->setText("5");
    d.accept();
    EXPECT_EQ(capture->getDisplaysPerFrame(), 5);
    EXPECT_EQ(capture->getFramesToCapture(), 10);
    EXPECT_EQ(capture->getCodec(), 1);
    EXPECT_EQ(capture->getMakeMovieFlag(), 1);
    d.cancel();
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);
}

TEST_F(FrameTest, FrameDialogGreysQualityForTiffAndStoresItAnyway)
{
    CFrameCaptureDialog& d = *window->FrameCaptureDialog;
    // The quality's label names its slider, so its '&' is an access key and not shown.
    bool labelled = false;
    for (QLabel* label : d.findChildren<QLabel*>())
        if (label->text() == "JPEG &quality:") labelled = label->buddy() == d.qualitySlider;
    EXPECT_TRUE(labelled);
    capture->setFrameCaptureQuality(80.0f);
    d.fill();
    EXPECT_EQ(d.fileTypePopupButton->currentIndex(), 0);
    EXPECT_EQ(d.qualitySlider->value(), 80);
    EXPECT_TRUE(d.qualitySlider->isEnabled());
    d.fileTypePopupButton->setCurrentIndex(1);
    d.tabOut();
    EXPECT_FALSE(d.qualitySlider->isEnabled());
    EXPECT_FALSE(d.qualityField->isEnabled());
    d.qualitySlider->setValue(40);
    d.accept();
    EXPECT_EQ(capture->getFrameCaptureFileType(), 0);
    EXPECT_FLOAT_EQ(capture->getFrameCaptureQuality(), 40.0f);
    EXPECT_EQ(capture->getCaptureFlag(), 1);
    d.fill();
    EXPECT_EQ(d.fileTypePopupButton->currentIndex(), 1) << "TIFF comes back as item 1";
}
}  // namespace
