// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the view: save panels, the frame due at the start of a tick,
// still frames written atomically.
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>

#include "CViewCapture.h"

#include "CUIDisplay.h"
#include "CUIView.h"
#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"

namespace {
// The panel adds the required extension only when the name has none, so a
// proposal such as "shot.tif" in the JPEG panel would come back as is and
// JPEG data would land in a .tif file: a name that does not end in the
// required type gets it appended.
std::string withRequiredType(const std::string& path, const std::string& type)
{
    if (QFileInfo(QString::fromStdString(path)).suffix().compare(QString::fromStdString(type), Qt::CaseInsensitive) == 0)
        return path;
    return path + "." + type;
}
}  // namespace

CViewCapture::CViewCapture(CPlatform& platform, CSimulation& simulation, CUIView& view, CUIDisplay* display)
    : Platform(platform), Simulation(simulation), UIView(view), UIDisplay(display)
{
}

CViewCapture::~CViewCapture() = default;

void CViewCapture::extractFileNameFromPath(const std::string& path)
{
    const size_t slash = path.rfind('/');
    msg = slash == std::string::npos ? path : path.substr(slash + 1);
}

void CViewCapture::stripExtension()
{
    msg.erase(msg.size() - std::min<size_t>(4, msg.size()));
}

QImage CViewCapture::viewImage() const
{
    // grab() renders the view with the labels and the graph that lie over
    // it; the scene is still the one drawn at the end of the last tick. On a
    // scaled screen it has the screen's pixels; unless those are asked for,
    // the picture comes at the view's size in points, as on any screen.
    QImage picture = UIView.grab().toImage();
    if (settings.screenPixels || picture.size() == UIView.size()) return picture;
    picture = picture.scaled(UIView.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(1.0);
    return picture;
}

QImage CViewCapture::lastShownImage() const
{
    UIView.drawLeftNow();
    // A paint asked for and not done (a view not shown): the picture is older than the view.
    if (!UIView.pictureCurrent() || UIView.lastPicture().size() != UIView.size()) return viewImage();
    QImage picture = UIView.lastPicture().copy();
    QPainter painter(&picture);
    for (QWidget* child : UIView.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible()) child->render(&painter, child->pos(), QRegion(), QWidget::DrawChildren);
    return picture;
}

void CViewCapture::failed(const std::string& what, const std::string& reason)
{
    Platform.alert("Alert.", what + "\n" + reason, {"OK"});
}

// ---------------------------------------------------------------- movie

void CViewCapture::requestMoviePath()
{
    if (moviePath.empty()) msg = "MOVIE.mov";
    else extractFileNameFromPath(moviePath);
    CSavePanelRequest request{"Save Movie 'mov' File As...", "File Name: ", "mov", msg};
    request.fileTypeDescription = "QuickTime movies";
    std::string chosen;
    if (Platform.savePanel(request, chosen)) {
        moviePath = withRequiredType(chosen, "mov");
        settings.makeMovieFlag = 1;
    } else {
        settings.makeMovieFlag = 0;
    }
}

bool CViewCapture::initMovieFile()
{
    currentFrame = 0;
    currentIteration = Simulation.getIterations();
    const QString path = QString::fromStdString(moviePath);
    if (QFile::exists(path) && !QFile::remove(path)) {
        settings.makeMovieFlag = 0;
        failed("The movie could not be started: the file " + moviePath + " cannot be replaced.",
               "Choose another name or folder.");
        return false;
    }
    const qreal ratio = settings.screenPixels ? UIView.devicePixelRatioF() : 1.0;
    CMovieFormat format;
    format.codec = settings.codec == 1 ? 1 : 0;
    format.quality = settings.quality;
    format.frameLength = settings.frameLength;
    format.width = static_cast<int>(UIView.width() * ratio + 0.5);
    format.height = static_cast<int>(UIView.height() * ratio + 0.5);
    const std::string error = recorder.open(moviePath, format);
    if (!error.empty()) {
        settings.makeMovieFlag = 0;
        failed("The movie " + moviePath + " could not be started.", error);
        return false;
    }
    showFrameCounter();
    return true;
}

void CViewCapture::showFrameCounter()
{
    if (UIDisplay) UIDisplay->drawFrameDisplay(currentFrame, settings.framesToCapture);
}

void CViewCapture::captureCheck()
{
    if (!settings.makeMovieFlag) return;
    // A frame written since the last tick may have failed.
    if (endIfFailed()) return;
    if (currentFrame == 0) {
        if (!captureFrame()) return;
        currentFrame = 1;
        currentIteration = Simulation.getIterations();
        showFrameCounter();
        return;
    }
    const unsigned due = static_cast<unsigned>(settings.displaysPerFrame) * Simulation.getIPD();
    if (Simulation.getIterations() - currentIteration < due) return;
    currentIteration = Simulation.getIterations();
    if (!captureFrame()) return;
    currentFrame++;
    showFrameCounter();
    if (currentFrame > settings.framesToCapture) abortMakeMovie();
}

bool CViewCapture::captureFrame()
{
    if (endIfFailed()) return false;
    recorder.addFrame(lastShownImage());
    return true;
}

bool CViewCapture::endIfFailed()
{
    if (!recorder.hasFailed()) return false;
    abortMakeMovie();
    return true;
}

void CViewCapture::abortMakeMovie()
{
    settings.makeMovieFlag = 0;
    if (UIDisplay) UIDisplay->setMovieFrameDisplayVisibility(false);
    if (!recorder.isOpen()) return;
    // End the recording first: the alert's event loop must not see it still going.
    recorder.waitUntilWritten();
    const std::string frameError = recorder.takeFailure();
    const std::string error = recorder.close();
    if (!frameError.empty())
        failed("The movie " + moviePath + " was stopped after " + std::to_string(recorder.framesWritten()) +
                   " frames; they remain in the file.",
               frameError);
    else if (!error.empty())
        failed("The movie " + moviePath + " could not be completed.", error);
}

// ---------------------------------------------------------------- still frame

void CViewCapture::requestFramePath()
{
    if (settings.captureFileType != 3 && settings.captureFileType != 0) {
        settings.captureFlag = 0;
        return;
    }
    const bool jpeg = settings.captureFileType == 3;
    const std::string type = jpeg ? "jpg" : "tif";
    if (framePath.empty()) {
        msg = jpeg ? "FRAME.jpg" : "FRAME.tif";
    } else {
        extractFileNameFromPath(framePath);
        if (!jpeg) stripExtension();
    }
    CSavePanelRequest request{"Save Captured Frame '" + type + "' File As...", "File Name: ", type, msg};
    request.fileTypeDescription = jpeg ? "JPEG images" : "TIFF images";
    std::string chosen;
    if (Platform.savePanel(request, chosen)) {
        framePath = withRequiredType(chosen, type);
        settings.captureFlag = 1;
    } else {
        settings.captureFlag = 0;
    }
}

bool CViewCapture::captureSingleFrame()
{
    const QImage picture = viewImage();
    const bool jpeg = settings.captureFileType == 3;
    QSaveFile file(QString::fromStdString(framePath));
    QImageWriter encoder(&file, jpeg ? "jpeg" : "tiff");
    if (jpeg) {
        encoder.setQuality(static_cast<int>(std::clamp(settings.captureQuality, 0.0f, 100.0f) + 0.5f));
        encoder.setProgressiveScanWrite(false);
    }
    std::string reason;
    if (!file.open(QIODevice::WriteOnly)) reason = file.errorString().toStdString();
    else if (!encoder.write(picture)) reason = encoder.errorString().toStdString();
    else if (!file.commit()) reason = file.errorString().toStdString();
    if (reason.empty()) return true;
    file.cancelWriting();
    failed("The frame could not be saved as " + framePath + ".", reason);
    return false;
}
