// SPDX-License-Identifier: GPL-3.0-or-later
// A movie written on a thread of its own: the run hands over a picture and
// goes on at once, while a worker converts and encodes the pictures one
// after the other, in the order they came, flushing the file after each.
// A failure stops the worker; the run learns of it from hasFailed() and
// takeFailure(), and the frames written before it stay in the file.
#pragma once

#include <QImage>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "CMovieWriter.h"

class CMovieRecorder {
public:
    // Frames waiting beyond this hold the caller up until one is written,
    // so a slow encoder cannot fill the memory.
    static constexpr int kMaxWaiting = 8;

    CMovieRecorder() = default;
    ~CMovieRecorder();  // writes what waits, then closes
    CMovieRecorder(const CMovieRecorder&) = delete;
    CMovieRecorder& operator=(const CMovieRecorder&) = delete;

    // Opens the file here, so a movie that cannot be made is refused at
    // once; the reason of a failure, empty on success.
    std::string open(const std::string& path, const CMovieFormat& format);
    // Queues a picture (of any size: it is scaled to the movie's). Ignored
    // once a frame has failed or the movie is closed.
    void addFrame(QImage picture);
    // Returns when every queued picture has been written or has failed.
    void waitUntilWritten();
    // Whether a frame could not be written; the movie file is closed then.
    bool hasFailed() const { return failedFlag.load(std::memory_order_acquire); }
    // The reason of that failure, once; empty when there is none.
    std::string takeFailure();
    // Writes what waits and closes the movie; the reason the file could not
    // be completed, empty on success (a frame's failure is takeFailure's).
    std::string close();

    bool isOpen() const { return open_; }
    // The encoded picture's size, fixed when the movie opens (read here so
    // the caller never touches the writer the worker uses).
    int codedWidth() const { return coded.first; }
    int codedHeight() const { return coded.second; }
    int framesWritten() const { return written.load(std::memory_order_acquire); }

private:
    void work();

    CMovieWriter writer;  // used by the worker only while it runs
    std::thread worker;
    std::mutex mutex;
    std::condition_variable wake, progress;
    std::deque<QImage> waiting;  // in the order taken
    bool busy = false;           // the worker holds a picture
    bool stopping = false;
    std::string failure;
    std::atomic<bool> failedFlag{false};
    std::atomic<int> written{0};
    bool open_ = false;
    std::pair<int, int> coded{0, 0};
};
