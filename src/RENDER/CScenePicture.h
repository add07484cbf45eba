// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of a simulation's scene as the view draws it, without a window:
// for thumbnails and figures from the batch runner, and for checks that look
// at the pixels.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

struct CSimulationState;

// The whole view of the given size: opaque black, the scene centred, or the
// stereo pair side by side.
QImage renderScenePicture(const CSimulationState& state, QSize size, bool stereo);

// Writes the image in the format its file name ends with, through a temporary
// file renamed over the target, so a failed write never leaves half a file.
// Empty on success, otherwise the reason.
QString writeImageAtomically(const QImage& image, const QString& path);
