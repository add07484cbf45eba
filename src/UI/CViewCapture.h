// SPDX-License-Identifier: GPL-3.0-or-later
// The view's recording: reads the settings the movie and frame dialogs edit,
// asks for the files, takes the frame that falls due at the start of a tick
// and writes the still frames.
#pragma once

#include <QImage>

#include <string>

#include "CMovieRecorder.h"
#include "DIALOG/CCaptureSettings.h"

class CPlatform;
class CSimulation;
class CUIDisplay;
class CUIView;

class CViewCapture {
public:
    CViewCapture(CPlatform& platform, CSimulation& simulation, CUIView& view, CUIDisplay* display);
    ~CViewCapture();

    CPlatform& Platform;        // save panels and alerts
    CCaptureSettings settings;  // what the movie and frame dialogs edit
    int currentFrame = 0;
    unsigned currentIteration = 0;
    std::string moviePath;
    std::string framePath;
    std::string msg;            // the name proposed to a save panel

    char getMakeMovieFlag() const { return settings.makeMovieFlag; }
    void setMakeMovieFlag(char flag) { settings.makeMovieFlag = flag; }
    int getCodec() const { return settings.codec; }
    void setCodec(int c) { settings.codec = c; }
    int getQuality() const { return settings.quality; }
    void setQuality(int q) { settings.quality = q; }
    int getDisplaysPerFrame() const { return settings.displaysPerFrame; }
    void setDisplaysPerFrame(int d) { settings.displaysPerFrame = d; }
    int getFramesToCapture() const { return settings.framesToCapture; }
    void setFramesToCapture(int f) { settings.framesToCapture = f; }
    int getFrameLength() const { return settings.frameLength; }
    void setFrameLength(int l) { settings.frameLength = l; }
    int getCurrentFrame() const { return currentFrame; }
    char getCaptureFlag() const { return settings.captureFlag; }
    void setCaptureFlag(char flag) { settings.captureFlag = flag; }
    int getFrameCaptureFileType() const { return settings.captureFileType; }
    void setFrameCaptureFileType(int type) { settings.captureFileType = type; }
    float getFrameCaptureQuality() const { return settings.captureQuality; }
    void setFrameCaptureQuality(float q) { settings.captureQuality = q; }

    // Movie.
    void requestMoviePath();
    // False (after an alert, with the movie flag cleared) when the file cannot be made.
    bool initMovieFile();
    // At the start of every tick: takes a frame when one is due.
    void captureCheck();
    // Takes one frame and hands it to the recorder; false when an earlier
    // frame has failed, which ends the recording with an alert.
    bool captureFrame();
    void abortMakeMovie();

    // Still frame.
    void requestFramePath();
    bool captureSingleFrame();

    void extractFileNameFromPath(const std::string& path);
    void stripExtension();

    // The view's picture as last shown, the status fields and graph included.
    QImage viewImage() const;
    // The same from the picture the view last painted, without drawing the
    // scene again: the fields and the graph are drawn over a copy of it.
    QImage lastShownImage() const;
    const CMovieRecorder& recordMovie() const { return recorder; }
    // Returns when every frame taken so far is in the file (or has failed).
    void waitUntilWritten() { recorder.waitUntilWritten(); }

private:
    void showFrameCounter();
    void failed(const std::string& what, const std::string& reason);
    // Ends the recording with an alert if a frame could not be written; true then.
    bool endIfFailed();

    CSimulation& Simulation;
    CUIView& UIView;
    CUIDisplay* UIDisplay;
    CMovieRecorder recorder;
};
