// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the working structs of its list build and kernels, the
// engine's own. Nothing outside the engine includes them but through
// CFastEngine.h, which the model does not include: a change here rebuilds
// the engine and what tests it, nothing else.
#pragma once

#include <cstdint>

#include "SIM/model/CModelLimits.h"

// One row of the list build: its atom, the reaches by partner type (squared,
// widened by the skin; negative where such pairs are listed otherwise) and
// where the earlier partners found go, in cell order.
struct RowScan {
    double x, y, z;
    int rank;  // only earlier ranks are listed
    bool filterRanks;  // runs hold later atoms too, to be left out
    bool sameReaches;  // the same reaches for every partner type
    double pairReach2[modelLimits::kTypes], contactReach2[modelLimits::kTypes];
    // The same in single precision and cells (CellAtoms::cellX), the reaches
    // widened past any rounding of the coordinates and the distance: the
    // lists may then hold a few pairs just beyond their reach, which act as
    // little as any other pair of the skin, but never miss a pair within it.
    float cellX, cellY, cellZ;
    float pairReach2Cells[modelLimits::kTypes], contactReach2Cells[modelLimits::kTypes];
    int pairCount, contactCount;
    int *pairFound, *contactFound;  // room for every atom and eight more (lanes store whole vectors)
    int runs;  // runs of the cell order to scan: runBegin[k] .. runEnd[k]
    int runBegin[27], runEnd[27];
};

// The build's atoms sorted by cell for the vector scan: positions in cells
// from the box's lower corner and types, in single precision (eight lanes of
// AVX2), and ranks.
struct CellAtoms {
    const float *cellX, *cellY, *cellZ, *cellType;
    const int* rank;
    // A periodic box: separations in cells by the minimum image, the box
    // being grid cells wide.
    bool periodic;
    float grid, halfGrid;
};

// The kind of box the separations are formed in: a periodic one takes them
// by the minimum image.
struct BoxShape {
    bool periodic;
    double halfWidth, width;
};

// The force pass's pair constants for atoms of one type, by partner type
// (rows of later partners use the entries of later types only).
// A charged pair has no cut-off: its cut2 is infinite.
struct RowConstants {
    static constexpr int kTypes = modelLimits::kTypes;
    static_assert(kTypes == 4, "the vector kernels load a row's constants for every partner type as four doubles");
    alignas(32) double m[kTypes], m2[kTypes], cut2[kTypes], eps4[kTypes], eps24[kTypes], c[kTypes], b[kTypes], invmJ[kTypes];
    alignas(32) double reach2[kTypes];  // energy-pairing reach, squared
    double invmI;
    bool samePartners;  // the same constants for every partner type that can occur
    bool uncharged;     // no Coulomb or core terms with any partner type, and no tiny mean diameter
    // A periodic box: separations by the minimum image (the box's half
    // width and width), and each row's virial.
    bool periodic;
    double halfWidth, width;
};

// The force pass's pair constants by pair type, 4 * atom type + partner type
// (the atom being the one whose sums receive +terms).
struct PairTable {
    alignas(64) double m[16], m2[16], cut2[16], eps4[16], eps24[16], c[16], b[16], invmJ[16], reach2[16],
        invmI[16];
    bool same;  // every entry the same: no lookup per pair
    bool uncharged;  // no Coulomb or core terms in any entry, and no tiny mean diameter
    bool periodic;   // as in RowConstants
    double halfWidth, width;
};

// The listed pairs within energy-pairing reach, in list order: the flat
// kernel's marks, kept as the pairs themselves (few of a sparse system's
// listed pairs are within that reach). Room for every listed pair and eight
// more (lanes store whole vectors).
struct MarkedPairs {
    int* owner;
    int* partner;
    int count;
};

// A run of listed pairs for the flat kernel, by position in the list: the
// atom whose sums receive the pair's +terms (owner, ascending) and its
// partner, whose sums receive the -terms if it lies below scatterEnd.
struct ForceStream {
    const int* owner;
    const int* partner;  // both padded by seven entries
    int first, last;
    int scatterEnd;
    MarkedPairs* marked;  // receives the pairs within energy-pairing reach, or null where they are not kept
    // With floors, each atom firstAtom..lastAtom-1 receives its floor term
    // after the terms of its earlier partners, before those of its own row.
    bool floors;
    int firstAtom, lastAtom;
    // In a periodic box, each owner's virial (by rank) receives the pairs'
    // w = force * r in list order; the owners' entries start at +0.0.
    double* virial;
};

// Floor terms by rank (acceleration along z, energy) where floorActs.
struct FloorTerms {
    const unsigned char* acts;
    const double* accel;
    const double* energy;
};

// The flat kernel's working space: a block of acting pairs (separation,
// squared length, pair type, atoms).
struct ForceScratch {
    static constexpr int kBlock = 256;
    alignas(64) double dx[kBlock + 8], dy[kBlock + 8], dz[kBlock + 8], r2[kBlock + 8], type[kBlock + 8];
    int owner[kBlock + 8], partner[kBlock + 8];
};
