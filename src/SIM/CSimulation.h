// SPDX-License-Identifier: GPL-3.0-or-later
// The whole state of one simulation: atom types and atoms, box and piston,
// engine parameters, measured outputs with their averages and histogram,
// display switches and the scratch vectors every step reuses. One class;
// its operations are split into source files by concern. The picture of it
// (projection, depth order, drawing, picking) is RENDER's CScene.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "BASE/CMatrix.h"
#include "BASE/CVector.h"
#include "BASE/CView.h"
#include "CAtomRef.h"
#include "CEnergyLedger.h"
#include "CFastEngine.h"
#include "CPlatform.h"
#include "CSimulationDefaults.h"
#include "CSimulationModes.h"

struct CFileTag;
struct CTagAt;

// Every value of a simulation, copyable as a whole: what adoptState hands
// over. The engine, the run in parts and the desktop services stay with the
// CSimulation that owns them.
struct CSimulationData {
    static constexpr int kTypes = 4;
    static constexpr int kMaxPerType = 400;
    static constexpr int kMaxAtoms = kTypes * kMaxPerType;
    // The outputs are kept per type and, in the slot after the types', for
    // all atoms together.
    static constexpr int kAllAtoms = kTypes;
    static constexpr int kSlots = kAllAtoms + 1;
    static constexpr int kBins = 40;
    // The longest atom-type name a person may give: the status display's field
    // shows about this many characters. Longer names read from files are kept.
    static constexpr int kMaxNameLength = 40;

    // ---- model and atom types
    CView View;
    int version = 56;
    int totalAtoms = 0;
    int number[kTypes] = {};
    double diam[kTypes] = {};
    double mass[kTypes] = {};
    double invm[kTypes] = {};
    float red[kTypes] = {}, green[kTypes] = {}, blue[kTypes] = {};
    std::string name[kTypes];

    // ---- atoms, [type][index]
    CVector loc[kTypes][kMaxPerType];
    CVector vel[kTypes][kMaxPerType];
    CVector acc[kTypes][kMaxPerType];
    double aKEnergy[kTypes][kMaxPerType] = {};
    double aPEnergy[kTypes][kMaxPerType] = {};
    double aTEnergy[kTypes][kMaxPerType] = {};
    double nvel[kTypes][kMaxPerType] = {};
    double paTEnergy[kTypes][kMaxPerType] = {};
    double dE[kTypes][kMaxPerType] = {};
    char sel[kTypes][kMaxPerType] = {};
    int st = -1, sn = -1;

    // ---- run control and timing
    CRunState runState = simulationDefaults::kRunState;
    float runTimerInterval = simulationDefaults::kRunTimerInterval;  // s
    double timeStep = simulationDefaults::kTimeStep;
    unsigned iterationsPerDisplay = simulationDefaults::kStepsPerDisplay;
    unsigned iterations = 0;
    double elapsedTime = 0.0;
    CTimeUnit timeUnit = simulationDefaults::kTimeUnit;
    // Why the last runDisplay stopped the run; empty while it runs.
    std::string runStopReason;

    // ---- forces
    bool potentialUsed = simulationDefaults::kPotentialUsed;
    double LJeps[kTypes][kTypes] = {};
    double charge[kTypes] = {};
    bool floorPotentialUsed = simulationDefaults::kFloorPotentialUsed;
    double LJepsFloor[kTypes] = {};
    bool floorTempUsed = simulationDefaults::kFloorTempUsed;
    double floorTemp = 0.0;

    // ---- measured outputs, per slot
    double area = 0.0, volume = 0.0;
    double dptot[kSlots] = {};
    double pressure[kSlots] = {}, temperature[kSlots] = {};
    double KEnergy[kSlots] = {}, PEnergy[kSlots] = {}, TEnergy[kSlots] = {};
    double vsq[kSlots] = {}, avgvsq[kSlots] = {};
    double TCVolume = 0.0;
    double TCPressure[kSlots] = {}, TCTemperature[kSlots] = {};
    double TCKEnergy[kSlots] = {}, TCPEnergy[kSlots] = {}, TCTEnergy[kSlots] = {};
    double TCavgvsq[kSlots] = {}, sqrtTCavgvsq[kSlots] = {};
    double histogram[kSlots][kBins] = {}, TCHistogram[kSlots][kBins] = {};

    // ---- averaging and energy bookkeeping
    int displayType = kAllAtoms;  // the slot shown
    double displayTC = simulationDefaults::kDisplayTimeConstant;
    CRecordKind recordType = simulationDefaults::kRecordKind;
    unsigned record = 0;
    double oldPart = 0.0, newPart = 0.0;
    bool conserve = simulationDefaults::kConserve;
    double tdE = 0.0, tdEPercent = 0.0, tdENotConserved = 0.0;
    // Counts the times the averages started afresh (a reset, the first step
    // of an accumulation, a file read), so records that follow the displayed
    // values know when to start again. Not stored in files.
    unsigned averagesStarts = 0;

    // ---- energy ledger: booked by the step and by the operations below,
    // never read by a step
    CEnergyLedger ledger;

    // ---- display switches and graph
    bool stateDisplayFlag = simulationDefaults::kStateDisplay;
    bool energyDiffDisplayFlag = simulationDefaults::kEnergyDiffDisplay;
    bool numericDisplayFlag = simulationDefaults::kNumericDisplay;
    bool graphDisplayFlag = simulationDefaults::kGraphDisplay;
    bool axesShowFlag = simulationDefaults::kAxesShow;
    int displayTextSize = 0;
    double xmin = 0.0, xmax = simulationDefaults::kGraphXmax, ymin = 0.0, ymax = simulationDefaults::kGraphYmax;
    int histogramWidth = simulationDefaults::kHistogramWidth, histogramHeight = simulationDefaults::kHistogramHeight;

    // ---- speed meter
    double oldt = 0.0, newt = 0.0, oldi = 0.0, newi = 0.0, ips = 0.0;

    // ---- window
    int aspectRatioIndex = 0;
    float windowWidth = simulationDefaults::kWindowWidth, windowHeight = simulationDefaults::kWindowHeight;

    // ---- box
    double halfWidth = simulationDefaults::kBoxHalfWidth;
    bool boxShowFlag = simulationDefaults::kBoxShow;
    bool boxShowShadowFlag = simulationDefaults::kBoxShowShadow;
    bool boxFloorShowFlag = simulationDefaults::kBoxFloorShow;

    // ---- piston
    bool pistonUsed = simulationDefaults::kPistonUsed;
    double pistonZ = simulationDefaults::kBoxHalfWidth, pistonV = 0.0;
    double pistonA = simulationDefaults::kPistonAcceleration, pistonM = simulationDefaults::kPistonMass;
    double appliedPressure = simulationDefaults::kAppliedPressure;

    // ---- files
    std::string openPath, savePath, fileContent;

    // ---- selection's centroid: as calculateCentroid left it, and as saved
    // for the editing dialog to show
    CVector centroid, savedCentroid;

    // ---- scratch
    CVector tempv[kTypes][kMaxPerType];

    // ---- engine choice; the fast engine uses up to engineThreads (1 or 2).
    CEngineKind engineKind = simulationDefaults::kEngineKind;
    int engineThreads = 1;
};

class CSimulation : public CSimulationData {
public:
    std::unique_ptr<CFastEngine> fastEngine;  // made on first use
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

    // ---------------------------------------------------------------------
    // The desktop services used for alerts, panels and the clock. Not owned.
    explicit CSimulation(CPlatform& platform) : platform(&platform) {}
    CSimulation(const CSimulation&) = delete;
    CSimulation& operator=(const CSimulation&) = delete;
    void setPlatform(CPlatform& p) { platform = &p; }
    CPlatform& getPlatform() { return *platform; }

    // ---- state and defaults
    // The simulation a person meets first (CSimulationDefaults.h).
    CSimulation& initWithDefaults();
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
    const std::string& getName(int t) const { return name[t]; }
    void setName(int t, const std::string& text) { name[t] = text; }
    int getNumber(int t) const { return number[t]; }
    double getDiam(int t) const { return diam[t]; }
    const CVector& getLocation(int t, int i) const { return loc[t][i]; }
    const CVector& getVelocity(int t, int i) const { return vel[t][i]; }
    double getMass(int t) const { return mass[t]; }
    float getRed(int t) const { return red[t]; }
    float getGreen(int t) const { return green[t]; }
    float getBlue(int t) const { return blue[t]; }
    void setRed(int t, float c) { red[t] = c; }
    void setGreen(int t, float c) { green[t] = c; }
    void setBlue(int t, float c) { blue[t] = c; }
    bool getPotentialUsed() const { return potentialUsed; }
    double getLJeps(int i, int j) const { return LJeps[i][j]; }
    double getCharge(int t) const { return charge[t]; }
    bool getFloorPotentialUsed() const { return floorPotentialUsed; }
    double getLJepsFloor(int t) const { return LJepsFloor[t]; }
    bool getFloorTempUsed() const { return floorTempUsed; }
    void setFloorTempUsed(bool f) { floorTempUsed = f; }
    double getFloorTemp() const { return floorTemp; }
    bool setFloorTemp(double k);
    CRunState getRunState() const { return runState; }
    void setRunState(CRunState state) { runState = state; }
    double getRunTimerInterval() const { return runTimerInterval; }
    bool setRunTimerInterval(double s);
    double getTimeStep() const { return timeStep; }
    bool setTimeStep(double s);
    unsigned getIterations() const { return iterations; }
    double getElapsedTime() const { return elapsedTime; }
    CTimeUnit getTimeUnit() const { return timeUnit; }
    bool setTimeUnit(CTimeUnit u);
    unsigned getIPD() const { return iterationsPerDisplay; }
    bool setIPD(unsigned n);
    double getTotaldE() const { return tdE; }
    double getTotaldEPercent() const { return tdEPercent; }
    bool getConserve() const { return conserve; }
    double gettdENotConserved() const { return tdENotConserved; }
    void settdENotConserved(char value) { tdENotConserved = static_cast<double>(value); }
    int getDisplayType() const { return displayType; }
    bool setDisplayType(int s);
    double getDisplayTimeConstant() const { return displayTC; }
    bool setDisplayTimeConstant(double tc);
    CRecordKind getRecordType() const { return recordType; }
    unsigned getRecord() const { return record; }
    double getGraphXmax() const { return xmax; }
    double getGraphYmax() const { return ymax; }
    bool setGraphYmax(double y);
    double getGraphXmin() const { return xmin; }
    double getGraphYmin() const { return ymin; }
    bool getStateDisplayFlag() const { return stateDisplayFlag; }
    void setStateDisplayFlag(bool f) { stateDisplayFlag = f; }
    bool getEnergyDiffDisplayFlag() const { return energyDiffDisplayFlag; }
    void setEnergyDiffDisplayFlag(bool f) { energyDiffDisplayFlag = f; }
    bool getNumericDisplayFlag() const { return numericDisplayFlag; }
    void setNumericDisplayFlag(bool f) { numericDisplayFlag = f; }
    bool getGraphDisplayFlag() const { return graphDisplayFlag; }
    void setGraphDisplayFlag(bool f) { graphDisplayFlag = f; }
    bool getAxesShowFlag() const { return axesShowFlag; }
    void setAxesShowFlag(bool f) { axesShowFlag = f; }
    double getHistogram(int s, int b) const { return TCHistogram[s][b]; }
    int getHistogramWidth() const { return histogramWidth; }
    bool setHistogramWidth(int w);
    int getHistogramHeight() const { return histogramHeight; }
    bool setHistogramHeight(int h);
    int getDisplayTextSize() const { return displayTextSize; }
    void setDisplayTextSize(int s) { displayTextSize = s; }
    int getAspectRatioIndex() const { return aspectRatioIndex; }
    void setAspectRatioIndex(int i) { aspectRatioIndex = i; }
    float getWindowWidth() const { return windowWidth; }
    void setWindowWidth(float w) { windowWidth = w; }
    float getWindowHeight() const { return windowHeight; }
    void setWindowHeight(float h) { windowHeight = h; }
    void setWindowDims(float w, float h) { windowWidth = w; windowHeight = h; }

    double getKEnergy(int s) const { return KEnergy[s]; }
    double getPEnergy(int s) const { return PEnergy[s]; }
    double getTEnergy(int s) const { return TEnergy[s]; }
    double getPressure(int s) const { return pressure[s]; }
    double getTemperature(int s) const { return temperature[s]; }
    double getTCKEnergy(int s) const { return TCKEnergy[s]; }
    double getTCPEnergy(int s) const { return TCPEnergy[s]; }
    double getTCTEnergy(int s) const { return TCTEnergy[s]; }
    double getTCPressure(int s) const { return TCPressure[s]; }
    double getTCTemperature(int s) const { return TCTemperature[s]; }
    double getTCVolume() const { return TCVolume; }
    double getTCVms(int s) const { return TCavgvsq[s]; }
    double getTCVrms(int s) const { return sqrtTCavgvsq[s]; }
    double getIPS() const { return ips; }

    // ---- view forwarding
    const CView& getView() const { return View; }
    void setAngles(double phi, double theta) { View.setAngles(phi, theta); }
    void changeAngles(double dphi, double dtheta) { View.changeAngles(dphi, dtheta); }
    double getEyeR() const { return View.getEyeR(); }
    bool setEyeR(double r);
    double getEyePlaneR() const { return View.getEyePlaneR(); }
    bool setEyePlaneR(double r);
    double getScale() const { return View.getScale(); }
    bool setScale(double s);
    void setView(double phi, double theta, double eyeR, double eyePlaneR, double scale);

    // ---- setters with side effects
    bool setNumber(int t, int n);
    bool setDiam(int t, double d);
    bool setMass(int t, double m);
    void setPotentialUsed(bool f);
    bool setLJeps(int i, int j, double e);
    bool setCharge(int t, double q);
    void setFloorPotentialUsed(bool f);
    bool setLJepsFloor(int t, double e);
    void setConserve(bool c);
    bool setRecordType(CRecordKind r);
    bool setGraphXmax(double x);

    // ---- adding atoms, kinetic energy
    bool addOneAtom(int t);
    bool addOneAtomAtLocationWithVelocity(int t, double x, double y, double z, double vx, double vy, double vz);
    bool changeKEnergy(double deltaE);
    // The longest time step in which no type's atoms at their rms speed move
    // more than kLargestStepReach of their diameter, after a change of the
    // total kinetic energy by deltaE as changeKEnergy makes it; infinite when
    // nothing moves.
    double largestSoundTimeStep(double deltaE = 0.0) const;

    // ---- selection and editing
    void selectAll(char flag);
    void selectType(int t);
    // The stored mark: 1 selected, 0 not (a file may store other values).
    char getSelected(int t, int i) const { return sel[t][i]; }
    // A click on an atom: selected if it was not, and not if it was.
    void toggleSelection(CAtomRef atom);
    // Adds the atoms to the selection (those in a dragged rectangle).
    void selectAtoms(const std::vector<CAtomRef>& atoms);
    int countSelected();
    void saveSelectedLocations();
    void revertSelectedLocations();
    double getSelectedLocation(int axis) const;
    void setSelectedLocation(double x, double y, double z);
    double getSelectedVelocity(int axis) const;
    void setSelectedVelocity(int axis, double value);
    void calculateCentroid();
    void saveCentroid() { savedCentroid.copyFrom(centroid); }
    double getSelectedCentroid(int axis) const;
    void setSelectedCentroid(double x, double y, double z);
    void setSelectedCentroidVelocity(int axis, double value);
    void moveSelectedBy(float dx, float dy);
    // Answers false, with an alert and the atoms where they were, when the
    // clumped atoms could not be parted again.
    bool shiftSelectedAtomsToClump();
    void deleteSelected();

    // ---- refitting
    bool shiftAtomsToFit(int passes);
    // The same refit without the cells' shortcut: every pair, every pass.
    bool shiftAtomsToFitAllPairs(int passes);
    bool addOneAtomAtLocationWithShift(int t, double x, double y, double z);

    // ---- engine
    // One display of the run with a net under it: when the display ends with
    // a position, velocity or energy that is not a finite number, the atoms
    // go back to where they were at its start, getRunStopReason says what
    // happened and the answer is false.
    bool runDisplay();
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
    // The per-atom passes of a step, shared by both engines.
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
    void initEnergyDiffDisplay();
    void resetIPS();
    void calculateIPS();

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
    // momentum, and the speed histogram.
    void measureStateNow();
    // Averages that start afresh take the values measured now as their first
    // sample; with keepKnown, only those that are not finite (not carried by
    // a file just read) do.
    void startAveragesFromState(bool keepKnown);

    // ---- box and piston
    double getHalfWidth() const { return halfWidth; }
    bool setHalfWidth(double n);
    bool getBoxShowFlag() const { return boxShowFlag; }
    void setBoxShowFlag(bool f) { boxShowFlag = f; }
    bool getBoxFloorShowFlag() const { return boxFloorShowFlag; }
    void setBoxFloorShowFlag(bool f) { boxFloorShowFlag = f; }
    bool getBoxShowShadowFlag() const { return boxShowShadowFlag; }
    void setBoxShowShadowFlag(bool f) { boxShowShadowFlag = f; }
    bool getPistonUsed() const { return pistonUsed; }
    void setPistonUsed(bool f);
    double getAppliedPressure() const { return appliedPressure; }
    bool setAppliedPressure(double p);
    double getPistonMass() const { return pistonM; }
    bool setPistonMass(double m);
    double getPistonZ() const { return pistonZ; }
    void setPistonZ(double z)
    {
        UserChange change(*this);
        pistonZ = z;
    }
    double getPistonV() const { return pistonV; }
    void setPistonV(double v)
    {
        UserChange change(*this);
        pistonV = v;
    }

    // ---- simulation file
    void setOpenPath(const std::string& path) { openPath = path; }
    bool requestOpenPath();
    // Makes the file at openPath the current simulation, or says in an alert
    // why it cannot and changes nothing.
    bool readInputFile();
    // The same without the alert: answers why the file was refused (empty
    // when it was read), with notSimulation set when it was read but holds
    // no simulation.
    std::string loadInputFile(bool& notSimulation);
    bool requestSavePath();
    // The last part of a path, after its last '/'.
    static std::string fileNameOfPath(const std::string& path);
    void generateOutputFileContent();
    bool writeOutputFile();
    void applyFileLine(const CFileTag& tag, std::string_view line);

private:
    CPlatform* platform;
    unsigned stateRevision = 0;
    int userChangeDepth = 0;
    double userChangeBefore = 0.0;

    int showAlert(const char* title, const std::string& message, const std::vector<std::string>& buttons);
    void wallStep(CVector& atom, const CVector& partner, const CVector& first, const CVector& wallNormal, double d, bool& fitted);
    void wallStepsFor(CVector& atom, const CVector& partner, const CVector& first, double d, bool& fitted);
    void fitPair(int t, int i, int u, int j, bool& fitted);
    int clumpSweepLimit() const;
    bool fitAllPairs(int passes);
    bool commitFit(bool fitted);
    void clampAllAtomsIntoBox();
    void applyHeatBath(int t, int i);
    void collideWithPiston();
    double pistonForce() const { return pistonM * pistonA; }
    void reflectFromWalls(int t, int i, double limit, double f);
    void kineticEnergies(bool halfKick, double half);
    template <bool energies, bool speeds>
    void sumOverAtoms();
    double floorEnergyFromPosition(int t, int i) const;
    double pairEnergyFromPositions(int t, int i, int u, int j) const;
    void bookAddedAtom(int t, int i);
    static void reflectInCentreOfMassFrame(CVector& x, CVector& v, double tc, const CVector& centreOfMassVelocity,
                                           const CVector& contactNormal);
    void countSpeeds();
    void forgetOutputs();
    static std::vector<std::vector<std::string_view>> fileLinesByTag(std::string_view text);
    std::string atomsLargerThanTheBox(const std::vector<std::vector<std::string_view>>& linesOfTag);
    void appendFileLine(const CFileTag& tag, CTagAt at);
};
