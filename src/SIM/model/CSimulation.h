// SPDX-License-Identifier: GPL-3.0-or-later
// One simulation: its state in named parts (CSimulationState), kept private
// and changed only through the rules below, which apply the value rules and
// book a person's changes in the energy ledger; the steps that move it; its
// file. Its operations are split into source files by concern, those of the
// step in the engine wing and those of the file in io. The picture of it
// (projection, depth order, drawing, picking) is RENDER's CScene.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "BASE/CMatrix.h"
#include "BASE/CVector.h"
#include "BASE/CView.h"
#include "SIM/model/CAtomRef.h"
#include "SIM/model/CClock.h"
#include "SIM/model/CEnergyLedger.h"
#include "SIM/model/CEngineHandle.h"
#include "SIM/model/COutcome.h"
#include "SIM/model/CSimulationDefaults.h"
#include "SIM/model/CSimulationModes.h"
#include "SIM/model/CSimulationState.h"

class CFastEngine;
class CStepView;
struct CFileTag;
struct CTagAt;

// A line of a simulation file the reader skipped, and why (a sentence
// without its full stop).
struct CSkippedLine {
    int number = 0;    // from 1
    std::string text;  // the line, without its end, cut short when long
    std::string reason;
};
// What the skipped lines are said with: a heading ("2 lines were skipped,
// and what they set is left as it was"), then a note for each of the first
// kSkippedLinesShown ("line 27 \"ULJE 0 0 -1.0e-21\": ...") and how many
// more there were.
constexpr std::size_t kSkippedLinesShown = 10;
std::string skippedLinesHeading(std::size_t count);
std::vector<std::string> skippedLineNotes(const std::vector<CSkippedLine>& skipped);

class CSimulation : private CSimulationState {
public:
    static constexpr int kTypes = modelLimits::kTypes;
    static constexpr int kMaxPerType = modelLimits::kMaxPerType;
    static constexpr int kMaxAtoms = modelLimits::kMaxAtoms;
    static constexpr int kAllAtoms = modelLimits::kAllAtoms;
    static constexpr int kSlots = modelLimits::kSlots;
    static constexpr int kBins = modelLimits::kBins;
    // The longest atom-type name a person may give: the status display's field
    // shows about this many characters. Longer names read from files are kept.
    static constexpr int kMaxNameLength = 40;

    // ---------------------------------------------------------------------
    // The clock the steps are timed with. Not owned. The operations that
    // would need a person's word answer a COutcome instead of asking.
    explicit CSimulation(CClock& clock) : clock_(&clock) {}
    CSimulation(const CSimulation&) = delete;
    CSimulation& operator=(const CSimulation&) = delete;
    CClock& getClock() { return *clock_; }

    // ---- state and defaults
    // The simulation a person meets first (CSimulationDefaults.h).
    CSimulation& initWithDefaults();
    // The state as it stands, every part of it, to read.
    const CSimulationState& state() const { return *this; }
    // Puts the state back exactly as given, bit for bit (nothing computed
    // afresh): going back to an earlier moment, or a state crafted whole.
    // A display under way is ended first.
    void restoreState(const CSimulationState& earlier);
    // Makes built's state this simulation's, whole (a state built or read
    // elsewhere, e.g. in a scratch simulation through the setters): the
    // energies are computed afresh and the ledger starts again. A display
    // under way is ended first.
    void adoptState(const CSimulation& built);
    void initSimulationEnergies();
    void initPreviousEnergies();
    void restartEnergiesAndAverages();

    // ---- plain accessors
    // A setter that answers bool refuses a value outside its rule
    // (CValueRules.h) and leaves the field as it was.
    const std::string& getName(int t) const { return types.name[t]; }
    void setName(int t, const std::string& text) { types.name[t] = text; }
    int getNumber(int t) const { return atoms.number[t]; }
    // The atoms an output slot measures: one type's, or all of them.
    int getSlotAtoms(int s) const { return s == kAllAtoms ? atoms.totalAtoms : atoms.number[s]; }
    double getDiam(int t) const { return types.diam[t]; }
    double getMass(int t) const { return types.mass[t]; }
    float getRed(int t) const { return types.red[t]; }
    float getGreen(int t) const { return types.green[t]; }
    float getBlue(int t) const { return types.blue[t]; }
    void setRed(int t, float c) { types.red[t] = c; }
    void setGreen(int t, float c) { types.green[t] = c; }
    void setBlue(int t, float c) { types.blue[t] = c; }
    bool getPotentialUsed() const { return forces.potentialUsed; }
    double getLJeps(int i, int j) const { return forces.LJeps[i][j]; }
    double getCharge(int t) const { return forces.charge[t]; }
    bool getFloorPotentialUsed() const { return forces.floorPotentialUsed; }
    double getLJepsFloor(int t) const { return forces.LJepsFloor[t]; }
    bool getFloorTempUsed() const { return forces.floorTempUsed; }
    void setFloorTempUsed(bool f) { forces.floorTempUsed = f; }
    double getFloorTemp() const { return forces.floorTemp; }
    bool setFloorTemp(double k);
    CRunState getRunState() const { return clock.runState; }
    void setRunState(CRunState state) { clock.runState = state; }
    double getRunTimerInterval() const { return clock.runTimerInterval; }
    bool setRunTimerInterval(double s);
    double getTimeStep() const { return clock.timeStep; }
    bool setTimeStep(double s);
    unsigned getIterations() const { return clock.iterations; }
    double getElapsedTime() const { return clock.elapsedTime; }
    CTimeUnit getTimeUnit() const { return clock.timeUnit; }
    bool setTimeUnit(CTimeUnit u);
    unsigned getIPD() const { return clock.iterationsPerDisplay; }
    bool setIPD(unsigned n);
    double getTotaldE() const { return conservation.tdE; }
    double getTotaldEPercent() const { return conservation.tdEPercent; }
    bool getConserve() const { return conservation.conserve; }
    double gettdENotConserved() const { return conservation.tdENotConserved; }
    void settdENotConserved(char value) { conservation.tdENotConserved = static_cast<double>(value); }
    int getDisplayType() const { return outputs.displayType; }
    bool setDisplayType(int s);
    double getDisplayTimeConstant() const { return outputs.displayTC; }
    bool setDisplayTimeConstant(double tc);
    CRecordKind getRecordType() const { return outputs.recordType; }
    unsigned getRecord() const { return outputs.record; }
    double getGraphXmax() const { return display.xmax; }
    double getGraphYmax() const { return display.ymax; }
    bool setGraphYmax(double y);
    double getGraphXmin() const { return display.xmin; }
    double getGraphYmin() const { return display.ymin; }
    bool getStateDisplayFlag() const { return display.stateDisplayFlag; }
    void setStateDisplayFlag(bool f) { display.stateDisplayFlag = f; }
    bool getEnergyDiffDisplayFlag() const { return display.energyDiffDisplayFlag; }
    void setEnergyDiffDisplayFlag(bool f) { display.energyDiffDisplayFlag = f; }
    bool getNumericDisplayFlag() const { return display.numericDisplayFlag; }
    void setNumericDisplayFlag(bool f) { display.numericDisplayFlag = f; }
    bool getGraphDisplayFlag() const { return display.graphDisplayFlag; }
    void setGraphDisplayFlag(bool f) { display.graphDisplayFlag = f; }
    bool getAxesShowFlag() const { return display.axesShowFlag; }
    void setAxesShowFlag(bool f) { display.axesShowFlag = f; }
    double getHistogram(int s, int b) const { return outputs.TCHistogram[s][b]; }
    int getHistogramWidth() const { return display.histogramWidth; }
    bool setHistogramWidth(int w);
    int getHistogramHeight() const { return display.histogramHeight; }
    bool setHistogramHeight(int h);
    int getDisplayTextSize() const { return display.displayTextSize; }
    void setDisplayTextSize(int s) { display.displayTextSize = s; }
    int getAspectRatioIndex() const { return display.aspectRatioIndex; }
    void setAspectRatioIndex(int i) { display.aspectRatioIndex = i; }
    float getWindowWidth() const { return display.windowWidth; }
    void setWindowWidth(float w) { display.windowWidth = w; }
    float getWindowHeight() const { return display.windowHeight; }
    void setWindowHeight(float h) { display.windowHeight = h; }
    void setWindowDims(float w, float h) { display.windowWidth = w; display.windowHeight = h; }

    double getKEnergy(int s) const { return outputs.KEnergy[s]; }
    double getPEnergy(int s) const { return outputs.PEnergy[s]; }
    double getTEnergy(int s) const { return outputs.TEnergy[s]; }
    double getPressure(int s) const { return outputs.pressure[s]; }
    double getTemperature(int s) const { return outputs.temperature[s]; }
    double getTCKEnergy(int s) const { return outputs.TCKEnergy[s]; }
    double getTCPEnergy(int s) const { return outputs.TCPEnergy[s]; }
    double getTCTEnergy(int s) const { return outputs.TCTEnergy[s]; }
    double getTCPressure(int s) const { return outputs.TCPressure[s]; }
    double getTCTemperature(int s) const { return outputs.TCTemperature[s]; }
    double getTCVolume() const { return outputs.TCVolume; }
    double getTCVms(int s) const { return outputs.TCavgvsq[s]; }
    double getTCVrms(int s) const { return outputs.sqrtTCavgvsq[s]; }
    double getIPS() const { return clock.ips; }

    // ---- view forwarding
    void setAngles(double phi, double theta) { display.View.setAngles(phi, theta); }
    void changeAngles(double dphi, double dtheta) { display.View.changeAngles(dphi, dtheta); }
    double getEyeR() const { return display.View.getEyeR(); }
    COutcome setEyeR(double r);
    double getEyePlaneR() const { return display.View.getEyePlaneR(); }
    bool setEyePlaneR(double r);
    double getScale() const { return display.View.getScale(); }
    bool setScale(double s);
    // Refused as setEyeR refuses the eye distance; the rest is set all the same.
    COutcome setView(double phi, double theta, double eyeR, double eyePlaneR, double scale);

    // ---- setters with side effects
    // More atoms than a type holds is a question put before anything
    // changes; asked again with maximumAccepted, the type is filled to its
    // maximum. Atoms that find no room are a question put after the work:
    // those added are kept, or taken back by takeBackPartialWork.
    COutcome setNumber(int t, int n, bool maximumAccepted = false);
    COutcome setDiam(int t, double d);
    COutcome setMass(int t, double m);
    void setPotentialUsed(bool f);
    bool setLJeps(int i, int j, double e);
    // Refused with no message outside its rule; in a periodic box, a charge
    // on a type with atoms is refused with periodicBoxRefusal's reason.
    COutcome setCharge(int t, double q);
    void setFloorPotentialUsed(bool f);
    bool setLJepsFloor(int t, double e);
    void setConserve(bool c);
    bool setRecordType(CRecordKind r);
    bool setGraphXmax(double x);

    // ---- adding atoms, kinetic energy
    bool addOneAtom(int t);
    COutcome addOneAtomAtLocationWithVelocity(int t, double x, double y, double z, double vx, double vy, double vz);
    bool changeKEnergy(double deltaE);
    // The longest time step in which no type's atoms at their rms speed move
    // more than kLargestStepReach of their diameter, after a change of the
    // total kinetic energy by deltaE as changeKEnergy makes it; infinite when
    // nothing moves.
    double largestSoundTimeStep(double deltaE = 0.0) const;

    // ---- selection and editing
    void selectAll(char flag);
    void selectType(int t);
    // A click on an atom: selected if it was not, and not if it was.
    void toggleSelection(CAtomRef atom);
    // Adds the atoms to the selection (those in a dragged rectangle).
    void selectAtoms(const std::vector<CAtomRef>& picked);
    int countSelected();
    void saveSelectedLocations();
    void revertSelectedLocations();
    double getSelectedLocation(int axis) const;
    void setSelectedLocation(double x, double y, double z);
    double getSelectedVelocity(int axis) const;
    void setSelectedVelocity(int axis, double value);
    void calculateCentroid();
    void saveCentroid() { atoms.savedCentroid.copyFrom(atoms.centroid); }
    double getSelectedCentroid(int axis) const;
    void setSelectedCentroid(double x, double y, double z);
    void setSelectedCentroidVelocity(int axis, double value);
    void moveSelectedBy(float dx, float dy);
    // Refused, with the atoms where they were, when the clumped atoms could
    // not be parted again.
    COutcome shiftSelectedAtomsToClump();
    void deleteSelected();

    // ---- refitting
    bool shiftAtomsToFit(int passes);
    // The same refit without the cells' shortcut: every pair, every pass.
    bool shiftAtomsToFitAllPairs(int passes);
    COutcome addOneAtomAtLocationWithShift(int t, double x, double y, double z);

    // ---- work done before a question
    // Takes back the work of the last operation that answered
    // questionAfterWork (its "Revert"), as that operation would have left the
    // state had it not been done; false, changing nothing, when there is none
    // or the state has changed since.
    bool takeBackPartialWork();

    // ---- engine
    // One display of the run with a net under it: when the display ends with
    // a position, velocity or energy that is not a finite number, the atoms
    // go back to where they were at its start, getRunStopReason says what
    // happened and the answer is false.
    bool runDisplay();
    // The fast engine this simulation steps with, made on first use; its
    // tuning switches (kernel widths, thread thresholds) may be set here.
    CFastEngine& getFastEngine();
    CEngineKind getEngineKind() const { return engineKind; }
    void setEngineKind(CEngineKind kind) { engineKind = kind; }
    // The threads the fast engine is given: modelLimits::kAutomaticThreads
    // (every core the system offers) or 1 to kMaxEngineThreads; any count
    // gives the bits of one thread. Refused outside that rule, unchanged.
    int getEngineThreads() const { return engineThreads; }
    COutcome setEngineThreads(int threads);
    // The count the next steps run on: automatic resolved for this machine.
    int engineThreadsInUse() const;
    const std::string& getRunStopReason() const { return runStopReason; }
    // The same display in parts, for a caller that hands control back between
    // steps: runDisplaySteps runs up to maxSteps of the display's remaining
    // steps (a display is iterationsPerDisplay steps as that stands at each
    // call; one is begun when none is under way), the last of them computing
    // what only a display's last step computes, with the net of runDisplay
    // under those steps (it goes back to where they started). A display run
    // in parts of any sizes gives exactly what runDisplay gives.
    bool runDisplaySteps(unsigned maxSteps);
    bool isDisplayUnderway() const { return displayUnderway; }
    unsigned getStepsDoneInDisplay() const { return displayUnderway ? stepsDoneInDisplay : 0; }
    // Ends the display under way after the steps it has run: the outputs only
    // a display's last step computes are computed from where they left the
    // atoms. Nothing when no display is under way.
    void endDisplayEarly();
    bool stateIsFinite() const;
    // A whole display's steps with no net (runDisplay's arithmetic).
    void MDCALCIterate();
    // steps steps, the last of them the display's last when endsDisplay.
    void iterateSteps(unsigned steps, bool endsDisplay);
    void MDCALCCalcAcc();
    static void MDCALCpot(double invR, double sigma, double eps, double q1, double q2, double& force, double& energy);
    void MDCALCCollAdj();
    static double heatBathEnergy(long draw, double temperature);
    void MDCALCTotalEnergy();
    void MDCALCEnergyAdj();
    // The integrator's view of this simulation: the fields a step reads and
    // writes, and the passes of a step that walk the atoms one at a time.
    CStepView stepView();
    void initEnergyDiffDisplay();

    // ---- energy ledger
    // Atoms' kinetic energy from their velocities, their potential energy as
    // the last force pass left it, and the piston's kinetic energy.
    double systemEnergy() const;
    // The same with the potential energy computed from the positions now.
    double systemEnergyFromPositions() const;
    double potentialEnergyFromPositions() const;
    double atomEnergyFromPositions(int t, int i) const;
    // Starts the ledger again from the energy now.
    void restartLedger();
    // The balance now: valid after a step or a booked change.
    CEnergyBalance getLedgerBalance() const;
    // Books an operation's change of the system energy as the user's: the
    // energy just after minus just before. Nested operations book once.
    class UserChange {
    public:
        explicit UserChange(CSimulation& s) : sim(s) { sim.beginUserChange(); }
        ~UserChange() { sim.endUserChange(); }
        UserChange(const UserChange&) = delete;
        UserChange& operator=(const UserChange&) = delete;

    private:
        CSimulation& sim;
    };
    void beginUserChange();
    void endUserChange();
    void noteLedgerChange();
    // Counts the changes a person or a file made to the state (every booked
    // change, a file read, a state adopted); steps do not count. A
    // measurement that follows atoms over time starts again when it moves.
    unsigned getStateRevision() const { return stateRevision; }

    // ---- measured outputs
    // After a step; a step before the last of a display may leave out what
    // only the display's last step decides.
    void calculateAllOutputs(bool lastStepOfDisplay = true);
    void calculateTypedEnergies();
    void calculateAreaVolumePressureTemperature();
    void calculateVrms();
    void calculateTCFractions();
    void calculateTCOutputs();
    void calculateHistogram();
    void resetTCDisplay();
    // The outputs of the state as it stands, with no step taken: the sums
    // over the atoms, volume, temperature, pressure from the last step's wall
    // momentum (0 for a slot with no atoms), and the speed histogram.
    void measureStateNow();
    // Averages that start afresh take the values measured now as their first
    // sample; with keepKnown, only those that are not finite (not carried by
    // a file just read) do, and those of slots with no atoms, which measure 0.
    void startAveragesFromState(bool keepKnown);

    // ---- box and piston
    double getHalfWidth() const { return box.halfWidth; }
    COutcome setHalfWidth(double n);
    // Closed box or periodic. Periodic is refused, with the reason, where
    // periodicBoxRefusal refuses the state.
    CBoundaries getBoundaries() const { return box.boundaries; }
    bool isPeriodic() const { return box.boundaries == CBoundaries::periodic; }
    COutcome setBoundaries(CBoundaries b);
    // Applied where the state as it stands can run in a periodic box: no type
    // with atoms is charged (that needs Ewald summation, not built yet), and
    // the longest cut-off of the types with atoms is below half the box's
    // width; otherwise refused with the alert that says why.
    COutcome periodicBoxRefusal() const;
    // What periodicBoxRefusal would answer were type t to hold number atoms
    // of that charge and diameter, in a box of that half width: a change is
    // weighed in the state as it would be, before anything changes.
    COutcome periodicBoxRefusalWith(int t, int number, double charge, double diam, double halfWidth) const;
    // The longest Lennard-Jones cut-off among the pairs of types with atoms (m);
    // a periodic box must be wider than twice it.
    double longestCutoff() const;
    // Contacts at the mean diameter on (a hard core), or off (plain Lennard-Jones).
    bool getContactsUsed() const { return forces.contactsUsed; }
    void setContactsUsed(bool on);
    bool getBoxShowFlag() const { return display.boxShowFlag; }
    void setBoxShowFlag(bool f) { display.boxShowFlag = f; }
    bool getBoxFloorShowFlag() const { return display.boxFloorShowFlag; }
    void setBoxFloorShowFlag(bool f) { display.boxFloorShowFlag = f; }
    bool getBoxShowShadowFlag() const { return display.boxShowShadowFlag; }
    void setBoxShowShadowFlag(bool f) { display.boxShowShadowFlag = f; }
    bool getPistonUsed() const { return box.pistonUsed; }
    void setPistonUsed(bool f);
    double getAppliedPressure() const { return box.appliedPressure; }
    bool setAppliedPressure(double p);
    double getPistonMass() const { return box.pistonM; }
    COutcome setPistonMass(double m);
    double getPistonZ() const { return box.pistonZ; }
    void setPistonZ(double z)
    {
        UserChange change(*this);
        box.pistonZ = z;
    }
    double getPistonV() const { return box.pistonV; }
    void setPistonV(double v)
    {
        UserChange change(*this);
        box.pistonV = v;
    }

    // ---- simulation file
    // The file the next read takes (the shell's panels choose it).
    void setOpenPath(const std::string& path) { openPath = path; }
    const std::string& getOpenPath() const { return openPath; }
    // Where the next save writes, unless the person chooses again.
    void setSavePath(const std::string& path) { savePath = path; }
    const std::string& getSavePath() const { return savePath; }
    // Makes the file at openPath the current simulation, or is refused with
    // the alert that says why, having changed nothing.
    COutcome readInputFile();
    // The same with the bare reason: why the file was refused (empty when it
    // was read), with notSimulation set when it was read but holds no
    // simulation.
    std::string loadInputFile(bool& notSimulation);
    // The lines the last file read skipped, in file order, handed over once
    // (the caller says so as it sees fit): a file that opens may still hold
    // lines with a value out of range, too few fields or an index past its end.
    std::vector<CSkippedLine> takeSkippedLines() { return std::move(skippedLines); }
    // The last part of a path, after its last '/'.
    static std::string fileNameOfPath(const std::string& path);
    void generateOutputFileContent();
    // The text generateOutputFileContent made, until the next write.
    const std::string& getFileContent() const { return fileContent; }
    // Writes the file at savePath, or is refused with the alert that says why.
    COutcome writeOutputFile();
    // Applies one line of the tag to the state; why it was skipped, or empty.
    // Quorvel's exact value that does not round to its line is passed over
    // without a reason: the line was edited by hand, and wins.
    std::string applyFileLine(const CFileTag& tag, std::string_view line);

private:
    CClock* clock_;
    // Why the last runDisplay stopped the run; empty while it runs.
    std::string runStopReason;
    // ---- files: the paths chosen, and the text being written
    std::string openPath, savePath, fileContent;
    std::vector<CSkippedLine> skippedLines;
    // ---- engine choice; the fast engine uses up to engineThreadsInUse().
    CEngineKind engineKind = simulationDefaults::kEngineKind;
    int engineThreads = 1;
    std::unique_ptr<CEngineHandle> fastEngine;  // a CFastEngine, made on first use
    // The display under way, when a caller runs it in parts: the steps it has
    // run so far.
    bool displayUnderway = false;
    unsigned stepsDoneInDisplay = 0;
    // What runDisplay goes back to; made on first use.
    struct CDisplayStart {
        CVector loc[kTypes][kMaxPerType], vel[kTypes][kMaxPerType];
        double pistonZ = 0.0, pistonV = 0.0, elapsedTime = 0.0;
        unsigned iterations = 0;
    };
    std::unique_ptr<CDisplayStart> displayStart;
    unsigned stateRevision = 0;
    int userChangeDepth = 0;
    double userChangeBefore = 0.0;

    // ---- the per-atom passes of a step, the integrator's through CStepView.
    friend class CStepView;
    void driftAtoms(double dt, double quad);
    void kickAtoms(double half);
    void collideWithBox();
    // After the contacts of a step: any atom whose centre is outside the box
    // is reflected between the walls as often as needed; answers whether
    // one was.
    bool foldAtomsIntoBox();
    // The second half kick with MDCALCTotalEnergy's terms, atom by atom.
    void kickAndTotalEnergy(double half);
    // The piston's flight under the applied pressure.
    void movePiston(double dt, double quad);
    // The contact of atoms (t, i) and (u, j), if they touch.
    void collideAtomPair(int t, int i, int u, int j);
    // Scales each atom's speed to take back its paired energy change (dE).
    void rescaleToConserve();
    void resetIPS();
    void calculateIPS();

    // What takeBackPartialWork puts back, and the revision it is good for.
    std::unique_ptr<CSimulationState> partialWorkStart;
    unsigned partialWorkRevision = 0, partialWorkIterations = 0;
    COutcome changeNumber(int t, int n, bool maximumAccepted);
    // A number no simulation of this process has had (CSimulationState::origin).
    static unsigned long long newOrigin();
    void wallStep(CVector& atom, const CVector& partner, const CVector& first, const CVector& wallNormal, double d, bool& fitted);
    void wallStepsFor(CVector& atom, const CVector& partner, const CVector& first, double d, bool& fitted);
    void fitPair(int t, int i, int u, int j, bool& fitted);
    int clumpSweepLimit() const;
    bool fitAllPairs(int passes);
    bool commitFit(bool fitted);
    void clampAllAtomsIntoBox();
    void applyHeatBath(int t, int i);
    void collideWithPiston();
    double pistonForce() const { return box.pistonM * box.pistonA; }
    void reflectFromWalls(int t, int i, double limit, double f);
    template <bool energies, bool speeds>
    void sumOverAtoms();
    double floorEnergyFromPosition(int t, int i) const;
    double pairEnergyFromPositions(int t, int i, int u, int j) const;
    void bookAddedAtom(int t, int i);
    static void reflectInCentreOfMassFrame(CVector& x, CVector& v, double tc, const CVector& centreOfMassVelocity,
                                           const CVector& contactNormal);
    void countSpeeds();
    void forgetOutputs();
    struct CNumberedLine {
        std::string_view text;
        int number;
    };
    using CLinesOfTag = std::vector<std::vector<CNumberedLine>>;
    static CLinesOfTag fileLinesByTag(std::string_view text);
    std::string unfitFileState(const CLinesOfTag& linesOfTag);
    void takeAbsentSwitches();
    void applyFileLines(const CLinesOfTag& linesOfTag, bool afterState);
    void appendOwnValue(const CFileTag& tag);
    void appendFileLine(const CFileTag& tag, CTagAt at);
};
