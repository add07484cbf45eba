// SPDX-License-Identifier: GPL-3.0-or-later
// CMovieRecorder: the queue of pictures and the worker that writes them.
#include "CMovieRecorder.h"

#include <utility>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

CMovieRecorder::~CMovieRecorder() { close(); }

std::string CMovieRecorder::open(const std::string& path, const CMovieFormat& format)
{
    close();
    written.store(0, std::memory_order_release);
    failedFlag.store(false, std::memory_order_release);
    failure.clear();
    const std::string error = writer.open(path, format);
    if (!error.empty()) return error;
    coded = {writer.codedWidth(), writer.codedHeight()};
    stopping = false;
    open_ = true;
    worker = std::thread(&CMovieRecorder::work, this);
    return {};
}

void CMovieRecorder::addFrame(QImage picture)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (!open_ || hasFailed()) return;
    progress.wait(lock, [&] { return static_cast<int>(waiting.size()) < kMaxWaiting || hasFailed(); });
    if (hasFailed()) return;
    waiting.push_back(std::move(picture));
    wake.notify_one();
}

void CMovieRecorder::waitUntilWritten()
{
    std::unique_lock<std::mutex> lock(mutex);
    progress.wait(lock, [&] { return (waiting.empty() && !busy) || hasFailed() || !open_; });
}

std::string CMovieRecorder::takeFailure()
{
    std::lock_guard<std::mutex> lock(mutex);
    return std::exchange(failure, {});
}

std::string CMovieRecorder::close()
{
    if (!open_) return {};
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    worker.join();
    open_ = false;
    // After a failed frame the writer has closed itself already.
    return writer.close();
}

// Pictures one at a time, in order; the conversion and the encoding run
// outside the lock, so the run can queue the next picture meanwhile.
void CMovieRecorder::work()
{
#if defined(__linux__)
    // The run and the window come first: the encoder (and the threads the
    // codec starts, which inherit this) takes the time they leave. When it
    // falls behind, the bounded queue makes the run wait for it.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [&] { return !waiting.empty() || stopping; });
        if (waiting.empty()) return;  // stopping with nothing left
        QImage picture = std::move(waiting.front());
        waiting.pop_front();
        busy = true;
        lock.unlock();
        const std::string error = writer.addFrame(picture);
        picture = QImage();
        lock.lock();
        busy = false;
        if (error.empty()) {
            written.fetch_add(1, std::memory_order_release);
        } else {
            failure = error;
            failedFlag.store(true, std::memory_order_release);
            waiting.clear();
        }
        progress.notify_all();
        if (hasFailed()) {
            // Nothing more is written; wait for close().
            wake.wait(lock, [&] { return stopping; });
            return;
        }
    }
}
