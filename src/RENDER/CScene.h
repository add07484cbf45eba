// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of one simulation: the model seen from its view, projected
// onto the drawing plane and drawn in painter's order (farthest first), and
// the questions a pointer asks of what was drawn (which atom lies under a
// point, which atoms inside a rectangle). The scene reads the model and never
// changes it; the projection it keeps (the depth buffer, the projected box
// and piston) is its own.
//
// Coordinates are drawing points, x to the right and y up, relative to the
// projection of the box centre (the picture's centre).
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "BASE/CView.h"
#include "SIM/model/CAtomRef.h"
#include "SIM/model/CModelLimits.h"

class CDrawingSurface;
struct CSimulationState;

// Drawn over the atoms and under the front faces of a scene (the selection box).
using CSceneOverlay = std::function<void(CDrawingSurface&)>;

// Which side of the atoms a face of the box or the piston is drawn on.
enum class CSceneLayer { behindAtoms, inFrontOfAtoms };

// One atom as projected, an entry of the depth buffer.
struct CDepthEntry {
    CAtomRef atom;
    double distance = 0.0;  // from the eye to the atom's centre
    double shade = 0.0;     // the factor its colour is drawn with
    CPoint centre;          // projected centre
    int diameter = 0;       // projected diameter in points
};

class CScene {
public:
    explicit CScene(const CSimulationState& state);
    CScene(const CScene&) = delete;
    CScene& operator=(const CScene&) = delete;

    // ---- whole pictures
    // The whole view: opaque black, then one scene centred or a stereo pair.
    void drawPicture(CDrawingSurface& surface, float width, float height, bool stereo,
                     const CSceneOverlay& overAtoms = {});
    // One picture with the drawing origin already at its centre: projects
    // from the model's view, then draws.
    void drawScene(CDrawingSurface& surface, const CSceneOverlay& overAtoms = {});

    // ---- the parts, drawn from the last projection
    // Takes the model's view now and projects the box, the piston and the
    // atoms (depth order, farthest first) as the next picture draws them.
    void project();
    void drawAtoms(CDrawingSurface& surface) const;
    void drawAtomShadows(CDrawingSurface& surface) const;
    void drawBox(CDrawingSurface& surface, CSceneLayer layer) const;
    void drawPiston(CDrawingSurface& surface, CSceneLayer layer) const;
    void drawAxes(CDrawingSurface& surface) const;

    // ---- picking, against the last projection
    // The nearest atom whose bounding square holds the point.
    std::optional<CAtomRef> atomAt(int x, int y) const;
    // Whether the atom's bounding square holds the point.
    bool atomCovers(CAtomRef atom, int x, int y) const;
    // The atoms whose centres lie strictly inside the rectangle; its width
    // and height may be negative (a box dragged left or down).
    std::vector<CAtomRef> atomsInRect(float x, float y, float width, float height) const;

    // ---- the last projection
    const CDepthEntry& depthEntry(int k) const { return depth[k]; }
    CPoint boxCorner(int k) const { return boxPixel[k]; }
    CSceneLayer boxFaceLayer(int face) const { return faceLayer[face]; }
    CPoint pistonCorner(int k) const { return pistonPixel[k]; }
    CSceneLayer pistonLayer() const { return pistonSide; }

    // ---- colours
    // The four types drawn in these colours (red, green, blue from 0 to 1)
    // instead of the simulation's own, which stay as they are (and are what
    // a saved file holds); null for the simulation's own. Not owned.
    using CTypePalette = std::array<std::array<float, 3>, modelLimits::kTypes>;
    void setTypePalette(const CTypePalette* palette) { typePalette = palette; }

    // ---- shading
    // Atoms: 0.9 at 1.2 half widths in front of the box centre, falling
    // linearly with the distance from the eye, 0.6 at the centre.
    double atomShade(double distance) const;
    // Edges of box and piston: 1.0 at 1.2 half widths in front of the centre,
    // 0.7 at the centre.
    double edgeShade(double distance) const;
    // What brings a shaded colour to full brightness: its brightest
    // component reaches 1. Not finite for black.
    static float outlineFactor(double shade, float red, float green, float blue);

private:
    // The corners of faces 0 to 5 (x = +h, y = +h, z = +h, x = -h, y = -h,
    // z = -h, the floor), indices into the box's eight corners.
    static constexpr int kFaceCorners[6][4] = {{0, 1, 2, 3}, {0, 1, 5, 4}, {0, 3, 7, 4},
                                               {4, 5, 6, 7}, {2, 3, 7, 6}, {1, 2, 6, 5}};
    static constexpr int kFloor = 5;

    const CSimulationState& model;
    const CTypePalette* typePalette = nullptr;
    CView view;  // the view of the last projection
    int atomCount = 0;
    std::vector<CDepthEntry> depth;
    // Scratch of the depth sort, as large as the model's atoms can be.
    std::vector<CAtomRef> unsorted;
    std::vector<double> sortKey;
    std::vector<int> order;

    CVector boxVertex[8];
    CVector faceCentre[6];
    CPoint boxPixel[8];
    CSceneLayer faceLayer[6] = {};
    CVector pistonVertex[4];
    CPoint pistonPixel[4];
    CSceneLayer pistonSide = CSceneLayer::behindAtoms;

    void projectFrom(const CView& seenFrom);
    void projectBox();
    void projectPiston();
    bool pistonShown() const;
    void sortAtomsByDepth();
    void drawProjected(CDrawingSurface& surface, const CSceneOverlay& overAtoms);
};
