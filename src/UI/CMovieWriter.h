// Movie recording and still frames of the simulation view.
//
// CMovieWriter writes a QuickTime movie with FFmpeg's libraries: H.264 or
// uncompressed RGB, a time base of 1/600 s, every frame a fixed number of
// those units long. The movie is fragmented and flushed after every frame,
// so a recording that is aborted, fails or is cut off by a crash keeps every
// frame written so far in a playable file.
//
// CViewCapture holds the view's recording settings and state (what the movie
// and frame dialogs edit) and performs the recording: the save panels, the
// frame that falls due at the start of a tick, and the still frames.
#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <string>

class CPlatform;
class CSimulation;
class CUIDisplay;
class QWidget;

// What the movie is made of; fixed for the whole recording.
struct CMovieFormat {
    int codec = 0;        // 0 H.264, 1 uncompressed RGB
    int quality = 2;      // 0 maximum .. 4 minimum (H.264 only)
    int frameLength = 30; // units of 1/600 s
    int width = 0, height = 0;
};

// The H.264 constant-rate factor of each quality step (lower is better).
int movieQualityCRF(int quality);

class CMovieWriter {
public:
    CMovieWriter();
    ~CMovieWriter();  // closes an open movie, keeping its frames
    CMovieWriter(const CMovieWriter&) = delete;
    CMovieWriter& operator=(const CMovieWriter&) = delete;

    // Each answers the reason of a failure, empty on success. After a
    // failure the movie is closed; the frames before it stay in the file.
    std::string open(const std::string& path, const CMovieFormat& format);
    // A picture of another size is scaled to the movie's.
    std::string addFrame(const QImage& picture);
    std::string close();

    bool isOpen() const { return stream != nullptr; }
    int framesWritten() const { return frames; }
    // The size the encoder works at (H.264 needs even sides).
    int codedWidth() const;
    int codedHeight() const;

    struct OutputStream;  // the libav state of one movie

private:
    std::unique_ptr<OutputStream> stream;
    int frames = 0;
};

class CViewCapture {
public:
    CViewCapture(CPlatform& platform, CSimulation& simulation, QWidget& view, CUIDisplay* display);
    ~CViewCapture();

    CPlatform& Platform;  // save panels and alerts
    char makeMovieFlag = 0;
    int codec = 0;
    int quality = 2;
    int displaysPerFrame = 10;
    int framesToCapture = 10;
    int frameLength = 30;
    int currentFrame = 0;
    unsigned currentIteration = 0;
    std::string moviePath;
    char captureFlag = 0;
    std::string framePath;
    int captureFileType = 3;  // 3 JPEG, 0 TIFF
    float captureQuality = 100.0f;
    std::string msg;          // the name proposed to a save panel

    char getMakeMovieFlag() const { return makeMovieFlag; }
    void setMakeMovieFlag(char flag) { makeMovieFlag = flag; }
    int getCodec() const { return codec; }
    void setCodec(int c) { codec = c; }
    int getQuality() const { return quality; }
    void setQuality(int q) { quality = q; }
    int getDisplaysPerFrame() const { return displaysPerFrame; }
    void setDisplaysPerFrame(int d) { displaysPerFrame = d; }
    int getFramesToCapture() const { return framesToCapture; }
    void setFramesToCapture(int f) { framesToCapture = f; }
    int getFrameLength() const { return frameLength; }
    void setFrameLength(int l) { frameLength = l; }
    int getCurrentFrame() const { return currentFrame; }
    char getCaptureFlag() const { return captureFlag; }
    void setCaptureFlag(char flag) { captureFlag = flag; }
    int getFrameCaptureFileType() const { return captureFileType; }
    void setFrameCaptureFileType(int type) { captureFileType = type; }
    float getFrameCaptureQuality() const { return captureQuality; }
    void setFrameCaptureQuality(float q) { captureQuality = q; }

    // Movie.
    void requestMoviePath();
    // False (after an alert, with the movie flag cleared) when the file cannot be made.
    bool initMovieFile();
    // At the start of every tick: takes a frame when one is due.
    void captureCheck();
    // Takes one frame and appends it; a failure ends the recording with an alert.
    bool captureFrame();
    void abortMakeMovie();

    // Still frame.
    void requestFramePath();
    bool captureSingleFrame();

    void extractFileNameFromPath(const std::string& path);
    void stripExtension();

    // The view's picture as last shown, the status fields and graph included.
    QImage viewImage() const;
    const CMovieWriter& recordMovie() const { return writer; }

private:
    void showFrameCounter();
    void failed(const std::string& what, const std::string& reason);

    CSimulation& Simulation;
    QWidget& UIView;
    CUIDisplay* UIDisplay;
    CMovieWriter writer;
};
