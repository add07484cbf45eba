// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the simulation file's tags. Values are stored straight into
// the state, as the file describes a whole state: the setters' side effects
// (refitting, restarting averages) would act on half of it. Setters that only
// store are used where they exist.
#include "SIM/io/CFileTags.h"

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CModelLimits.h"
#include "SIM/model/CSimulationDefaults.h"
#include "SIM/model/CSimulationState.h"

namespace {

using S = CSimulationState;
using valueRules::CRange;

// Switches stored as indices: each of their choices.
constexpr CRange kRunStates{0, 1, "(stopped, running)"};
constexpr CRange kTimeUnitChoices{0, valueRules::kTimeUnits - 1, "(seconds, steps)"};
constexpr CRange kSlotChoices{0, valueRules::kOutputSlots - 1, "(types A to D, all atoms)"};
constexpr CRange kRecordChoices{0, valueRules::kRecordTypes - 1, "(instant, time constant, accumulated)"};
constexpr CRange kTextSizeChoices{0, valueRules::kTextSizes - 1, "(small to large)"};
constexpr CRange kAspectRatioChoices{0, valueRules::kAspectRatios - 1, "(free, 1:1, 4:3, 16:9, 24:10)"};
constexpr CRange kAtomsPerType{0, modelLimits::kMaxPerType, "atoms"};
constexpr CRange kBoundaryChoices{0, 1, "(closed, periodic)"};

const CFileTag kLineTags[] = {
    {"VERS", CTagShape::Plain, CTagValue::Whole, nullptr, "%i", "version of the file format; not read",
     [](const S&, CTagAt) { return double(kFileFormatVersion); }, nullptr},
    {"VPHI", CTagShape::Plain, CTagValue::Real, nullptr, "%.10e", "view: azimuth of the eye (rad)",
     [](const S& s, CTagAt) { return s.display.View.getPhi(); }, [](S& s, CTagAt, double v) { s.display.View.setPhi(v); }},
    {"VTHE", CTagShape::Plain, CTagValue::Real, nullptr, "%.10e", "view: polar angle of the eye (rad)",
     [](const S& s, CTagAt) { return s.display.View.getTheta(); }, [](S& s, CTagAt, double v) { s.display.View.setTheta(v); }},
    {"VEYE", CTagShape::Plain, CTagValue::Real, &valueRules::kViewDistance, "%.10e", "view: distance of the eye",
     [](const S& s, CTagAt) { return s.display.View.getEyeR(); }, [](S& s, CTagAt, double v) { s.display.View.setEyeR(v); }},
    {"VEYP", CTagShape::Plain, CTagValue::Real, &valueRules::kViewDistance, "%.10e",
     "view: distance of the projection plane", [](const S& s, CTagAt) { return s.display.View.getEyePlaneR(); },
     [](S& s, CTagAt, double v) { s.display.View.setEyePlaneR(v); }},
    {"VSCA", CTagShape::Plain, CTagValue::Real, &valueRules::kViewScale, "%.10e", "view: scale of the picture",
     [](const S& s, CTagAt) { return s.display.View.getScale(); }, [](S& s, CTagAt, double v) { s.display.View.setScale(v); }},

    {"ANUM", CTagShape::Type, CTagValue::Count, &kAtomsPerType, "%i", "number of atoms of the type",
     [](const S& s, CTagAt a) { return double(s.atoms.number[a.index]); },
     [](S& s, CTagAt a, double v) { s.atoms.number[a.index] = static_cast<int>(v); }, true},
    {"ADIA", CTagShape::Type, CTagValue::Real, &valueRules::kDiameter, "%.10e", "diameter of the type's atoms",
     [](const S& s, CTagAt a) { return s.types.diam[a.index]; },
     [](S& s, CTagAt a, double v) { s.types.diam[a.index] = v; }, true},
    {"AMAS", CTagShape::Type, CTagValue::Real, &valueRules::kMass, "%.10e", "mass of the type's atoms",
     [](const S& s, CTagAt a) { return s.types.mass[a.index]; }, [](S& s, CTagAt a, double v) { s.types.mass[a.index] = v; }},
    {"ACLR", CTagShape::Type, CTagValue::Real, &valueRules::kColour, "%.2f", "red of the type's colour",
     [](const S& s, CTagAt a) { return double(s.types.red[a.index]); },
     [](S& s, CTagAt a, double v) { s.types.red[a.index] = static_cast<float>(v); }},
    {"ACLG", CTagShape::Type, CTagValue::Real, &valueRules::kColour, "%.2f", "green of the type's colour",
     [](const S& s, CTagAt a) { return double(s.types.green[a.index]); },
     [](S& s, CTagAt a, double v) { s.types.green[a.index] = static_cast<float>(v); }},
    {"ACLB", CTagShape::Type, CTagValue::Real, &valueRules::kColour, "%.2f", "blue of the type's colour",
     [](const S& s, CTagAt a) { return double(s.types.blue[a.index]); },
     [](S& s, CTagAt a, double v) { s.types.blue[a.index] = static_cast<float>(v); }},
    {"ANAM", CTagShape::Type, CTagValue::Text, nullptr, "%s", "name of the type", nullptr, nullptr, true},
    {"ALOC", CTagShape::Atom, CTagValue::Vector, nullptr, "%.10e", "position x y z of the atom (m)",
     [](const S& s, CTagAt a) { return s.atoms.loc[a.index][a.inner].v[a.axis]; },
     [](S& s, CTagAt a, double v) { s.atoms.loc[a.index][a.inner].v[a.axis] = v; }},
    {"AVEL", CTagShape::Atom, CTagValue::Vector, &valueRules::kVelocity, "%.10e", "velocity x y z of the atom",
     [](const S& s, CTagAt a) { return s.atoms.vel[a.index][a.inner].v[a.axis]; },
     [](S& s, CTagAt a, double v) { s.atoms.vel[a.index][a.inner].v[a.axis] = v; }},
    {"ASEL", CTagShape::Atom, CTagValue::Flag, nullptr, "%i", "whether the atom is selected",
     [](const S& s, CTagAt a) { return double(s.atoms.sel[a.index][a.inner]); },
     [](S& s, CTagAt a, double v) { s.atoms.sel[a.index][a.inner] = static_cast<char>(v); }},

    {"TTST", CTagShape::Plain, CTagValue::Real, &valueRules::kTimeStep, "%.10e", "time step",
     [](const S& s, CTagAt) { return s.clock.timeStep; }, [](S& s, CTagAt, double v) { s.clock.timeStep = v; }},
    {"TIPD", CTagShape::Plain, CTagValue::Unsigned, &valueRules::kStepsPerDisplay, "%u", "steps per display",
     [](const S& s, CTagAt) { return double(s.clock.iterationsPerDisplay); },
     [](S& s, CTagAt, double v) { s.clock.iterationsPerDisplay = static_cast<unsigned>(v); }},
    {"TITR", CTagShape::Plain, CTagValue::Unsigned, nullptr, "%u", "steps taken",
     [](const S& s, CTagAt) { return double(s.clock.iterations); },
     [](S& s, CTagAt, double v) { s.clock.iterations = static_cast<unsigned>(v); }},
    {"TETM", CTagShape::Plain, CTagValue::Real, nullptr, "%.10e", "simulated time elapsed (s)",
     [](const S& s, CTagAt) { return s.clock.elapsedTime; }, [](S& s, CTagAt, double v) { s.clock.elapsedTime = v; }},
    {"TRNF", CTagShape::Plain, CTagValue::Whole, &kRunStates, "%i", "whether the simulation runs",
     [](const S& s, CTagAt) { return double(modeIndex(s.clock.runState)); },
     [](S& s, CTagAt, double v) { s.clock.runState = static_cast<CRunState>(static_cast<int>(v)); }},
    {"TUNT", CTagShape::Plain, CTagValue::Whole, &kTimeUnitChoices, "%i", "unit of the time shown",
     [](const S& s, CTagAt) { return double(modeIndex(s.clock.timeUnit)); },
     [](S& s, CTagAt, double v) { s.clock.timeUnit = static_cast<CTimeUnit>(static_cast<int>(v)); }},
    {"TRTF", CTagShape::Plain, CTagValue::Real, &valueRules::kTimerInterval, "%.10e",
     "interval of the run timer", [](const S& s, CTagAt) { return double(s.clock.runTimerInterval); },
     [](S& s, CTagAt, double v) { s.clock.runTimerInterval = static_cast<float>(v); }},

    {"UAPU", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the atoms' potentials are used",
     [](const S& s, CTagAt) { return double(s.forces.potentialUsed); },
     [](S& s, CTagAt, double v) { s.forces.potentialUsed = v != 0.0; }},
    {"UFPU", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the floor's potential is used",
     [](const S& s, CTagAt) { return double(s.forces.floorPotentialUsed); },
     [](S& s, CTagAt, double v) { s.forces.floorPotentialUsed = v != 0.0; }},
    {"ULJE", CTagShape::TypePair, CTagValue::Real, &valueRules::kWellDepth, "%.10e",
     "Lennard-Jones well depth between the two types", [](const S& s, CTagAt a) { return s.forces.LJeps[a.index][a.inner]; },
     [](S& s, CTagAt a, double v) { s.forces.LJeps[a.index][a.inner] = v; }},
    {"UCHR", CTagShape::Type, CTagValue::Real, &valueRules::kCharge, "%.10e", "charge of the type's atoms",
     [](const S& s, CTagAt a) { return s.forces.charge[a.index]; },
     [](S& s, CTagAt a, double v) { s.forces.charge[a.index] = v; }, true},
    {"ULJF", CTagShape::Type, CTagValue::Real, &valueRules::kWellDepth, "%.10e",
     "Lennard-Jones well depth between the type and the floor",
     [](const S& s, CTagAt a) { return s.forces.LJepsFloor[a.index]; },
     [](S& s, CTagAt a, double v) { s.forces.LJepsFloor[a.index] = v; }},
    {"UFTU", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the floor's heat bath is used",
     [](const S& s, CTagAt) { return double(s.forces.floorTempUsed); },
     [](S& s, CTagAt, double v) { s.forces.floorTempUsed = v != 0.0; }},
    {"UFTM", CTagShape::Plain, CTagValue::Real, &valueRules::kFloorTemperature, "%.10e",
     "temperature of the heat bath", [](const S& s, CTagAt) { return s.forces.floorTemp; },
     [](S& s, CTagAt, double v) { s.forces.floorTemp = v; }},
    {"ECSV", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the total energy is conserved",
     [](const S& s, CTagAt) { return double(s.conservation.conserve); },
     [](S& s, CTagAt, double v) { s.conservation.conserve = v != 0.0; }},

    {"DSDF", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the state display is shown",
     [](const S& s, CTagAt) { return double(s.display.stateDisplayFlag); },
     [](S& s, CTagAt, double v) { s.display.stateDisplayFlag = v != 0.0; }},
    {"DEDF", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the energy difference is shown",
     [](const S& s, CTagAt) { return double(s.display.energyDiffDisplayFlag); },
     [](S& s, CTagAt, double v) { s.display.energyDiffDisplayFlag = v != 0.0; }},
    {"DNDF", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the measured values are shown",
     [](const S& s, CTagAt) { return double(s.display.numericDisplayFlag); },
     [](S& s, CTagAt, double v) { s.display.numericDisplayFlag = v != 0.0; }},
    {"DGDF", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the speed histogram is shown",
     [](const S& s, CTagAt) { return double(s.display.graphDisplayFlag); },
     [](S& s, CTagAt, double v) { s.display.graphDisplayFlag = v != 0.0; }},
    {"DDTY", CTagShape::Plain, CTagValue::Whole, &kSlotChoices, "%i", "atom type the displays show",
     [](const S& s, CTagAt) { return double(static_cast<int>(s.outputs.displayType)); },
     [](S& s, CTagAt, double v) { s.outputs.displayType = static_cast<int>(v); }},
    {"DDTC", CTagShape::Plain, CTagValue::Real, &valueRules::kTimeConstant, "%.10e",
     "time constant of the averages", [](const S& s, CTagAt) { return s.outputs.displayTC; },
     [](S& s, CTagAt, double v) { s.outputs.displayTC = v; }},
    {"DRCT", CTagShape::Plain, CTagValue::Whole, &kRecordChoices, "%i", "how the averages are taken",
     [](const S& s, CTagAt) { return double(modeIndex(s.outputs.recordType)); },
     [](S& s, CTagAt, double v) { s.outputs.recordType = static_cast<CRecordKind>(static_cast<int>(v)); }},
    {"DRCD", CTagShape::Plain, CTagValue::Unsigned, &valueRules::kAveragedDisplays, "%u",
     "displays in the accumulated averages", [](const S& s, CTagAt) { return double(s.outputs.record); },
     [](S& s, CTagAt, double v) { s.outputs.record = static_cast<unsigned>(v); }},
    {"DTCK", CTagShape::Slot, CTagValue::Real, nullptr, "%.10e", "average kinetic energy (J)",
     [](const S& s, CTagAt a) { return s.outputs.TCKEnergy[a.index]; },
     [](S& s, CTagAt a, double v) { s.outputs.TCKEnergy[a.index] = v; }},
    {"DTCU", CTagShape::Slot, CTagValue::Real, nullptr, "%.10e", "average potential energy (J)",
     [](const S& s, CTagAt a) { return s.outputs.TCPEnergy[a.index]; },
     [](S& s, CTagAt a, double v) { s.outputs.TCPEnergy[a.index] = v; }},
    {"DTCE", CTagShape::Slot, CTagValue::Real, nullptr, "%.10e", "average total energy (J)",
     [](const S& s, CTagAt a) { return s.outputs.TCTEnergy[a.index]; },
     [](S& s, CTagAt a, double v) { s.outputs.TCTEnergy[a.index] = v; }},
    {"DTCT", CTagShape::Slot, CTagValue::Real, nullptr, "%.10e", "average temperature (K)",
     [](const S& s, CTagAt a) { return s.outputs.TCTemperature[a.index]; },
     [](S& s, CTagAt a, double v) { s.outputs.TCTemperature[a.index] = v; }},
    {"DTCP", CTagShape::Slot, CTagValue::Real, nullptr, "%.10e", "average pressure (Pa)",
     [](const S& s, CTagAt a) { return s.outputs.TCPressure[a.index]; },
     [](S& s, CTagAt a, double v) { s.outputs.TCPressure[a.index] = v; }},
    {"DTCV", CTagShape::Slot, CTagValue::Real, nullptr, "%.10e", "average squared speed (m²/s²)",
     [](const S& s, CTagAt a) { return s.outputs.TCavgvsq[a.index]; },
     [](S& s, CTagAt a, double v) { s.outputs.TCavgvsq[a.index] = v; }},
    {"DRMS", CTagShape::Slot, CTagValue::Real, nullptr, "%.10e", "rms speed of the averages (m/s)",
     [](const S& s, CTagAt a) { return s.outputs.sqrtTCavgvsq[a.index]; },
     [](S& s, CTagAt a, double v) { s.outputs.sqrtTCavgvsq[a.index] = v; }},
    {"DTCM", CTagShape::Plain, CTagValue::Real, nullptr, "%.10e", "average volume (m³)",
     [](const S& s, CTagAt) { return s.outputs.TCVolume; }, [](S& s, CTagAt, double v) { s.outputs.TCVolume = v; }},
    {"DXMX", CTagShape::Plain, CTagValue::Real, &valueRules::kHistogramSpeed, "%.10e",
     "top speed of the histogram", [](const S& s, CTagAt) { return s.display.xmax; },
     [](S& s, CTagAt, double v) { s.display.xmax = v; }},
    {"DYMX", CTagShape::Plain, CTagValue::Real, &valueRules::kHistogramScale, "%.10e", "scale of the histogram",
     [](const S& s, CTagAt) { return s.display.ymax; }, [](S& s, CTagAt, double v) { s.display.ymax = v; }},
    {"DHIS", CTagShape::SlotBin, CTagValue::Real, nullptr, "%.10e", "averaged atoms in the speed bin",
     [](const S& s, CTagAt a) { return s.outputs.TCHistogram[a.index][a.inner]; },
     [](S& s, CTagAt a, double v) { s.outputs.TCHistogram[a.index][a.inner] = v; }},
    {"DHWD", CTagShape::Plain, CTagValue::Whole, &valueRules::kHistogramWidth, "%i", "width of the histogram",
     [](const S& s, CTagAt) { return double(s.display.histogramWidth); },
     [](S& s, CTagAt, double v) { s.display.histogramWidth = static_cast<int>(v); }},
    {"DHHT", CTagShape::Plain, CTagValue::Whole, &valueRules::kHistogramHeight, "%i", "height of the histogram",
     [](const S& s, CTagAt) { return double(s.display.histogramHeight); },
     [](S& s, CTagAt, double v) { s.display.histogramHeight = static_cast<int>(v); }},
    {"DAXS", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the axes are shown",
     [](const S& s, CTagAt) { return double(s.display.axesShowFlag); },
     [](S& s, CTagAt, double v) { s.display.axesShowFlag = v != 0.0; }},
    {"DTSZ", CTagShape::Plain, CTagValue::Whole, &kTextSizeChoices, "%i", "size of the displays' text",
     [](const S& s, CTagAt) { return double(s.display.displayTextSize); },
     [](S& s, CTagAt, double v) { s.display.displayTextSize = static_cast<int>(v); }},

    {"BHWD", CTagShape::Plain, CTagValue::Real, &valueRules::kBoxHalfWidth, "%.10e", "half the box's width",
     [](const S& s, CTagAt) { return s.box.halfWidth; }, [](S& s, CTagAt, double v) { s.box.halfWidth = v; }, true},
    {"BSHO", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the box is shown",
     [](const S& s, CTagAt) { return double(s.display.boxShowFlag); },
     [](S& s, CTagAt, double v) { s.display.boxShowFlag = v != 0.0; }},
    {"BSDW", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the shadows are shown",
     [](const S& s, CTagAt) { return double(s.display.boxShowShadowFlag); },
     [](S& s, CTagAt, double v) { s.display.boxShowShadowFlag = v != 0.0; }},
    {"BFLR", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the floor is shown",
     [](const S& s, CTagAt) { return double(s.display.boxFloorShowFlag); },
     [](S& s, CTagAt, double v) { s.display.boxFloorShowFlag = v != 0.0; }},
    {"PUSE", CTagShape::Plain, CTagValue::Flag, nullptr, "%i", "whether the piston is used",
     [](const S& s, CTagAt) { return double(s.box.pistonUsed); },
     [](S& s, CTagAt, double v) { s.box.pistonUsed = v != 0.0; }},
    {"PLOC", CTagShape::Plain, CTagValue::Real, nullptr, "%.10e", "height of the piston (m)",
     [](const S& s, CTagAt) { return s.box.pistonZ; }, [](S& s, CTagAt, double v) { s.box.pistonZ = v; }},
    {"PVEL", CTagShape::Plain, CTagValue::Real, &valueRules::kVelocity, "%.10e", "velocity of the piston",
     [](const S& s, CTagAt) { return s.box.pistonV; }, [](S& s, CTagAt, double v) { s.box.pistonV = v; }},
    {"PMAS", CTagShape::Plain, CTagValue::Real, &valueRules::kPistonMass, "%.10e", "mass of the piston",
     [](const S& s, CTagAt) { return s.box.pistonM; }, [](S& s, CTagAt, double v) { s.box.pistonM = v; }},
    {"PAPP", CTagShape::Plain, CTagValue::Real, &valueRules::kAppliedPressure, "%.10e",
     "pressure applied to the piston", [](const S& s, CTagAt) { return s.box.appliedPressure; },
     [](S& s, CTagAt, double v) { s.box.appliedPressure = v; }},

    {"WARI", CTagShape::Plain, CTagValue::Whole, &kAspectRatioChoices, "%i", "aspect ratio of the view",
     [](const S& s, CTagAt) { return double(s.display.aspectRatioIndex); },
     [](S& s, CTagAt, double v) { s.display.aspectRatioIndex = static_cast<int>(v); }},
    {"WWID", CTagShape::Plain, CTagValue::Real, &valueRules::kWindowExtent, "%.2f", "width of the window",
     [](const S& s, CTagAt) { return double(s.display.windowWidth); },
     [](S& s, CTagAt, double v) { s.display.windowWidth = static_cast<float>(v); }},
    {"WHEI", CTagShape::Plain, CTagValue::Real, &valueRules::kWindowExtent, "%.2f", "height of the window",
     [](const S& s, CTagAt) { return double(s.display.windowHeight); },
     [](S& s, CTagAt, double v) { s.display.windowHeight = static_cast<float>(v); }},
};

// Quorvel's own lines with no line of the format behind them. Each name
// starts with Q, which no tag of the format does, and holds no X: other
// readers find a tag's text anywhere in the file and mark what they read
// with XXXX.
const CFileTag kOwnTags[] = {
    // The two switches of the box and the pairs, written only when not at
    // their default. The atoms' image counts (how often each crossed a face
    // of a periodic box) are not stored: a file read starts the measurements
    // that follow atoms over time again, and they start from zero.
    {"QBND", CTagShape::Plain, CTagValue::Whole, &kBoundaryChoices, "%i",
     "kind of box: 0 closed (walls, floor, piston), 1 periodic; the atoms' image counts are not stored",
     [](const S& s, CTagAt) { return double(modeIndex(s.box.boundaries)); },
     [](S& s, CTagAt, double v) { s.box.boundaries = static_cast<CBoundaries>(static_cast<int>(v)); }, true, nullptr,
     false, double(modeIndex(simulationDefaults::kBoundaries))},
    {"QCNT", CTagShape::Plain, CTagValue::Flag, nullptr, "%i",
     "whether atoms make contact at their mean diameter (0: plain Lennard-Jones)",
     [](const S& s, CTagAt) { return double(s.forces.contactsUsed); },
     [](S& s, CTagAt, double v) { s.forces.contactsUsed = v != 0.0; }, false, nullptr, false,
     double(simulationDefaults::kContactsUsed)},
    {"QPAC", CTagShape::Plain, CTagValue::Real, nullptr, "%.16e",
     "acceleration the applied pressure gives the piston (m/s²)", [](const S& s, CTagAt) { return s.box.pistonA; },
     [](S& s, CTagAt, double v) { s.box.pistonA = v; }, false, nullptr, true},
    {"QNCE", CTagShape::Plain, CTagValue::Real, nullptr, "%.16e", "energy conservation could not take back (J)",
     [](const S& s, CTagAt) { return s.conservation.tdENotConserved; },
     [](S& s, CTagAt, double v) { s.conservation.tdENotConserved = v; }, false, nullptr, true},
    {"QREF", CTagShape::Atom, CTagValue::Real, nullptr, "%.16e",
     "energy of the atom that conservation keeps it to (J)", [](const S& s, CTagAt a) { return s.atoms.paTEnergy[a.index][a.inner]; },
     [](S& s, CTagAt a, double v) { s.atoms.paTEnergy[a.index][a.inner] = v; }, false, nullptr, true},
    {"QRND", CTagShape::Plain, CTagValue::Stream, nullptr, "%08x",
     "position of the random stream the heat bath and added atoms draw from", nullptr, nullptr},
    {"QSUM", CTagShape::Plain, CTagValue::Digest, nullptr, "%016llx",
     "digest of the lines above that are not Quorvel's own", nullptr, nullptr},
};

// Quorvel's own lines in the order they are written, after WHEI: the exact
// value of each line that the run reads and the ten digits round (the view,
// the colours, the window and the histogram's scale are not read by a step),
// then the values with no line of their own; the digest comes last.
struct COwnLine {
    const char* tag;
    const char* exactOf;  // nullptr: one of kOwnTags
};
constexpr COwnLine kOwnLines[] = {
    {"QBND", nullptr}, {"QCNT", nullptr}, {"QTST", "TTST"}, {"QETM", "TETM"}, {"QFTM", "UFTM"}, {"QDTC", "DDTC"}, {"QTCM", "DTCM"}, {"QHTP", "DXMX"},
    {"QHWD", "BHWD"}, {"QPLC", "PLOC"}, {"QPVL", "PVEL"}, {"QPMS", "PMAS"}, {"QPAP", "PAPP"}, {"QPAC", nullptr},
    {"QNCE", nullptr}, {"QDIA", "ADIA"}, {"QMAS", "AMAS"}, {"QCHR", "UCHR"}, {"QLJF", "ULJF"}, {"QLOC", "ALOC"},
    {"QVEL", "AVEL"}, {"QREF", nullptr}, {"QLJE", "ULJE"}, {"QTCK", "DTCK"}, {"QTCU", "DTCU"}, {"QTCE", "DTCE"},
    {"QTCT", "DTCT"}, {"QTCP", "DTCP"}, {"QTCV", "DTCV"}, {"QRMS", "DRMS"}, {"QHIS", "DHIS"}, {"QRND", nullptr},
    {"QSUM", nullptr},
};

template <size_t n>
const CFileTag& named(const CFileTag (&tags)[n], const char* tag)
{
    for (const CFileTag& t : tags)
        if (std::strcmp(t.tag, tag) == 0) return t;
    std::abort();  // a name of kOwnLines that is in neither table
}

// The whole table: the format's lines, then Quorvel's own.
const std::vector<CFileTag>& allTags()
{
    static const std::vector<CFileTag> tags = [] {
        std::vector<CFileTag> out(std::begin(kLineTags), std::end(kLineTags));
        out.reserve(out.size() + std::size(kOwnLines));
        for (const COwnLine& line : kOwnLines) {
            if (!line.exactOf) {
                out.push_back(named(kOwnTags, line.tag));
                continue;
            }
            CFileTag exact = named(kLineTags, line.exactOf);
            exact.tag = line.tag;
            exact.format = "%.16e";
            exact.holds = nullptr;  // the line's own, to 17 digits
            exact.fitChecked = false;
            exact.exactOf = &named(kLineTags, line.exactOf);
            out.push_back(exact);
        }
        // The lines they are exact for, as entries of this table.
        for (CFileTag& t : out)
            if (t.exactOf) t.exactOf = &out[static_cast<size_t>(t.exactOf - kLineTags)];
        return out;
    }();
    return tags;
}

// What a tag's rule accepts.
std::string ruleText(const CFileTag& t)
{
    using valueRules::shortNumber;
    if (!t.set) return "not read";
    const CRange* r = t.rule;
    switch (t.value) {
    case CTagValue::Flag: return "0 off, other on (the low byte is kept)";
    case CTagValue::Count:
        return shortNumber(r->low) + " or more " + r->unit + ", above " + shortNumber(r->high) + " taken as " +
               shortNumber(r->high);
    default: break;
    }
    std::string text = r ? shortNumber(r->low) + " to " + shortNumber(r->high) + " " + r->unit
                         : (t.value == CTagValue::Real || t.value == CTagValue::Vector ? "any finite number"
                                                                                      : "any whole number");
    if (t.value == CTagValue::Vector) text = "each " + text;
    if (t.value == CTagValue::Unsigned) text += " (its low 32 bits are read)";
    return text;
}

}  // namespace

const char* indicesOf(CTagShape shape)
{
    switch (shape) {
    case CTagShape::Plain: return "none";
    case CTagShape::Type: return "type 0-3";
    case CTagShape::Atom: return "type 0-3, atom 0-399";
    case CTagShape::TypePair: return "type 0-3, type 0-3";
    case CTagShape::Slot: return "slot 0-4";
    case CTagShape::SlotBin: return "slot 0-4, bin 0-39";
    }
    return "";
}

std::string acceptedValues(const CFileTag& t)
{
    switch (t.value) {
    case CTagValue::Text: return "the rest of the line";
    case CTagValue::Stream: return "32 words of the C library's random() table, where they describe one";
    case CTagValue::Digest: return "the values with no line of their own are taken where it matches";
    default: break;
    }
    if (t.exactOf) return std::string("as ") + t.exactOf->tag + ", where it rounds to the value of that line";
    if (t.afterState) return ruleText(t) + ", where QSUM matches";
    if (t.whenAbsent) return ruleText(t) + "; written where not " + valueRules::shortNumber(*t.whenAbsent) + ", which a file without it reads as";
    return ruleText(t);
}

std::span<const CFileTag> fileTags() { return allTags(); }

const CFileTag* fileTagOf(std::string_view line)
{
    if (line.size() < 4) return nullptr;
    for (const CFileTag& t : allTags())
        if (std::memcmp(line.data(), t.tag, 4) == 0) return &t;
    return nullptr;
}

bool tagAccepts(const CFileTag& tag, double value)
{
    if (tag.value == CTagValue::Count) return value >= tag.rule->low;
    if (tag.rule) return valueRules::within(value, *tag.rule);
    if (tag.value == CTagValue::Real || tag.value == CTagValue::Vector) return valueRules::finite(value);
    return true;
}

std::string fileFormatTable()
{
    std::string out = "| Tag | Indices | Holds | Values read |\n|---|---|---|---|\n";
    for (const CFileTag& t : allTags()) {
        std::string holds = t.exactOf ? std::string(t.exactOf->holds) + ", to 17 significant digits" : t.holds;
        out += std::string("| `") + t.tag + "` | " + indicesOf(t.shape) + " | " + holds + " | " + acceptedValues(t) +
               " |\n";
    }
    return out;
}

bool isOwnTag(const CFileTag& tag) { return tag.tag[0] == 'Q'; }

// FNV-1a over the lines, each with one line end whatever it had.
std::uint64_t fileDigest(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](char c) { hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull; };
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        const CFileTag* tag = fileTagOf(line);
        if (tag && !isOwnTag(*tag)) {
            for (char c : line) add(c);
            add('\n');
        }
        start = end + 1;
    }
    return hash;
}
