// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the scene of one picture in painter's order: box and piston
// in a back and a front layer, the depth-ordered atoms with their shadows,
// and the axes overlay. Everything is drawn through a CDrawingSurface.
#include "CDrawingSurface.h"
#include "CSimulation.h"

#include <cmath>

namespace {
// Half the picture, as the view centres its scene.
float halfOf(float extent) { return static_cast<float>(std::floor(extent * 0.5)); }

// Edges are shaded by the distance from the eye to their midpoint.
double distanceToMidpoint(const CVector& eye, const CVector& a, const CVector& b)
{
    CVector d;
    d.equalsAveraged(a, b);
    d.equalsSub(eye, d);
    return d.length();
}

void strokeEdge(CDrawingSurface& surface, CPoint from, CPoint to, double grey)
{
    surface.beginPath();
    surface.moveTo(from.x, from.y);
    surface.lineTo(to.x, to.y);
    surface.setColor(grey, grey, grey, 1.0, CColorSpace::device);
    surface.stroke();
}
}  // namespace

// ---------------------------------------------------------------- atoms

void CSimulation::drawAtoms(CDrawingSurface& surface)
{
    for (int i = 0; i < totalAtoms; i++) {
        const int t = zType[i];
        const double D = zDiam[i];
        const double x = zPix[i].x, y = zPix[i].y;
        const double s = zShade[i];

        surface.beginPath();
        surface.addOval(x - 0.5 * D, y - 0.5 * D, D, D);
        surface.setColor(s * red[t], s * green[t], s * blue[t], 1.0, CColorSpace::calibrated);
        surface.fill();

        if (sel[t][zNumber[i]] == 1) {
            // The outline is the atom's hue at full brightness. A black type
            // has no hue to brighten; grey brightens to white, so black,
            // grey's limit, is outlined in white and stays visible.
            const float f = getSelectColorFactor(i);
            if (std::isfinite(f))
                surface.setColor(s * f * red[t], s * f * green[t], s * f * blue[t], 1.0, CColorSpace::calibrated);
            else
                surface.setColor(1.0, 1.0, 1.0, 1.0, CColorSpace::calibrated);
            const double width = 0.075 * D;
            surface.setLineWidth(width >= 2.0 ? width : 2.0);
            surface.stroke();
        }

        // Highlight above and to the right of the centre, as if lit from there.
        const double hd = 0.25 * D;
        const double hx = x + 0.175 * D, hy = y + 0.175 * D;
        surface.beginPath();
        surface.addOval(hx - 0.5 * hd, hy - 0.5 * hd, hd, hd);
        surface.setColor(1.5 * s * red[t], 1.5 * s * green[t], 1.5 * s * blue[t], 1.0, CColorSpace::calibrated);
        surface.fill();
    }
}

// Each shadow lies straight below its atom, as under a light at infinite
// height, as wide as the atom's disc scaled by the ratio of the two distances
// from the eye and flattened by the angle at which the eye sees the floor.
void CSimulation::drawAtomShadows(CDrawingSurface& surface)
{
    const CVector& eye = View.getEye();
    for (int i = 0; i < totalAtoms; i++) {
        const CVector& atom = loc[zType[i]][zNumber[i]];
        tv1.setXYZ(atom.getX(), atom.getY(), -halfWidth);
        const CPoint floorPoint = View.project(tv1);
        tv2.equalsSub(eye, tv1);
        const double A = std::sqrt(tv2.getZ() * tv2.getZ() / tv2.norm());
        const double r = zLen[i] / tv2.length();
        const double D = zDiam[i];
        surface.beginPath();
        surface.addOval(floorPoint.x - 0.5 * D * r, floorPoint.y - 0.5 * D * r * A, D * r, D * r * A);
        surface.setColor(0.15, 0.15, 0.15, 0.75, CColorSpace::calibrated);
        surface.fill();
    }
}

// ---------------------------------------------------------------- box and piston

// The floor and the shadows follow the edges of earlier faces of the same
// layer and cover them where they overlap.
void CSimulation::drawBoxByLine(CDrawingSurface& surface, char layer)
{
    for (int face = 0; face < 6; face++) {
        if (boxLayer[face] != layer) continue;
        if (face == 5 && boxFloorShowFlag) {
            surface.beginPath();
            surface.moveTo(boxPixel[1].x, boxPixel[1].y);
            surface.lineTo(boxPixel[2].x, boxPixel[2].y);
            surface.lineTo(boxPixel[6].x, boxPixel[6].y);
            surface.lineTo(boxPixel[5].x, boxPixel[5].y);
            surface.lineTo(boxPixel[1].x, boxPixel[1].y);
            surface.setColor(0.2, 0.2, 0.2, 1.0, CColorSpace::device);
            surface.fill();
        }
        if (face == 5 && boxShowShadowFlag) drawAtomShadows(surface);
        if (!boxShowFlag) continue;
        for (int k = 0; k < 4; k++) {
            const int from = boxPlane[face][k], to = boxPlane[face][(k + 1) % 4];
            const double g = getBoxShade(distanceToMidpoint(View.getEye(), boxVertex[from], boxVertex[to]));
            strokeEdge(surface, boxPixel[from], boxPixel[to], g);
        }
    }
}

void CSimulation::drawPistonByLine(CDrawingSurface& surface, char layer)
{
    if (!pistonUsed || pistonLayer != layer) return;
    surface.beginPath();
    surface.moveTo(pistonPixel[0].x, pistonPixel[0].y);
    for (int k : {1, 2, 3, 0}) surface.lineTo(pistonPixel[k].x, pistonPixel[k].y);
    // Translucent, so that atoms behind the piston stay visible.
    surface.setColor(0.7, 0.7, 0.7, 0.6, CColorSpace::device);
    surface.fill();
    for (int k = 0; k < 4; k++) {
        const int next = (k + 1) % 4;
        const double g = getPistonShade(distanceToMidpoint(View.getEye(), pistonVertex[k], pistonVertex[next]));
        strokeEdge(surface, pistonPixel[k], pistonPixel[next], g);
    }
}

// ---------------------------------------------------------------- axes

// Fixed size on the screen: a length of halfWidth lying in the screen plane
// through the box centre is drawn 80 points long, whatever the zoom.
void CSimulation::drawAxes(CDrawingSurface& surface)
{
    if (!axesShowFlag) return;
    const double h = halfWidth;
    View.getRotationRowTo(1, tv1).muls(h);
    const CPoint up = View.project(tv1);
    const float upLengthSquared = up.x * up.x + up.y * up.y;
    const double H = 80.0 / std::sqrt(upLengthSquared);
    const double towardsEye = -1e-10 * h * View.getEyeR();

    for (int axis = 0; axis < 3; axis++) {
        tv1.init();
        tv1.setIndex(axis, h);
        const CPoint end = View.project(tv1);
        const float ex = static_cast<float>(end.x * H), ey = static_cast<float>(end.y * H);
        const double lx = 1.25 * ex, ly = 1.25 * ey;

        surface.beginPath();
        surface.setLineWidth(2.0);
        if (tv1.dot(View.getEye()) > towardsEye)
            surface.setColor(0.65, 0.65, 1.0, 1.0, CColorSpace::device);
        else
            surface.setColor(0.45, 0.45, 1.0, 1.0, CColorSpace::device);
        surface.moveTo(0.0, 0.0);
        surface.lineTo(ex, ey);
        // Letters 14 points wide and 20 high, never rotated or foreshortened.
        switch (axis) {
        case 0:
            surface.moveTo(lx - 7, ly - 10);
            surface.lineTo(lx + 7, ly + 10);
            surface.moveTo(lx - 7, ly + 10);
            surface.lineTo(lx + 7, ly - 10);
            break;
        case 1:
            surface.moveTo(lx - 7, ly + 10);
            surface.lineTo(lx, ly);
            surface.moveTo(lx + 7, ly + 10);
            surface.lineTo(lx, ly);
            surface.lineTo(lx, ly - 10);
            break;
        default:
            surface.moveTo(lx - 7, ly + 10);
            surface.lineTo(lx + 7, ly + 10);
            surface.lineTo(lx - 7, ly - 10);
            surface.lineTo(lx + 7, ly - 10);
            break;
        }
        surface.stroke();
    }
}

// ---------------------------------------------------------------- whole pictures

void CSimulation::drawScene(CDrawingSurface& surface, const CSceneOverlay& overAtoms)
{
    projectBox();
    projectPiston();
    updateZBuffer();
    drawBoxByLine(surface, 0);
    drawPistonByLine(surface, 0);
    drawAtoms(surface);
    if (overAtoms) overAtoms(surface);
    drawPistonByLine(surface, 1);
    drawBoxByLine(surface, 1);
    drawAxes(surface);
}

// The stereo pair: the current view centred in the left half, the view turned
// by -0.04 rad in phi centred in the right half, both at full scale. The turn
// is undone before returning, so nothing else ever sees it.
void CSimulation::drawPicture(CDrawingSurface& surface, float width, float height, bool stereo,
                              const CSceneOverlay& overAtoms)
{
    surface.setColor(0.0, 0.0, 0.0, 1.0, CColorSpace::device);
    surface.fillRect(0.0, 0.0, width, height);
    const float cx = halfOf(width), cy = halfOf(height);
    if (!stereo) {
        surface.translateOrigin(cx, cy);
        drawScene(surface, overAtoms);
        surface.translateOrigin(-cx, -cy);
        return;
    }
    float sx = 0.5f * cx;
    surface.translateOrigin(sx, cy);
    drawScene(surface, overAtoms);
    surface.translateOrigin(-sx, -cy);

    sx = 1.5f * cx;
    surface.translateOrigin(sx, cy);
    changeAngles(-0.04, 0.0);
    drawScene(surface, overAtoms);
    changeAngles(0.04, 0.0);
    surface.translateOrigin(-sx, -cy);
}
