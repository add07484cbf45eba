// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/io/CStructureImport.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "SIM/build/CElements.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CSimulationDefaults.h"
#include "SIM/io/CStructureRead.h"
#include "SIM/model/CValueRules.h"

using namespace structureRead;

namespace {

// The cube the atoms are put in: the box when it is one, otherwise the
// largest cube inside it that holds every atom.
std::string cubeOf(const CStructureRead& read, int boxLine, double corner[3], double& edge, std::string& notice)
{
    double size[3];
    for (int a = 0; a < 3; a++) size[a] = read.hi[a] - read.lo[a];
    for (int a = 0; a < 3; a++)
        if (!(size[a] > 0.0)) return atLine(boxLine, "the box has no volume");
    edge = std::min({size[0], size[1], size[2]});
    const double largest = std::max({size[0], size[1], size[2]});
    for (int a = 0; a < 3; a++) corner[a] = read.lo[a];
    if (largest - edge <= 1e-12 * largest) return {};
    const std::string sizes = formatC("%.6g x %.6g x %.6g Angstrom", size[0], size[1], size[2]);
    for (int a = 0; a < 3; a++) {
        double low = read.hi[a], high = read.lo[a];
        for (const CAtomRead& atom : read.atoms) {
            low = std::min(low, atom.x[a]);
            high = std::max(high, atom.x[a]);
        }
        if (read.atoms.empty()) low = high = read.lo[a];
        if (high - low > edge)
            return atLine(boxLine, "the box is " + sizes + ", not a cube, and its atoms do not fit in a cube inside it");
        corner[a] = std::clamp(low, read.lo[a], read.hi[a] - edge);
        // A centre on the cube's far face stays inside it.
        if (high > corner[a] + edge) corner[a] = high - edge;
    }
    notice = "The box is " + sizes + ", not a cube; every atom fits in a cube of " + formatC("%.6g", edge) +
             " Angstrom inside it, which is used.";
    return {};
}

bool isXyzCountLine(std::string_view line)
{
    auto words = wordsOf(line);
    long long n = 0;
    return words.size() == 1 && wholeOf(words[0], n) && n >= 0;
}

bool isDataHeaderLine(std::string_view line)
{
    auto words = wordsOf(withoutComment(line));
    long long n = 0;
    return (words.size() == 2 && words[1] == "atoms" && wholeOf(words[0], n)) ||
           (words.size() == 4 && words[2] == "xlo" && words[3] == "xhi");
}

// The elements of a file that Quorvel has no Lennard-Jones parameters for
// meet as hard spheres: said, so that no one takes them for the element's
// own forces.
void noteElementsWithoutWells(const CStructureRead& read, const CElementPotential* const potential[],
                              std::string& notice)
{
    std::vector<std::string> names;
    for (int t = 0; t < kTypes; t++)
        if (read.types[t].used && read.types[t].element && !potential[t]) names.push_back(read.types[t].element->name);
    if (names.empty()) return;
    std::string list = names[0];
    for (size_t k = 1; k < names.size(); k++) list += (k + 1 < names.size() ? ", " : " and ") + names[k];
    if (!notice.empty()) notice += " ";
    notice += "Quorvel knows no Lennard-Jones well for " + list + ": " + (names.size() > 1 ? "their" : "its") +
              formatC(" atoms are hard spheres of the default diameter, %.3g Angstrom, without a well.",
                      lammps::lengthOf(simulationDefaults::kDiameter));
}

// A frame Quorvel wrote brings back every type's parameters as they were.
void takeQuorvelKeys(const extendedXyz::CQuorvelKeys& keys, CSimulation& scratch)
{
    for (int t = 0; t < kTypes; t++) {
        if (keys.given) scratch.setName(t, keys.names[t]);
        if (keys.hasDiameters) scratch.setDiam(t, keys.diameters[t]);
        if (keys.hasCharges) scratch.setCharge(t, keys.charges[t]);
        for (int u = 0; u < kTypes && keys.hasWells; u++) scratch.setLJeps(t, u, keys.wells[t][u]);
    }
    if (keys.hasPotential) scratch.setPotentialUsed(keys.potentialUsed);
}

// The run goes on from the frame's step and time.
void takeClock(const extendedXyz::CQuorvelKeys& keys, CSimulation& scratch)
{
    auto state = std::make_unique<CSimulationState>(scratch.state());
    state->clock.iterations = keys.step;
    state->clock.elapsedTime = keys.time;
    scratch.restoreState(*state);
}

}  // namespace

std::string structureRead::buildScratch(const CStructureRead& read, int boxLine, CSimulation& scratch, std::string& notice)
{
    double corner[3] = {}, edge = 0.0;
    std::string refusal = cubeOf(read, boxLine, corner, edge, notice);
    if (!refusal.empty()) return refusal;
    const double halfWidth = edge * lammps::kAngstrom / 2.0;
    if (!valueRules::isBoxHalfWidth(halfWidth))
        return atLine(boxLine, formatC("a box %.6g Angstrom wide is outside what Quorvel simulates: ", edge) +
                                   valueRules::rangeMessage("the box's width", valueRules::kBoxWidth));

    scratch.initWithDefaults();
    for (int t = 0; t < kTypes; t++) scratch.setNumber(t, 0);
    // The view frames the box as a new simulation's frames its own (the eye
    // stays outside the box at every step of the change).
    const double zoom = halfWidth / scratch.getHalfWidth();
    const double eye = scratch.getEyeR() * zoom, plane = scratch.getEyePlaneR() * zoom;
    if (zoom > 1.0) scratch.setEyeR(eye);
    scratch.setEyePlaneR(plane);
    scratch.setHalfWidth(halfWidth);
    scratch.setEyeR(eye);
    scratch.setScale(scratch.getScale() / zoom);
    const CElementPotential* potential[kTypes] = {};
    bool anyPotential = false, anyCharge = false;
    for (int t = 0; t < kTypes; t++) {
        const CTypeRead& type = read.types[t];
        if (!type.used) continue;
        const double kg = type.massKg > 0.0 ? type.massKg : type.element ? elements::kilogramsOf(type.element->weight) : 0.0;
        if (kg > 0.0 && !scratch.setMass(t, kg))
            return formatC("the atoms of type %c have a mass of %.6g u: ", 'A' + t, elements::daltonsOf(kg)) +
                   valueRules::rangeMessage("the mass of an atom", valueRules::kMass);
        if (!scratch.setCharge(t, type.chargeE * lammps::kElectronVolt))
            return formatC("the atoms of type %c carry a charge of %.6g e: ", 'A' + t, type.chargeE) +
                   valueRules::rangeMessage("the charge of an atom", valueRules::kCharge);
        anyCharge = anyCharge || type.chargeE != 0.0;
        scratch.setName(t, type.element ? type.element->name : type.label);
        potential[t] = type.element ? elements::potentialOf(*type.element) : nullptr;
        if (potential[t]) {
            scratch.setDiam(t, potential[t]->diameter);
            anyPotential = true;
        }
    }
    // Known wells between the types by the Lorentz-Berthelot rule.
    for (int t = 0; t < kTypes; t++)
        for (int u = 0; u < kTypes; u++)
            if (potential[t] && potential[u]) {
                double depth = std::sqrt(potential[t]->wellDepth * potential[u]->wellDepth);
                scratch.setLJeps(t, u, depth);
            }
    if (anyPotential || anyCharge) scratch.setPotentialUsed(true);
    if (!read.quorvel.given) noteElementsWithoutWells(read, potential, notice);
    takeQuorvelKeys(read.quorvel, scratch);
    for (int t = 0; t < kTypes; t++)
        if (read.types[t].used && scratch.getDiam(t) > edge * lammps::kAngstrom)
            return formatC("the atoms of type %c are %.3g Angstrom across, wider than the box", 'A' + t,
                           lammps::lengthOf(scratch.getDiam(t)));

    const double centre[3] = {corner[0] + edge / 2.0, corner[1] + edge / 2.0, corner[2] + edge / 2.0};
    for (const CAtomRead& atom : read.atoms) {
        double x[3], v[3];
        for (int a = 0; a < 3; a++) {
            x[a] = (atom.x[a] - centre[a]) * lammps::kAngstrom;
            v[a] = atom.v[a] * lammps::kAngstrom / lammps::kPicosecond;
            if (!valueRules::within(v[a], valueRules::kVelocity))
                return atLine(atom.line, valueRules::rangeMessage("each component of a velocity", valueRules::kVelocity));
        }
        scratch.addOneAtomAtLocationWithVelocity(atom.type, x[0], x[1], x[2], v[0], v[1], v[2]);
    }
    if (read.quorvel.given) takeClock(read.quorvel, scratch);
    return {};
}

CFileKind structureImport::kindOfText(std::string_view text)
{
    CLines lines(text);
    std::string_view line;
    bool first = true;
    // A data file's header comes within its first lines, after the title.
    for (int k = 0; k < 40 && lines.next(line); k++) {
        if (first && !wordsOf(line).empty()) {
            first = false;
            if (isXyzCountLine(line)) return CFileKind::extendedXyz;
            if (k > 0 && isDataHeaderLine(line)) return CFileKind::lammpsData;
            continue;
        }
        if (k > 0 && isDataHeaderLine(line)) return CFileKind::lammpsData;
    }
    return CFileKind::simulation;
}

structureImport::COpened structureImport::openAnyFile(CSimulation& live, const std::string& path,
                                                      const std::function<int(int)>& chooseFrame)
{
    COpened opened;
    std::string text;
    opened.refusal = readWholeFile(path, text);
    if (!opened.refusal.empty()) return opened;
    opened.kind = kindOfText(text);
    if (opened.kind == CFileKind::simulation) {
        live.setOpenPath(path);
        bool notSimulation = false;
        opened.refusal = live.loadInputFile(notSimulation);
        if (notSimulation)
            opened.refusal = std::string(kNotAFileQuorvelReads) + ": " + opened.refusal;
        return opened;
    }
    // The scratch's setters are given only values checked before, or checked
    // after (a diameter wider than the box): what they answer is not shown.
    CClock systemClock;
    auto scratch = std::make_unique<CSimulation>(systemClock);
    if (opened.kind == CFileKind::extendedXyz) {
        int frames = extendedXyzFrames(text);
        int frame = chooseFrame ? chooseFrame(frames) : 0;
        if (frame < 0) {
            opened.refusal = kNoFrameChosen;
            return opened;
        }
        opened.refusal = buildFromExtendedXyz(text, frame, *scratch, opened.notice);
    } else {
        opened.refusal = buildFromLammpsData(text, *scratch, opened.notice);
    }
    if (!opened.refusal.empty()) return opened;
    scratch->setOpenPath(path);
    live.adoptState(*scratch);
    // The readouts start from the state read, as for a simulation file.
    live.measureStateNow();
    live.startAveragesFromState(false);
    return opened;
}
