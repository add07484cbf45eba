// SPDX-License-Identifier: GPL-3.0-or-later
// The window's size as the simulation stores it, the graph's place, and the
// aspect ratios of the view: the shape chosen from the menu and kept while
// the user resizes.
#include <QLayout>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "CUIDisplay.h"
#include "CUIGraph.h"
#include "CUIView.h"
#include "CUIWindow.h"
#include "SIM/model/CSimulation.h"
#include "SIM/measure/CSpeedDistribution.h"

namespace {
// Width : height of the aspect ratios 1 to 4; 0 leaves the shape free.
constexpr int kRatios[5][2] = {{0, 0}, {1, 1}, {4, 3}, {16, 9}, {24, 10}};
constexpr float kMinContent = 250.0f;

float ratioWidth(int index) { return static_cast<float>(kRatios[index][0]); }
float ratioHeight(int index) { return static_cast<float>(kRatios[index][1]); }

// Grows a size of the ratio's shape, keeping the shape, until neither side
// is below the content minimum.
void growToMinimum(float& W, float& H)
{
    if (H < kMinContent) {
        const float f = kMinContent / H;
        H *= f;
        W *= f;
    }
    if (W < kMinContent) {
        const float f = kMinContent / W;
        H *= f;
        W *= f;
    }
}
}  // namespace

CAspectGeometry aspectRatioGeometry(float x, float y, float w, float h, int index)
{
    CAspectGeometry g;
    if (index < 1 || index > 4) return g;
    const float rw = ratioWidth(index), rh = ratioHeight(index);
    g.ratioWidth = kRatios[index][0];
    g.ratioHeight = kRatios[index][1];
    g.minWidth = rw * kMinContent / rh;
    // The largest content of this shape inside the current one, at least 250 each way.
    const float c = h - kTitleBar;
    float W = std::min(rw * c / rh, w);
    float H = std::min(rh * w / rw, c);
    growToMinimum(W, H);
    g.resized = true;
    g.x = x;
    g.y = static_cast<float>(static_cast<double>(y) + h - kTitleBar - H);  // the top edge stays
    g.width = W;
    g.height = H + kTitleBar;
    return g;
}

// The view's width is the frame width; its height is the content height.
void CUIWindow::setWindowSizeToSimulation()
{
    Simulation.setWindowWidth(static_cast<float>(UIView->width()));
    Simulation.setWindowHeight(static_cast<float>(UIView->height()));
}

void CUIWindow::getWindowSizeFromSimulation()
{
    resizeView(Simulation.getWindowWidth(), Simulation.getWindowHeight());
}

// A state built or imported stores no window of its own (only a saved
// simulation file does): it takes this window's size and shape rule, its
// panels and histogram as shown, and how the box is drawn. Its view of the
// box is its own, and the histogram's scale is fitted to its speeds.
void CUIWindow::keepWindowLayout(const CDisplaySettings& shown)
{
    CSimulation& s = Simulation;
    fitHistogramScale(s);
    setWindowSizeToSimulation();
    s.setAspectRatioIndex(shown.aspectRatioIndex);
    s.setStateDisplayFlag(shown.stateDisplayFlag);
    s.setEnergyDiffDisplayFlag(shown.energyDiffDisplayFlag);
    s.setNumericDisplayFlag(shown.numericDisplayFlag);
    s.setGraphDisplayFlag(shown.graphDisplayFlag);
    s.setAxesShowFlag(shown.axesShowFlag);
    s.setHistogramWidth(shown.histogramWidth);
    s.setHistogramHeight(shown.histogramHeight);
    s.setDisplayTextSize(shown.displayTextSize);
    s.setBoxShowFlag(shown.boxShowFlag);
    s.setBoxShowShadowFlag(shown.boxShowShadowFlag);
    s.setBoxFloorShowFlag(shown.boxFloorShowFlag);
}

// Resizes the window so the view gets this size; Qt keeps the top-left corner.
void CUIWindow::resizeView(float width, float height)
{
    if (layout()) layout()->activate();
    // Beside the view, a docked panel takes its width.
    const int chromeWidth = this->width() - UIView->width(), chrome = this->height() - UIView->height();
    resize(std::max(1, static_cast<int>(std::lround(width))) + chromeWidth,
           std::max(1, static_cast<int>(std::lround(height))) + chrome);
    lastViewSize = UIView->size();
}

void CUIWindow::placeHistogram()
{
    const double scale = UIGraph->scale();
    const QPointF anchor(UIView->width() - 5 * scale, 16 * scale);
    UIDisplay->setHistogramSize(anchor);
    UIGraph->setHistogramSize(anchor);
}

void CUIWindow::setAspectRatioTo(int index)
{
    const float w = static_cast<float>(UIView->width());
    const float h = static_cast<float>(UIView->height()) + kTitleBar;
    Simulation.setAspectRatioIndex(index);
    const CAspectGeometry g = aspectRatioGeometry(0.0f, 0.0f, w, h, index);
    UIView->setMinimumSize(static_cast<int>(std::lround(g.minWidth)), static_cast<int>(std::lround(g.minHeight)));
    if (g.resized) {
        keepingAspect = true;
        resizeView(g.width, g.height - kTitleBar);
        keepingAspect = false;
    }
    Document.announce(CDocument::display);
}

void CUIWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int index = Simulation.getAspectRatioIndex();
    // Full screen takes the screen's shape, whatever the rule.
    if (keepingAspect || presenting || index < 1 || index > 4) return;
    // Qt has no content aspect ratio for windows: the shape is restored
    // once the window system has finished this resize.
    QTimer::singleShot(0, this, &CUIWindow::keepAspectRatio);
}

void CUIWindow::keepAspectRatio()
{
    const int index = Simulation.getAspectRatioIndex();
    if (index < 1 || index > 4) return;
    const float rw = ratioWidth(index), rh = ratioHeight(index);
    const QSize now = UIView->size();
    // The edge the user moved most decides the other one.
    const bool byHeight = lastViewSize.isValid() && std::abs(now.height() - lastViewSize.height()) >
                                                        std::abs(now.width() - lastViewSize.width());
    float W = static_cast<float>(now.width()), H = static_cast<float>(now.height());
    if (byHeight) W = rw * H / rh;
    else H = rh * W / rw;
    growToMinimum(W, H);
    lastViewSize = now;
    if (std::abs(W - now.width()) < 1.0f && std::abs(H - now.height()) < 1.0f) return;
    keepingAspect = true;
    resizeView(W, H);
    keepingAspect = false;
}
