// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface on a QPainter: the scene's y-up points are mapped onto
// Qt's y-down device once, by the painter's base transform, so everything
// the scene computes reaches the pixels unchanged. Antialiased.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QVector>

#include "CDrawingSurface.h"

class CQPainterSurface : public CDrawingSurface {
public:
    // height: the painted device's height in points, where y = 0 lies.
    CQPainterSurface(QPainter& painter, double height);

    void beginPath() override;
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void addOval(double x, double y, double width, double height) override;
    void addRect(double x, double y, double width, double height) override;
    void setLineWidth(double width) override { lineWidth = width; }
    void setLineDash(const double* pattern, int count, double phase) override;
    void fill() override;
    void stroke() override;
    void fillRect(double x, double y, double width, double height) override;
    void strokeRect(double x, double y, double width, double height) override;
    void translateOrigin(double dx, double dy) override { painter.translate(dx, dy); }
    void save() override { painter.save(); }
    void restore() override { painter.restore(); }

protected:
    void applyColor(double r, double g, double b, double a, CColorSpace space) override;

private:
    QPen currentPen() const;
    bool stampDisc();

    QPainter& painter;
    // The painted image when discs may be stamped straight into its pixels.
    QImage* image = nullptr;
    QColor color = Qt::black;
    QPainterPath path;
    // A path that is one oval only (atoms, highlights, shadows) is painted as
    // an ellipse, which the raster engine fills without building a path.
    bool pathIsOneOval = false;
    QRectF oval;
    double lineWidth = 1.0;
    QVector<qreal> dashPattern;
    double dashPhase = 0.0;
};
