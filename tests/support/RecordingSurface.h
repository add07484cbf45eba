// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that keeps every filled or stroked shape with the colour,
// line width and origin it was painted with, so tests can check the scene's
// geometry and colours exactly.
#pragma once

#include <array>
#include <vector>

#include "RENDER/CDrawingSurface.h"

struct RecordedElement {
    enum Kind { move, line, oval, rect } kind;
    double x, y, width = 0.0, height = 0.0;
};

struct RecordedShape {
    enum Paint { fill, stroke } paint;
    double r, g, b, a;
    CColorSpace space;
    double lineWidth;
    std::vector<double> dash;
    double originX, originY;  // the accumulated origin shift
    std::vector<RecordedElement> path;

    bool isOval() const { return path.size() == 1 && path[0].kind == RecordedElement::oval; }
    const RecordedElement& element(size_t k) const { return path.at(k); }
};

class RecordingSurface : public CDrawingSurface {
public:
    std::vector<RecordedShape> shapes;

    void beginPath() override
    {
        path.clear();
        lineWidth = 1.0;
        dash.clear();
    }
    void moveTo(double x, double y) override { path.push_back({RecordedElement::move, x, y}); }
    void lineTo(double x, double y) override { path.push_back({RecordedElement::line, x, y}); }
    void addOval(double x, double y, double w, double h) override { path.push_back({RecordedElement::oval, x, y, w, h}); }
    void addRect(double x, double y, double w, double h) override { path.push_back({RecordedElement::rect, x, y, w, h}); }
    void setLineWidth(double width) override { lineWidth = width; }
    void setLineDash(const double* pattern, int count, double) override { dash.assign(pattern, pattern + count); }
    void fill() override { record(RecordedShape::fill, path); }
    void stroke() override { record(RecordedShape::stroke, path); }
    void fillRect(double x, double y, double w, double h) override
    {
        record(RecordedShape::fill, {{RecordedElement::rect, x, y, w, h}});
    }
    void strokeRect(double x, double y, double w, double h) override
    {
        record(RecordedShape::stroke, {{RecordedElement::rect, x, y, w, h}});
    }
    void translateOrigin(double dx, double dy) override
    {
        originX += dx;
        originY += dy;
    }
    void save() override { saved.push_back({originX, originY}); }
    void restore() override
    {
        originX = saved.back()[0];
        originY = saved.back()[1];
        saved.pop_back();
    }

    double originX = 0.0, originY = 0.0;

protected:
    void applyColor(double red, double green, double blue, double alpha, CColorSpace colorSpace) override
    {
        r = red, g = green, b = blue, a = alpha, space = colorSpace;
    }

private:
    void record(RecordedShape::Paint paint, const std::vector<RecordedElement>& elements)
    {
        shapes.push_back({paint, r, g, b, a, space, lineWidth, dash, originX, originY, elements});
    }

    std::vector<RecordedElement> path;
    double lineWidth = 1.0;
    std::vector<double> dash;
    double r = 0.0, g = 0.0, b = 0.0, a = 1.0;
    CColorSpace space = CColorSpace::device;
    std::vector<std::array<double, 2>> saved;
};
