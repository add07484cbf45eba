// SPDX-License-Identifier: GPL-3.0-or-later
// The speed histogram: 40 dots in a framed rectangle, laid over the lower
// right corner of the simulation view. The view's repaint repaints it too,
// so it follows every drawing pass.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

class CDocument;
class CSimulation;

class CUIGraph : public QWidget {
    Q_OBJECT
public:
    CUIGraph(CSimulation& simulation, QWidget* view);

    CSimulation& Simulation;
    QRectF viewRect;  // the bounds at the last calculateDimensions

    // Follows the document: shown as the simulation's flag says.
    void listenTo(CDocument& document);
    void calculateDimensions();
    // anchor: the graph's lower-right corner in the view's y-up coordinates.
    void setHistogramSize(QPointF anchor);
    // Drawn this many times larger than the simulation's size says
    // (presentation); 1 draws it as the size says.
    void setScale(double factor) { scale_ = factor; }
    double scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double scale_ = 1.0;
    const CDocument* document = nullptr;  // the one followed, once listenTo was called
};
