// SPDX-License-Identifier: GPL-3.0-or-later
// CScene: box and piston in a back and a front layer, the depth-ordered
// atoms with their shadows, and the axes overlay, drawn through a
// CDrawingSurface; and the picking of atoms on what was drawn.
#include "CScene.h"

#include <algorithm>
#include <cmath>

#include "CDrawingSurface.h"
#include "SIM/model/CSimulation.h"

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

// Dashed, the edge of a periodic box, which is no wall: the atoms go through it.
constexpr double kPeriodicDash[2] = {6.0, 4.0};

void strokeEdge(CDrawingSurface& surface, CPoint from, CPoint to, double grey, bool dashed = false)
{
    surface.beginPath();
    if (dashed) surface.setLineDash(kPeriodicDash, 2, 0.0);
    surface.moveTo(from.x, from.y);
    surface.lineTo(to.x, to.y);
    surface.setColor(grey, grey, grey, 1.0, CColorSpace::device);
    surface.stroke();
}

// The hit area is the atom's bounding square, with the inclusion rule of a
// half-open rectangle: left and bottom edges in, right and top edges out.
bool hitsEntry(int x, int y, const CDepthEntry& entry)
{
    const double px = static_cast<float>(x), py = static_cast<float>(y);
    const int diameter = entry.diameter;
    const double ox = entry.centre.x - 0.5 * diameter, oy = entry.centre.y - 0.5 * diameter;
    return px >= ox && px < ox + diameter && py >= oy && py < oy + diameter;
}

bool strictlyWithin(float p, float origin, float size)
{
    return size > 0 ? (origin < p && p < origin + size) : (origin + size < p && p < origin);
}
}  // namespace

CScene::CScene(const CSimulationState& state)
    : model(state),
      depth(CSimulation::kMaxAtoms),
      unsorted(CSimulation::kMaxAtoms),
      sortKey(CSimulation::kMaxAtoms),
      order(CSimulation::kMaxAtoms)
{
    view.initWithDefaults();
}

// ---------------------------------------------------------------- projection

void CScene::project() { projectFrom(model.display.View); }

void CScene::projectFrom(const CView& seenFrom)
{
    view = seenFrom;
    projectBox();
    projectPiston();
    sortAtomsByDepth();
}

// A face is in front of the atoms when the eye lies outside the box beyond its plane.
void CScene::projectBox()
{
    const double h = model.box.halfWidth;
    boxVertex[0].setXYZ(h, h, h);
    boxVertex[1].setXYZ(h, h, -h);
    boxVertex[2].setXYZ(h, -h, -h);
    boxVertex[3].setXYZ(h, -h, h);
    boxVertex[4].setXYZ(-h, h, h);
    boxVertex[5].setXYZ(-h, h, -h);
    boxVertex[6].setXYZ(-h, -h, -h);
    boxVertex[7].setXYZ(-h, -h, h);
    faceCentre[0].setXYZ(h, 0, 0);
    faceCentre[1].setXYZ(0, h, 0);
    faceCentre[2].setXYZ(0, 0, h);
    faceCentre[3].setXYZ(-h, 0, 0);
    faceCentre[4].setXYZ(0, -h, 0);
    faceCentre[5].setXYZ(0, 0, -h);
    for (int k = 0; k < 8; k++) boxPixel[k] = view.project(boxVertex[k]);
    CVector toEye;
    for (int face = 0; face < 6; face++) {
        toEye.equalsSub(view.getEye(), faceCentre[face]);
        faceLayer[face] = toEye.dot(faceCentre[face]) > 1e-50 ? CSceneLayer::inFrontOfAtoms : CSceneLayer::behindAtoms;
    }
}

// The piston is in front of the atoms when the eye lies above it. A periodic
// box has none, whatever its setting holds.
void CScene::projectPiston()
{
    if (!pistonShown()) return;
    const double h = model.box.halfWidth, z = model.box.pistonZ;
    pistonVertex[0].setXYZ(h, h, z);
    pistonVertex[1].setXYZ(h, -h, z);
    pistonVertex[2].setXYZ(-h, -h, z);
    pistonVertex[3].setXYZ(-h, h, z);
    for (int k = 0; k < 4; k++) pistonPixel[k] = view.project(pistonVertex[k]);
    CVector centre, down, toEye;
    centre.setXYZ(0.0, 0.0, z);
    down.setXYZ(0.0, 0.0, -1.0);
    toEye.equalsSub(view.getEye(), centre);
    pistonSide = toEye.dot(down) <= 1e-50 ? CSceneLayer::inFrontOfAtoms : CSceneLayer::behindAtoms;
}

// Farthest first; equal distances keep the type-major order, as an exchange
// sort that never swaps equal keys would leave them.
void CScene::sortAtomsByDepth()
{
    int n = 0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < model.atoms.number[t]; i++) unsorted[n++] = {t, i};
    atomCount = n;

    const CVector& eye = view.getEye();
    CVector fromEye;
    for (int k = 0; k < n; k++) {
        fromEye.equalsSub(eye, model.atoms.loc[unsorted[k].type][unsorted[k].index]);
        sortKey[k] = fromEye.length();
        // An atom without a place (NaN after a blown-up run) would break the
        // sort's ordering and let it run off the array; it sorts as nearest.
        // Its distance is computed again below in drawing order.
        if (std::isnan(sortKey[k])) sortKey[k] = -HUGE_VAL;
        order[k] = k;
    }
    std::sort(order.begin(), order.begin() + n, [this](int a, int b) {
        if (sortKey[a] != sortKey[b]) return sortKey[a] > sortKey[b];
        return a < b;
    });

    CVector viewDirection;
    viewDirection.equalsNormalized(eye);
    for (int k = 0; k < n; k++) {
        CDepthEntry& entry = depth[k];
        entry.atom = unsorted[order[k]];
        const int t = entry.atom.type;
        const CVector& location = model.atoms.loc[t][entry.atom.index];
        fromEye.equalsSub(eye, location);
        entry.distance = fromEye.length();
        entry.shade = atomShade(entry.distance);
        entry.centre = view.project(location);
        double a = fromEye.dot(viewDirection);
        double projected = std::floor(view.getEyePlaneR() / a * model.types.diam[t] * view.getScale() + 0.5);
        // A degenerate view (an atom at the eye, absurd sizes) draws nothing rather than overflow.
        entry.diameter = (projected >= 0.0 && projected < 1e9) ? static_cast<int>(projected) : 0;
    }
}

// ---------------------------------------------------------------- shading

double CScene::atomShade(double distance) const
{
    double w = 1.2 * model.box.halfWidth;
    const double k = 0.6 - 0.9;
    return (k / w) * (w + (distance - view.getEyeR())) + 0.9;
}

double CScene::edgeShade(double distance) const
{
    double w = 1.2 * model.box.halfWidth;
    return (-0.3 / w) * (w + (distance - view.getEyeR())) + 1.0;
}

float CScene::outlineFactor(double shade, float red, float green, float blue)
{
    float fb = static_cast<float>(1.0 / (shade * blue));
    float fr = static_cast<float>(1.0 / (shade * red));
    float fg = static_cast<float>(1.0 / (shade * green));
    return std::min(fb, std::min(fr, fg));
}

// ---------------------------------------------------------------- atoms

void CScene::drawAtoms(CDrawingSurface& surface) const
{
    for (int k = 0; k < atomCount; k++) {
        const CDepthEntry& entry = depth[k];
        const int t = entry.atom.type;
        const float red = typePalette ? (*typePalette)[t][0] : model.types.red[t];
        const float green = typePalette ? (*typePalette)[t][1] : model.types.green[t];
        const float blue = typePalette ? (*typePalette)[t][2] : model.types.blue[t];
        const double D = entry.diameter;
        const double x = entry.centre.x, y = entry.centre.y;
        const double s = entry.shade;

        surface.beginPath();
        surface.addOval(x - 0.5 * D, y - 0.5 * D, D, D);
        surface.setColor(s * red, s * green, s * blue, 1.0, CColorSpace::calibrated);
        surface.fill();

        if (model.atoms.sel[t][entry.atom.index] == 1) {
            // The outline is the atom's hue at full brightness. A black type
            // has no hue to brighten; grey brightens to white, so black,
            // grey's limit, is outlined in white and stays visible.
            const float f = outlineFactor(s, red, green, blue);
            if (std::isfinite(f))
                surface.setColor(s * f * red, s * f * green, s * f * blue, 1.0, CColorSpace::calibrated);
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
        surface.setColor(1.5 * s * red, 1.5 * s * green, 1.5 * s * blue, 1.0, CColorSpace::calibrated);
        surface.fill();
    }
}

// Each shadow lies straight below its atom, as under a light at infinite
// height, as wide as the atom's disc scaled by the ratio of the two distances
// from the eye and flattened by the angle at which the eye sees the floor.
void CScene::drawAtomShadows(CDrawingSurface& surface) const
{
    CView seen = view;  // projecting uses the view's scratch
    const CVector& eye = seen.getEye();
    const double floorZ = -model.box.halfWidth;
    CVector floorPoint, toEye;
    for (int k = 0; k < atomCount; k++) {
        const CDepthEntry& entry = depth[k];
        const CVector& atom = model.atoms.loc[entry.atom.type][entry.atom.index];
        floorPoint.setXYZ(atom.getX(), atom.getY(), floorZ);
        const CPoint onScreen = seen.project(floorPoint);
        toEye.equalsSub(eye, floorPoint);
        const double A = std::sqrt(toEye.getZ() * toEye.getZ() / toEye.norm());
        const double r = entry.distance / toEye.length();
        const double D = entry.diameter;
        surface.beginPath();
        surface.addOval(onScreen.x - 0.5 * D * r, onScreen.y - 0.5 * D * r * A, D * r, D * r * A);
        surface.setColor(0.15, 0.15, 0.15, 0.75, CColorSpace::calibrated);
        surface.fill();
    }
}

// ---------------------------------------------------------------- box and piston

bool CScene::pistonShown() const { return model.box.pistonUsed && model.box.boundaries != CBoundaries::periodic; }

// The floor and the shadows follow the edges of earlier faces of the same
// layer and cover them where they overlap. A periodic box has no floor for
// them to lie on, and its edges are dashed.
void CScene::drawBox(CDrawingSurface& surface, CSceneLayer layer) const
{
    const bool periodic = model.box.boundaries == CBoundaries::periodic;
    for (int face = 0; face < 6; face++) {
        if (faceLayer[face] != layer) continue;
        if (face == kFloor && model.display.boxFloorShowFlag && !periodic) {
            surface.beginPath();
            surface.moveTo(boxPixel[1].x, boxPixel[1].y);
            surface.lineTo(boxPixel[2].x, boxPixel[2].y);
            surface.lineTo(boxPixel[6].x, boxPixel[6].y);
            surface.lineTo(boxPixel[5].x, boxPixel[5].y);
            surface.lineTo(boxPixel[1].x, boxPixel[1].y);
            surface.setColor(0.2, 0.2, 0.2, 1.0, CColorSpace::device);
            surface.fill();
        }
        if (face == kFloor && model.display.boxShowShadowFlag && !periodic) drawAtomShadows(surface);
        if (!model.display.boxShowFlag) continue;
        for (int k = 0; k < 4; k++) {
            const int from = kFaceCorners[face][k], to = kFaceCorners[face][(k + 1) % 4];
            const double g = edgeShade(distanceToMidpoint(view.getEye(), boxVertex[from], boxVertex[to]));
            strokeEdge(surface, boxPixel[from], boxPixel[to], g, periodic);
        }
    }
}

void CScene::drawPiston(CDrawingSurface& surface, CSceneLayer layer) const
{
    if (!pistonShown() || pistonSide != layer) return;
    surface.beginPath();
    surface.moveTo(pistonPixel[0].x, pistonPixel[0].y);
    for (int k : {1, 2, 3, 0}) surface.lineTo(pistonPixel[k].x, pistonPixel[k].y);
    // Translucent, so that atoms behind the piston stay visible.
    surface.setColor(0.7, 0.7, 0.7, 0.6, CColorSpace::device);
    surface.fill();
    for (int k = 0; k < 4; k++) {
        const int next = (k + 1) % 4;
        const double g = edgeShade(distanceToMidpoint(view.getEye(), pistonVertex[k], pistonVertex[next]));
        strokeEdge(surface, pistonPixel[k], pistonPixel[next], g);
    }
}

// ---------------------------------------------------------------- axes

// Fixed size on the screen: a length of the half width lying in the screen
// plane through the box centre is drawn 80 points long, whatever the zoom.
void CScene::drawAxes(CDrawingSurface& surface) const
{
    if (!model.display.axesShowFlag) return;
    CView seen = view;  // projecting uses the view's scratch
    const double h = model.box.halfWidth;
    CVector end3;
    seen.getRotationRowTo(1, end3).muls(h);
    const CPoint up = seen.project(end3);
    const float upLengthSquared = up.x * up.x + up.y * up.y;
    const double H = 80.0 / std::sqrt(upLengthSquared);
    const double towardsEye = -1e-10 * h * seen.getEyeR();

    for (int axis = 0; axis < 3; axis++) {
        end3.init();
        end3.setIndex(axis, h);
        const CPoint end = seen.project(end3);
        const float ex = static_cast<float>(end.x * H), ey = static_cast<float>(end.y * H);
        const double lx = 1.25 * ex, ly = 1.25 * ey;

        surface.beginPath();
        surface.setLineWidth(2.0);
        if (end3.dot(seen.getEye()) > towardsEye)
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

void CScene::drawScene(CDrawingSurface& surface, const CSceneOverlay& overAtoms)
{
    project();
    drawProjected(surface, overAtoms);
}

void CScene::drawProjected(CDrawingSurface& surface, const CSceneOverlay& overAtoms)
{
    drawBox(surface, CSceneLayer::behindAtoms);
    drawPiston(surface, CSceneLayer::behindAtoms);
    drawAtoms(surface);
    if (overAtoms) overAtoms(surface);
    drawPiston(surface, CSceneLayer::inFrontOfAtoms);
    drawBox(surface, CSceneLayer::inFrontOfAtoms);
    drawAxes(surface);
}

// The stereo pair: the model's view centred in the left half, the view
// turned by -0.04 rad in phi centred in the right half, both at full scale.
// The turn is the scene's own; the model's view never sees it.
void CScene::drawPicture(CDrawingSurface& surface, float width, float height, bool stereo,
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
    CView turned = model.display.View;
    turned.changeAngles(-0.04, 0.0);
    projectFrom(turned);
    drawProjected(surface, overAtoms);
    surface.translateOrigin(-sx, -cy);
}

// ---------------------------------------------------------------- picking

std::optional<CAtomRef> CScene::atomAt(int x, int y) const
{
    for (int k = atomCount - 1; k >= 0; k--)
        if (hitsEntry(x, y, depth[k])) return depth[k].atom;
    return std::nullopt;
}

bool CScene::atomCovers(CAtomRef atom, int x, int y) const
{
    for (int k = atomCount - 1; k >= 0; k--)
        if (depth[k].atom == atom) return hitsEntry(x, y, depth[k]);
    return false;
}

std::vector<CAtomRef> CScene::atomsInRect(float x, float y, float width, float height) const
{
    std::vector<CAtomRef> inside;
    for (int k = 0; k < atomCount; k++)
        if (strictlyWithin(depth[k].centre.x, x, width) && strictlyWithin(depth[k].centre.y, y, height))
            inside.push_back(depth[k].atom);
    return inside;
}
