// SPDX-License-Identifier: GPL-3.0-or-later
// Movie recording: CMovieWriter writes a QuickTime movie with FFmpeg's libraries: H.264 or
// uncompressed RGB, a time base of 1/600 s, every frame a fixed number of
// those units long. The movie is fragmented and flushed after every frame,
// so a recording that is aborted, fails or is cut off by a crash keeps every
// frame written so far in a playable file.
#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <string>

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
