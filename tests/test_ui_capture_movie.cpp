// SPDX-License-Identifier: GPL-3.0-or-later
// Movies of the running view: when frames are taken, how long the movie
// plays and with which codec (read back by ffprobe), a movie that stays
// playable while it is still being written and after an abort, a new movie
// asked for during one, and failures that reach the user.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "DIALOG/CMovieDialog.h"
#include "UI/CMovieRecorder.h"
#include "support/ui/UiWindowFixture.h"

namespace {
// What ffprobe reads from a movie: key=value lines of its first video stream and the container.
QMap<QString, QString> probe(const QString& path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {"-v", "error", "-count_packets", "-select_streams", "v:0", "-show_entries",
                   "stream=codec_name,width,height,nb_read_packets,time_base:format=duration", "-of",
                   "default=noprint_wrappers=1", path});
    QMap<QString, QString> values;
    if (!ffprobe.waitForFinished(30000) || ffprobe.exitCode() != 0) return values;
    for (const QString& line : QString::fromUtf8(ffprobe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        if (const qsizetype eq = line.indexOf('='); eq > 0) values[line.left(eq)] = line.mid(eq + 1).trimmed();
    return values;
}

bool haveFFprobe() { return !QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty(); }

class MovieTest : public UiWindowTest {
protected:
    QTemporaryDir dir;
    CViewCapture* capture = nullptr;

    void SetUp() override
    {
        UiWindowTest::SetUp();
        capture = window->UIViewCapture.get();
        // A small picture with an odd width, which H.264 cannot take as it is.
        window->resize(301, 260 + (window->height() - view->height()));
        settle();
    }

    // Starts a movie through the command: the save panel answers path and
    // the movie dialog is accepted after setup has changed its controls.
    void startMovie(const QString& path, const std::function<void(CMovieDialog&)>& setup = {})
    {
        platform.saveAnswers.push_back(path.toStdString());
        QTimer::singleShot(0, window.get(), [&] {
            if (setup) setup(*window->MovieDialog);
            window->MovieDialog->accept();
        });
        window->makeMovie();
    }

    // Lets the run go on until the movie has this many frames or has ended.
    void runUntil(int frames)
    {
        QElapsedTimer clock;
        clock.start();
        while (capture->getMakeMovieFlag() && capture->getCurrentFrame() < frames && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    QString counter() const { return window->UIDisplay->movieFrameField->text(); }
    bool counterShown() const { return !window->UIDisplay->movieFrameField->isHidden(); }
    QAction* abortAction() const
    {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == QStringLiteral("A&bort Movie")) return action;
        return nullptr;
    }
};

TEST_F(MovieTest, DefaultMovieTakesElevenFramesAThousandStepsApartAndEndsItself)
{
    const QString path = dir.filePath("run.mov");
    startMovie(path);
    ASSERT_EQ(capture->getMakeMovieFlag(), 1);
    EXPECT_TRUE(counterShown());
    EXPECT_EQ(counter(), "frame 0 of 10");
    window->validateMenuItems();
    ASSERT_NE(abortAction(), nullptr);
    EXPECT_TRUE(abortAction()->isEnabled());

    // Stopped: no ticks, so no frame, however long the user waits.
    settle(60);
    EXPECT_EQ(capture->recordMovie().framesWritten(), 0);
    EXPECT_EQ(capture->getCurrentFrame(), 0);

    const unsigned start = s->getIterations();
    window->run();
    runUntil(1);
    EXPECT_EQ(capture->currentIteration, start) << "the first frame is taken before the first step";
    runUntil(100);
    window->stop();
    ASSERT_EQ(capture->getMakeMovieFlag(), 0) << "the movie ends itself after its last frame";
    EXPECT_EQ(capture->getCurrentFrame(), 11);
    EXPECT_EQ(capture->currentIteration - start, 10u * 10u * 100u);
    EXPECT_FALSE(counterShown());
    EXPECT_FALSE(abortAction()->isEnabled());
    EXPECT_EQ(capture->recordMovie().framesWritten(), 11);
    EXPECT_FALSE(capture->recordMovie().isOpen());

    if (!haveFFprobe()) GTEST_SKIP() << "ffprobe is not installed";
    const auto movie = probe(path);
    EXPECT_EQ(movie.value("codec_name"), "h264");
    EXPECT_EQ(movie.value("nb_read_packets"), "11");
    EXPECT_EQ(movie.value("time_base"), "1/600");
    EXPECT_NEAR(movie.value("duration").toDouble(), 0.55, 1e-6);
    EXPECT_EQ(movie.value("width").toInt(), 302) << "odd width made even";
    EXPECT_EQ(movie.value("height").toInt(), 260);
}

TEST_F(MovieTest, UncompressedMovieWithItsOwnSettings)
{
    const QString path = dir.filePath("raw.mov");
    startMovie(path, [](CMovieDialog& d) {
        d.codecButton->setCurrentIndex(1);
        d.framesToCaptureField->setText("4");
        d.displaysPerFrameField->setText("2");
        d.frameLengthField->setText("60");
    });
    ASSERT_EQ(capture->getMakeMovieFlag(), 1);
    EXPECT_EQ(capture->getCodec(), 1);
    window->run();
    runUntil(100);
    window->stop();
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);
    EXPECT_EQ(capture->recordMovie().framesWritten(), 5);

    if (!haveFFprobe()) GTEST_SKIP() << "ffprobe is not installed";
    const auto movie = probe(path);
    EXPECT_EQ(movie.value("codec_name"), "rawvideo");
    EXPECT_EQ(movie.value("nb_read_packets"), "5");
    EXPECT_NEAR(movie.value("duration").toDouble(), 0.5, 1e-6);
    EXPECT_EQ(movie.value("width").toInt(), 301) << "uncompressed keeps the view's size";
}

TEST_F(MovieTest, PlayableWhileRecordingAndAfterAnAbort)
{
    const QString path = dir.filePath("cut.mov");
    startMovie(path);
    window->run();
    runUntil(4);
    window->stop();
    ASSERT_EQ(capture->getCurrentFrame(), 4);
    // Frames are encoded on the recorder's thread; each is flushed once written.
    capture->waitUntilWritten();
    if (haveFFprobe()) {
        const auto open = probe(path);
        EXPECT_EQ(open.value("nb_read_packets"), "4") << "every frame reaches the file as it is taken";
        EXPECT_NEAR(open.value("duration").toDouble(), 0.2, 1e-6);
    }

    // A new movie asked for meanwhile: "No" keeps this one going untouched.
    platform.alertAnswers.push_back(0);
    window->makeMovie();
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Alert.");
    EXPECT_EQ(platform.alerts[0].message, "Movie making in progress. Abort current movie?");
    EXPECT_EQ(platform.alerts[0].buttons, (std::vector<std::string>{"No", "Yes"}));
    EXPECT_EQ(platform.saveRequests.size(), 1u) << "no panel after No";
    EXPECT_EQ(capture->getMakeMovieFlag(), 1);
    EXPECT_TRUE(capture->recordMovie().isOpen());

    // "Yes" ends it and asks for the new file; cancelling the panel starts none.
    platform.alertAnswers.push_back(1);
    platform.saveAnswers.push_back("");
    window->makeMovie();
    EXPECT_EQ(platform.saveRequests.size(), 2u);
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);
    EXPECT_FALSE(capture->recordMovie().isOpen());
    EXPECT_FALSE(counterShown());

    if (!haveFFprobe()) GTEST_SKIP() << "ffprobe is not installed";
    const auto movie = probe(path);
    EXPECT_EQ(movie.value("nb_read_packets"), "4");
    EXPECT_NEAR(movie.value("duration").toDouble(), 0.2, 1e-6);
}

TEST_F(MovieTest, CancellingThePanelOrTheDialogWritesNothing)
{
    const QString path = dir.filePath("never.mov");
    platform.saveAnswers.push_back("");
    window->makeMovie();
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);

    platform.saveAnswers.push_back(path.toStdString());
    QTimer::singleShot(0, window.get(), [&] { window->MovieDialog->reject(); });
    window->makeMovie();
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(counterShown());
    EXPECT_TRUE(platform.alerts.empty());
}

TEST_F(MovieTest, AMovieThatCannotBeCreatedIsReportedAndNotStarted)
{
    startMovie(dir.filePath("no-such-folder/run.mov"));
    EXPECT_EQ(capture->getMakeMovieFlag(), 0);
    EXPECT_FALSE(counterShown());
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Alert.");
    EXPECT_NE(platform.alerts[0].message.find("could not be started"), std::string::npos);
    window->run();
    settle(30);
    window->stop();
    EXPECT_EQ(platform.alerts.size(), 1u) << "no frame is attempted afterwards";
}

// The movie frame comes from the picture the view last painted, with the
// fields and the graph drawn over it: the same pixels as reading the view
// back, which draws the scene again.
TEST_F(MovieTest, FrameFromTheLastPaintedPictureIsWhatTheViewShows)
{
    window->run();
    settle(30);
    window->stop();
    settle(10);
    ASSERT_TRUE(view->pictureCurrent());
    const QImage fresh = capture->viewImage().convertToFormat(QImage::Format_RGB32);
    const QImage kept = capture->lastShownImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(kept.size(), fresh.size());
    EXPECT_TRUE(kept == fresh);

    // A paint asked for and not done yet: the picture is read back instead.
    view->setNeedsDisplay();
    EXPECT_FALSE(view->pictureCurrent());
    EXPECT_TRUE(capture->lastShownImage().convertToFormat(QImage::Format_RGB32) == fresh);
}

// Pictures of distinct colours, one a line of the movie, read back in order.
TEST(MovieRecorder, WritesFramesInOrderAndReportsAFailureOnce)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("r.mov").toStdString();
    CMovieRecorder recorder;
    CMovieFormat format;
    format.codec = 1;
    format.width = 16;
    format.height = 8;
    ASSERT_EQ(recorder.open(path, format), "");
    EXPECT_TRUE(recorder.isOpen());
    for (int k = 0; k < 20; k++) {
        QImage picture(16, 8, QImage::Format_RGB32);
        picture.fill(QColor(10 * k, 0, 0));
        recorder.addFrame(picture);
    }
    recorder.waitUntilWritten();
    EXPECT_EQ(recorder.framesWritten(), 20);
    EXPECT_FALSE(recorder.hasFailed());

    recorder.addFrame(QImage());  // a picture that cannot be read
    recorder.addFrame(QImage(16, 8, QImage::Format_RGB32));
    recorder.waitUntilWritten();
    EXPECT_TRUE(recorder.hasFailed());
    EXPECT_EQ(recorder.takeFailure(), "The view's picture could not be read.");
    EXPECT_EQ(recorder.takeFailure(), "") << "reported once";
    EXPECT_EQ(recorder.framesWritten(), 20) << "nothing is written after a failure";
    recorder.addFrame(QImage(16, 8, QImage::Format_RGB32));
    EXPECT_EQ(recorder.close(), "");
    EXPECT_FALSE(recorder.isOpen());
    EXPECT_EQ(recorder.framesWritten(), 20);

    if (!haveFFprobe()) GTEST_SKIP() << "ffprobe is not installed";
    EXPECT_EQ(probe(QString::fromStdString(path)).value("nb_read_packets"), "20");
    // The red of every frame, in the order written.
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", QString::fromStdString(path), "-f", "rawvideo",
                                            "-pix_fmt", "rgb24", "-"});
    ASSERT_TRUE(ffmpeg.waitForFinished(30000));
    const QByteArray pixels = ffmpeg.readAllStandardOutput();
    ASSERT_EQ(pixels.size(), 20 * 16 * 8 * 3);
    for (int k = 0; k < 20; k++) EXPECT_EQ(static_cast<unsigned char>(pixels[k * 16 * 8 * 3]), 10 * k) << k;
}

TEST(MovieWriter, FramesOfAnotherSizeAreScaledAndClosingTwiceIsHarmless)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("w.mov").toStdString();
    CMovieWriter writer;
    EXPECT_FALSE(writer.addFrame(QImage(10, 10, QImage::Format_RGB32)).empty()) << "no movie open";
    CMovieFormat format;
    format.width = 63;
    format.height = 47;
    ASSERT_EQ(writer.open(path, format), "");
    EXPECT_EQ(writer.codedWidth(), 64);
    EXPECT_EQ(writer.codedHeight(), 48);
    QImage picture(63, 47, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::red);
    EXPECT_EQ(writer.addFrame(picture), "");
    EXPECT_EQ(writer.addFrame(picture.scaled(120, 30)), "");
    EXPECT_EQ(writer.framesWritten(), 2);
    EXPECT_EQ(writer.close(), "");
    EXPECT_EQ(writer.close(), "");
    format.frameLength = 0;
    EXPECT_FALSE(writer.open(path, format).empty()) << "frames without length";
}
}  // namespace
