// SPDX-License-Identifier: GPL-3.0-or-later
// What the movie and frame dialogs edit and the view's capture reads: the
// movie's pacing, codec and quality, the still frame's file type and
// quality, and whether the user confirmed each dialog. Plain values, so the
// dialogs need nothing of the window or of the recording itself.
#pragma once

struct CCaptureSettings {
    // Movie.
    char makeMovieFlag = 0;    // 1 after the movie dialog was confirmed, while the movie runs
    int codec = 0;             // 0 H.264, 1 uncompressed RGB
    int quality = 2;           // 0 maximum .. 4 minimum (H.264 only)
    int displaysPerFrame = 10; // displays of the view between two frames
    int framesToCapture = 10;  // frames after the first
    int frameLength = 30;      // units of 1/600 s

    // Still frame.
    char captureFlag = 0;         // 1 after the frame dialog was confirmed
    int captureFileType = 3;      // 3 JPEG, 0 TIFF
    float captureQuality = 100.0f; // JPEG quality, 0 .. 100

    // Both: 1 keeps the pixels of a scaled screen (ratio times the view's
    // points); 0, the default, writes pictures of the view's size in points.
    char screenPixels = 0;
};
