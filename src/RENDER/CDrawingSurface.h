// SPDX-License-Identifier: GPL-3.0-or-later
// The 2-D operations the scene and the graph draw with. Coordinates are view
// points, x to the right and y up, the origin at the lower-left corner until
// it is shifted. There is one current path and one current colour: a path is
// built, then filled and/or stroked (it stays current until the next
// beginPath), and a colour stays current until the next setColor.
#pragma once

#include <algorithm>
#include <cmath>

// Calibrated colours are used for atoms, shadows and graph; device colours
// for background, box, piston, axes and selection box. A surface may render
// both alike.
enum class CColorSpace { calibrated, device };

class CDrawingSurface {
public:
    virtual ~CDrawingSurface() = default;

    // Components outside 0..1 count as the nearest bound: a highlight of 1.5
    // times a bright base colour is white, not an invalid colour.
    void setColor(double r, double g, double b, double a, CColorSpace space)
    {
        applyColor(clampUnit(r), clampUnit(g), clampUnit(b), clampUnit(a), space);
    }
    static double clampUnit(double c)
    {
        if (std::isnan(c)) return 0.0;
        return std::clamp(c, 0.0, 1.0);
    }

    // An empty path with line width 1.0 and no dash.
    virtual void beginPath() = 0;
    virtual void moveTo(double x, double y) = 0;
    virtual void lineTo(double x, double y) = 0;
    // A closed ellipse inscribed in the rectangle (x, y, width, height).
    virtual void addOval(double x, double y, double width, double height) = 0;
    virtual void addRect(double x, double y, double width, double height) = 0;
    virtual void setLineWidth(double width) = 0;
    // Alternating drawn and skipped lengths in points, starting at phase;
    // count 0 draws solid.
    virtual void setLineDash(const double* pattern, int count, double phase) = 0;
    // Paints the inside of the path (open sub-paths close implicitly).
    virtual void fill() = 0;
    virtual void stroke() = 0;

    virtual void fillRect(double x, double y, double width, double height) = 0;
    virtual void strokeRect(double x, double y, double width, double height) = 0;

    // Shifts the origin for everything drawn afterwards; shifts add up.
    virtual void translateOrigin(double dx, double dy) = 0;
    virtual void save() = 0;
    virtual void restore() = 0;

protected:
    virtual void applyColor(double r, double g, double b, double a, CColorSpace space) = 0;
};
