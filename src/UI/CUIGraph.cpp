// SPDX-License-Identifier: GPL-3.0-or-later
#include "CUIGraph.h"

#include <QPainter>

#include <algorithm>

#include "CDocument.h"
#include "RENDER/CQPainterSurface.h"
#include "SIM/model/CSimulation.h"

void CUIGraph::listenTo(CDocument& document)
{
    this->document = &document;
    auto follow = [this] { setVisible(Simulation.getGraphDisplayFlag()); };
    connect(&document, &CDocument::stateReplaced, this, follow);
    connect(&document, &CDocument::displaySettingsChanged, this, follow);
}

CUIGraph::CUIGraph(CSimulation& simulation, QWidget* view) : QWidget(view), Simulation(simulation)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    calculateDimensions();
}

void CUIGraph::calculateDimensions()
{
    viewRect = QRectF(0, 0, width(), height());
}

void CUIGraph::setHistogramSize(QPointF anchor)
{
    const double w = Simulation.getHistogramWidth() * scale_, h = Simulation.getHistogramHeight() * scale_;
    const double viewHeight = parentWidget() ? parentWidget()->height() : 0.0;
    // y-up frame (x - w, y, w, h) in the view; Qt's widgets measure from the top.
    setGeometry(qRound(anchor.x() - w), qRound(viewHeight - anchor.y() - h), qRound(w), qRound(h));
    calculateDimensions();
    update();
}

void CUIGraph::paintEvent(QPaintEvent*)
{
    // While a slice's steps run, the histogram is the shown state's, as the scene beneath it.
    const CSimulationState& s = document && document->stepsRunning() ? document->shownState() : Simulation.state();
    if (!s.display.graphDisplayFlag) return;
    const double w = viewRect.width(), h = viewRect.height();
    const double ymax = s.display.ymax;
    const int t = s.outputs.displayType;

    QPainter painter(this);
    CQPainterSurface surface(painter, h);
    // A non-positive limit cannot scale the counts; only the frame is drawn then.
    if (ymax > 0.0 && t >= 0 && t < CSimulation::kSlots) {
        const float scale = static_cast<float>(h) / static_cast<float>(ymax);
        const double binWidth = w / CSimulation::kBins;
        surface.setColor(0.9, 0.6, 0.6, 1.0, CColorSpace::calibrated);
        for (int i = 0; i < CSimulation::kBins; i++) {
            const double y = std::min(h, s.outputs.TCHistogram[t][i] * scale);
            surface.beginPath();
            const double r = 2.0 * scale_;
            surface.addOval(i * binWidth + 0.5 * binWidth - r, y - r, 2.0 * r, 2.0 * r);
            surface.fill();
        }
    }
    surface.setColor(0.8, 0.0, 0.0, 1.0, CColorSpace::calibrated);
    surface.beginPath();
    surface.setLineWidth(scale_);
    surface.strokeRect(viewRect.x(), viewRect.y(), w, h);
}
