// SPDX-License-Identifier: GPL-3.0-or-later
// The fast engine: the same integration step as the reference loops of
// CSimulation, bit for bit, with the pair passes restricted to neighbour
// lists and, for large systems, the list build, the search for the first
// contact and the force pass shared between threads.
//
// Why the results stay identical: every floating-point operation of the
// reference is performed on the same operands in the same order. Pairs are
// skipped only when they cannot act (too far apart for the force, the contact
// and the energy-pairing reach), each atom's partners are listed in ascending
// pair order, and every per-atom sum is formed in the reference order:
// partners listed before the atom, its floor term, partners after it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "SIM/engine/CFastEngine_structs.h"
#include "SIM/engine/CPairEngine.h"
#include "SIM/engine/CReferencePairs.h"
#include "SIM/engine/CStepView.h"
#include "SIM/engine/CWorkPool.h"

class CFastEngine final : public CPairEngine {
public:
    static constexpr int kTypes = CStepView::kTypes;
    static constexpr int kPerType = CStepView::kPerType;
    static constexpr int kMaxAtoms = kTypes * kPerType;
    static constexpr int kWords = (kMaxAtoms + 63) / 64;

    // The engine works on the model through the view only.
    explicit CFastEngine(const CStepView& step);
    ~CFastEngine();
    CFastEngine(const CFastEngine&) = delete;
    CFastEngine& operator=(const CFastEngine&) = delete;

    // ---- the pair passes of the integrator's step, the reference's bits.
    // The model may have changed in any way since the last call: the lists
    // of the last call are kept only while they are still valid
    // (listsStillValid). threads: 1 to 64; small systems run on fewer
    // threads than asked (atomsPerThread, pairsPerThread), and no system on
    // more than there are cores.
    void beginSteps(int threads) override;
    void contacts() override;
    void atomsFolded() override;
    void forces() override;
    void pairEnergies() override;

    // ---- neighbour lists, exposed for checking them against brute force.
    // Prepares the per-type constants and builds both lists from the
    // current positions; false when the state cannot be listed (positions
    // or diameters that are not finite), in which case the engine runs the
    // reference loops.
    bool rebuild();
    // The same, building on the given number of threads (from 1; no more
    // than one per atomsPerThread atoms, nor than cores).
    bool rebuildOn(int threads);
    // Partners (slot indices t * 400 + i, ascending, all greater than slot)
    // of the atom in the given slot. The pair list reaches every pair that
    // can feel a force when potentials act, and otherwise every pair within
    // energy-pairing reach while energy is conserved (it is empty when
    // neither pass needs it); the contact list every pair within contact
    // reach. Valid after rebuild().
    std::vector<int> pairRowSlots(int slot) const;
    std::vector<int> contactRowSlots(int slot) const;
    // The skin added to every reach, in metres.
    double skin() const { return skin_; }
    // Counts for the benchmark's profile.
    long long rebuildCount() const { return rebuilds_; }
    long long forcePairCount() const { return listUsable_ ? forceStart_[nActive_] : 0; }
    long long contactPairCount() const { return listUsable_ ? contactStart_[nActive_] : 0; }

    // Relative skin: the list reach is the interaction reach plus this
    // fraction of the largest diameter. Tunable for measurements.
    double skinFraction = 0.35;
    // The same below this many atoms per cubed largest diameter.
    double sparseSkinFraction = 0.6;
    double sparseDensity = 0.2;
    // Each thread takes at least this many atoms (zero: no limit): below it
    // a thread's start-up costs more than it saves.
    int atomsPerThread = 300;
    // No more threads than this (tests raise it to run many threads on few cores).
    int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // The threads the last beginSteps or rebuildOn chose.
    int threadsInUse() const { return threads_; }
    // The engine times its steps and runs them on one thread while more do
    // not pay (as on a core another process keeps busy: the threads would
    // wait for the one that lost its core at every phase), trying the other
    // count again now and then. Off: always the threads allowed.
    bool paceThreads = true;
    // The four-lane force kernel, where the processor has AVX2; the portable
    // kernel otherwise (the tests run both).
    bool useAvx2 = avx2Available() && widestLanesAllowed() >= 4;
    static bool avx2Available();
    // The eight-lane force kernel, where the processor has AVX-512 (and
    // useAvx2 is on).
    bool useAvx512 = avx512Available() && widestLanesAllowed() >= 8;
    static bool avx512Available();
    // The widest kernels the engine may choose, in lanes (8, 4 or 1): the
    // environment variable QUORVEL_KERNEL=avx2 or =portable holds every
    // engine of the process to the four-lane or the portable kernels, so that
    // they can be measured and compared on a processor with wider ones.
    // Read once.
    static int widestLanesAllowed();

private:
    struct PairConstants {
        double m = 0, m2 = 0, cut2 = 0;   // mean diameter, its square, 9 m^2
        double eps4 = 0, eps24 = 0;       // 4 eps, 24 eps
        double c = 0, b = 0;              // Coulomb product, core strength
        double contact2 = 0;              // contact reach d^2 (d = m)
        double reach2 = 0;                // energy-pairing reach squared
        bool charged = false;             // both types charged: no cut-off
        double forceList2 = 0, contactList2 = 0;  // list reaches squared
    };

    CStepView step_;
    // For states the lists cannot hold.
    CReferencePairs reference_;
    PairConstants pc_[kTypes][kTypes];
    // By atom type and partner type: contact reach and energy-pairing reach, squared.
    double contact2_[kTypes][kTypes] = {}, reach2_[kTypes][kTypes] = {};
    bool listUsable_ = false;
    // What the lists were built from, besides the positions: compared bit
    // for bit at the start of each call, so that lists stay valid across
    // calls only where nothing but the steps' own moves has changed.
    struct ListInputs {
        int number[kTypes];
        double diam[kTypes], invm[kTypes], LJeps[kTypes][kTypes], charge[kTypes];
        double halfWidth;
        bool potentialUsed, conserve, periodic, contactsUsed;
        unsigned stateRevision;
        int threads;
        double skinFraction, sparseSkinFraction, sparseDensity, flatBelowRowLength;
    };
    // Filled whole, padding zeroed, so that the inputs compare byte for byte.
    void readListInputs(ListInputs& in) const;
    ListInputs builtFrom_{};
    bool listsStillValid() const;
    double skin_ = 0, moveLimit2_ = 0;
    long long rebuilds_ = 0;
    int threads_ = 1;
    // The steps' pace by thread count: windows of steps timed within the
    // calls (the time between calls is the caller's), each compared with the
    // last window on the other count.
    struct Pace {
        int allowed = 1;     // the threads beginSteps allows
        bool alone = false;  // the settled choice: one thread
        bool probing = false;  // this window runs on the other count
        int steps = 0, windows = 0;
        double spent = 0.0;          // seconds of this window's steps
        double settledPerStep = 0.0;  // of the last window on the settled count
        std::int64_t last = 0;        // when the last step began, in steady-clock ticks
    };
    Pace pace_;
    void paceStep();
    int pacedThreads() const { return pace_.alone != pace_.probing ? 1 : pace_.allowed; }

    int nActive_ = 0;
    int active_[kMaxAtoms];          // active slots, ascending
    int rank_[kMaxAtoms];            // slot -> position in active_
    double built_[kMaxAtoms][3];     // positions at the last build

    // Rows in CSR form by rank, partners by rank, each list padded by seven
    // entries. forceRank_ is the pair list, contactRank_ the contact list.
    std::vector<int> forceStart_, contactStart_;
    std::vector<int> forceRank_, contactRank_;
    RowConstants rowConstants_[kTypes];
    // The force pass keeps, row by row, the partners within energy-pairing
    // reach (every such pair is in the force list when potentials are on), so
    // the pairing need not measure distances again nor look at the partners
    // beyond it; valid while inReachValid_. The rows follow each other with
    // no gaps, so that the pairing reads one dense stream.
    struct NearLists {
        std::vector<int> ranks;  // room for every listed pair and eight more (lanes store whole vectors)
        int start[kMaxAtoms];
        int count[kMaxAtoms];
        int fill = 0;
        // Keeps the row's partners within reach, as the kernel found them.
        int* openRow(int n) { return ranks.data() + (start[n] = fill); }
        void closeRow(int n, int kept)
        {
            count[n] = kept;
            fill += kept;
        }
    };
    NearLists near_;
    // Earlier partners of every atom by rank (the force rows transposed),
    // ascending, padded by seven entries.
    std::vector<int> earlierStart_, earlierRank_, earlierFill_;
    // Floor terms by rank, summed into the totals in atom order after the pass.
    double floorForce_[kMaxAtoms], floorEnergy_[kMaxAtoms];
    unsigned char floorActs_[kMaxAtoms];
    bool inReachValid_ = false;
    // pos4_ holds the current positions (kept up to date by the contacts).
    bool positionsLoaded_ = false;
    // Hot data by rank for the kernel: positions (x, y, z, type) and the
    // sums (acceleration x, y, z, potential energy).
    alignas(32) double pos4_[kMaxAtoms][4];
    alignas(32) double acc4_[kMaxAtoms][4];
    double dE_[kMaxAtoms];  // energy changes by rank while they are paired

    // Cell grid for the build.
    std::vector<int> cellStart_, cellFill_, cellOf_, cellRank_;
    std::vector<double> cellX_, cellY_, cellZ_, cellType_;  // padded by eight entries
    std::vector<float> cellXf_, cellYf_, cellZf_, cellTypef_;  // in cells (CellAtoms), padded alike
    // The largest coordinate in cells, for the widening of the reaches in cells.
    double largestCellCoordinate_ = 0.0;
    // A squared reach in metres as a squared reach in cells, widened past
    // the rounding of single precision (RowScan); negative stays negative.
    float reach2InCells(double reach2) const;
    int grid_ = 1;
    double cellScale_ = 1.0;         // cells per metre
    std::vector<int> chargedRanks_;  // ranks of charged atoms, ascending
    // The build's parts by rank: part p's rows are buildBounds_[p] .. [p + 1].
    std::vector<int> buildBounds_;
    void chooseBuildBounds();

    // ---- list build, by parts: each part scans its atoms for earlier
    // partners (found, per atom in cell order), counts them by partner, and
    // then writes each atom into its partners' rows. Atoms are visited in
    // ascending order, so every row fills in ascending order.
    struct FoundLists {
        std::vector<int> partners;  // earlier partners of each atom of the part, one run per atom
        std::vector<int> start;     // run of the part's atom n - first: start[n - first] ..
        std::vector<int> perRow;    // partners found per row (by rank), then the row's write position
    };
    std::vector<FoundLists> foundPairs_, foundContacts_;  // by part
    std::vector<std::vector<int>> cellVisited_;  // by thread: atoms of each cell visited by its part's scan
    // Per-part and per-thread working space for the thread count (threads_).
    void sizeParts();
    int partsSizedFor_ = 0;
    void scanPart(int part, int thread);
    void fillPart(int part, int thread);
    void countFound(FoundLists* found, std::vector<int>& start, std::vector<int>& rows);
    static void fillFound(FoundLists& found, int first, int last, std::vector<int>& rows);
    void allocateLists();
    void sortIntoCells();
    bool pairsCharged_ = false;
    bool crowdedCells_ = false;      // cells scanned one by one, for earlier atoms only
    // Cells are made a little wider than the longest reach, so that rounding
    // in a cell index never drops a pair.
    static constexpr double kCellWiden = 1.001;      // the pair list holds every pair of two charged types
    void partRange(int part, int& first, int& last) const;
    // The contact search's parts by position in the contact list, more than
    // threads, so that a thread that lost its core leaves most of its share
    // to the others.
    std::vector<int> contactBounds_;
    int contactParts() const { return threads_ == 1 ? 1 : 4 * threads_; }

    // The engine's threads: the caller and threads_ - 1 workers.
    CWorkPool pool_;
    template <void (CFastEngine::*job)(int, int)>
    void runParts(int parts)
    {
        pool_.run<CFastEngine, job>(threads_, parts, this);
    }

    void prepareConstants();
    int cellIndex(double x) const;
    double inCellUnits(double x) const;  // cells from the box's lower corner
    struct CellRange {
        int first, last;
    };
    int neighbourCells(int c, CellRange* ranges) const;
    // Adds the atoms of the row's runs of the cell order within reach to
    // its found partners (only earlier atoms: where filterRanks, by rank).
    void scanRuns(RowScan& row) const;
    static void scanRunsAvx2(RowScan& row, const CellAtoms& atoms);
    std::vector<int> rowSlots(const std::vector<int>& start, const std::vector<int>& ranks, int slot) const;
    bool movedTooFar(int slot) const;
    bool anyMovedTooFar() const;
    // The box the separations are formed in, as the last rebuild found it.
    BoxShape box_{};
    // A coordinate wrapped into the periodic box, for its cell.
    double intoBox(double x) const;
    // Loads the step's positions, first building the lists again where they
    // no longer cover every pair; false where the state cannot be listed.
    bool loadStepPositions();
    // In a periodic box, each row's virial by rank (the sum of its acting
    // pairs' w in list order), summed into the step's virial after the force
    // pass; what a part of the flat kernel forms for pairs of earlier parts'
    // rows goes to scratch (each row's own is formed once).
    double rowVirial_[kMaxAtoms];
    double virialScratch_[kMaxAtoms];
    void sumVirial();

    void collidePairsFrom(int activeIndex, int partnerSlot);
    // Bit p set where the partner of rank nbr[p] (p < count <= 64) lies
    // nearer to xi than the square root of limit2[its type], by the
    // reference's squared distance. nbr may be read up to seven entries
    // past count (the rank lists are padded).
    std::uint64_t closerMask(const double* xi, const int* nbr, int count, const double* limit2) const;
    static std::uint64_t closerMaskAvx2(const double* xi, const int* nbr, int count, const double* limit2,
                                        const double (*pos4)[4], const BoxShape& box);
    double pairRowEnergy(int n, double dEk);
    double pairRowEnergyNear(int n, double dEk);
    void forcesOnRows();
    // The force pass by rows on one thread, each row after its floor term.
    void forceRows();
    void forcePart(int part, int thread);
    // Returns how many of the row's partners are within energy-pairing reach
    // (their ranks stored to near).
    int forceRow(int n, const RowConstants& rc, const int* row, int count, int* near, bool scatter,
                 double (*acc4)[4], double* virial);
    void chooseForceBounds();
    void indexRanks();
    void loadPositions();
    // The same, and whether any atom has moved too far since the lists were
    // built (anyMovedTooFar), in one pass; for lists in use.
    bool loadPositionsSeeingMoves();
    // Atom n's sums (acc4[n]) receive its row's pair terms in list order,
    // each partner's sums theirs.
    // The partners within energy-pairing reach go to near, in row order
    // (entries past them, up to eight, may be overwritten): their number is
    // returned.
    static int forceRowAvx2(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                            double (*acc4)[4], int* near, bool scatter, double* virial);
    static int forceRowPortable(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                                double (*acc4)[4], int* near, bool scatter, double* virial);
    static int forceRowAvx512(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                              double (*acc4)[4], int* near, bool scatter, double* virial);
    void contactPart(int part, int thread);
    std::vector<int> contactFound_;  // first pair in contact per part, as position in the contact list

    // ---- the force pass's flat kernel
public:
    // The flat kernel runs where the force rows hold fewer pairs than this
    // on average (then most of a row's lanes would idle), the row by row
    // kernel elsewhere: it holds the row's own sums in registers, which pays
    // where rows are long.
    double flatBelowRowLength = 16.0;
    bool flatKernel() const { return flat_; }  // the kernel of the last force pass
    // Each thread takes at least this many of the last lists' pairs (force
    // and contact; zero: no limit): below it, a thread's start-up and the
    // pairs computed twice across the splits cost more than they save.
    long long pairsPerThread = 15000;

private:
    PairTable pairTable_;
    // By list position: the rank of the row's atom (padded by eight entries).
    std::vector<int> forceOwner_;
    // The flat kernel's parts by rank: part p's rows are forceBounds_[p] .. [p + 1].
    std::vector<int> forceBounds_;
    // Each part's pairs across its lower bound, from its atoms' side: each
    // of its atoms with its partners before the bound, ascending (padded by
    // eight entries).
    std::vector<std::vector<int>> crossOwner_, crossPartner_;
    long long streamIndexedFor_ = -1;  // rebuild count the kernel was chosen for
    bool flat_ = false;                // the flat kernel for the current lists
    double floorAccel_[kMaxAtoms];
    std::vector<ForceScratch> forceScratch_;  // by part
    void indexForceStream();
    void forceAtoms(int first, int last, int scatterEnd, int part);
    void measureFloorTerms(int first, int last);
    void runForceStream(const ForceStream& fs, int part);
    static void forceStreamPortable(const ForceStream& fs, const PairTable& pt, const FloorTerms& floor,
                                    const double (*pos4)[4], double (*acc4)[4], ForceScratch& sc);
    static void forceStreamAvx2(const ForceStream& fs, const PairTable& pt, const FloorTerms& floor,
                                const double (*pos4)[4], double (*acc4)[4], ForceScratch& sc);
    static void forceStreamAvx512(const ForceStream& fs, const PairTable& pt, const FloorTerms& floor,
                                  const double (*pos4)[4], double (*acc4)[4], ForceScratch& sc);

    // ---- many threads: the force pass by rows, split by position
    // At each build the atoms are shared between the threads by position
    // (slabs along x, as many as threads, each holding as many atoms), so
    // that few listed pairs join atoms of different sides. Each thread walks every row in rank order: the rows of
    // its own atoms whole, the other side's rows for the partners on its own
    // side only. It writes only its own sums, floor terms and kept partners,
    // so nothing is written by both threads; what it adds to the sums of the
    // other side's atoms is scratch and never read.
    struct SideRow {
        int n;  // the row's atom, by rank
        int count;
        const int* partners;  // padded by seven entries
        const RowConstants* constants;
        bool own;  // the side's own row, whose partners within reach are kept
    };
    struct alignas(64) ForceSide {
        alignas(64) double acc4[kMaxAtoms][4];
        double floorAccel[kMaxAtoms], floorForce[kMaxAtoms], floorEnergy[kMaxAtoms];
        unsigned char floorActs[kMaxAtoms];  // zero for the other side's atoms
        std::vector<int> atoms;              // the side's atoms, ascending
        std::vector<SideRow> rows;           // the rows it walks, ascending
        std::vector<int> crossPartners;      // its partners in the other side's rows
        NearLists near;  // of its own rows
        std::vector<int> scratchNear;
        long long listedFor = -1;  // rebuild count its rows were listed for
    };
    // What the force pass left for an atom: its sums and its floor term.
    struct ForceOut {
        const double* acc4;
        bool floorActs;
        double floorForce, floorEnergy;
    };
    std::vector<std::unique_ptr<ForceSide>> forceSides_;  // one per thread
    unsigned char sideOf_[kMaxAtoms];  // by rank
    struct SideKey {
        double x;
        int rank;
    };
    SideKey sideKeys_[kMaxAtoms];
    long long sidesFor_ = -1;  // rebuild count the sides were chosen for
    bool bySides_ = false;     // the last force pass ran by sides
    bool flatChosen() const;
    void chooseSides();
    void streamPositions() const;
    mutable volatile double positionsSink_ = 0.0;
    void listSideRows(int part);
    void forceSide(int part, int thread);
    bool floorTerm(int n, double& accel, double& force, double& energy) const;
    ForceOut forceOut(int n) const;
    // The partners within energy-pairing reach that the force pass kept from atom n's row.
    const NearLists& rowNear(int n) const { return bySides_ ? forceSides_[sideOf_[n]]->near : near_; }

    // ---- the energy pairing after the flat kernel
    // The pairs within energy-pairing reach of each part's rows, from the
    // flat kernel (valid while inReachValid_ and flat_).
    std::vector<std::vector<int>> markedOwner_, markedPartner_;  // by part
    std::vector<MarkedPairs> marked_;
    void pairMarkedPairs();
    void pairRows();

    // ---- the contact search as one stream of listed pairs, whatever the
    // rows' lengths (most rows of the contact list hold a few pairs only).
    // By position in the contact list: the rank of the row's atom (padded by
    // eight entries); the contact reach squared by pair type, 4 * t + u.
    std::vector<int> contactOwner_;
    alignas(64) double contactReach2_[16] = {};
    void indexContacts();
    // The first position from q on (before end) whose pair lies nearer than
    // its contact reach, by the reference's squared distance; end if none.
    int nextContact(int q, int end) const;
    static int nextContactAvx2(int q, int end, const int* owner, const int* partner, const double (*pos4)[4],
                               const double* reach2, const BoxShape& box);
    static int nextContactAvx512(int q, int end, const int* owner, const int* partner, const double (*pos4)[4],
                                 const double* reach2, const BoxShape& box);

    // Each atom's cell along x, y and z at the last build, by rank.
    int cellCoordinates_[kMaxAtoms][3];

    // ---- the energy pairing on eight lanes and four
    // A row's change dEk paired with its partners within reach (count
    // ranks), as pairRowEnergyNear; returns what is left of it.
    static double pairRowNearAvx512(double dEk, const int* near, int count, double* dE);
    static double pairRowNearAvx2(double dEk, const int* near, int count, double* dE);
};
