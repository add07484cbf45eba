// SPDX-License-Identifier: GPL-3.0-or-later
#include "CScenePicture.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include "CQPainterSurface.h"
#include "CScene.h"
#include "SIM/model/CSimulation.h"

QImage renderScenePicture(const CSimulationState& state, QSize size, bool stereo)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    CQPainterSurface surface(painter, size.height());
    CScene(state).drawPicture(surface, static_cast<float>(size.width()), static_cast<float>(size.height()), stereo);
    painter.end();
    return image;
}

QString writeImageAtomically(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QImageWriter writer(&file, QFileInfo(path).suffix().toLower().toLatin1());
    if (!writer.write(image)) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit()) return file.errorString();
    return {};
}
