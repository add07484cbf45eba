// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the simulation text file, written with fixed formats and
// read back tag by tag.
#include "CSimulation.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "CFileLine.h"

namespace {

// The tags in the order the reader applies them; lines of one tag are applied
// in file order, so a later line wins.
constexpr std::array<const char*, 65> kReadOrder = {
    "VPHI", "VTHE", "VEYE", "VEYP", "VSCA", "ANUM", "ADIA", "AMAS", "ACLR", "ACLG", "ACLB", "ANAM", "ALOC",
    "AVEL", "ASEL", "TTST", "TIPD", "TITR", "TETM", "TRNF", "TUNT", "TRTF", "UAPU", "UFPU", "ULJE", "UCHR",
    "ULJF", "UFTU", "UFTM", "ECSV", "DSDF", "DEDF", "DNDF", "DGDF", "DDTY", "DDTC", "DRCT", "DRCD", "DTCK",
    "DTCU", "DTCE", "DTCT", "DTCP", "DTCV", "DRMS", "DTCM", "DXMX", "DYMX", "DHIS", "DHWD", "DHHT", "DAXS",
    "DTSZ", "BHWD", "BSHO", "BSDW", "BFLR", "PUSE", "PLOC", "PVEL", "PMAS", "PAPP", "WARI", "WWID", "WHEI"};

int tagIndex(std::string_view line)
{
    if (line.size() < 4) return -1;
    for (size_t k = 0; k < kReadOrder.size(); k++)
        if (std::memcmp(line.data(), kReadOrder[k], 4) == 0) return static_cast<int>(k);
    return -1;
}

// A simulation file holds at least one line that starts with one of its tags
// and a space: other text (a host name, a list) is not taken for one.
bool holdsSimulationLine(std::string_view text)
{
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (line.size() > 4 && line[4] == ' ' && (tagIndex(line) >= 0 || line.starts_with("VERS"))) return true;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return false;
}

}  // namespace

// ---------------------------------------------------------------- panels

bool CSimulation::requestOpenPath()
{
    std::string chosen;
    if (!platform->openPanel("Open Simulation 'txt' File...", "txt", chosen)) return false;
    openPath = chosen;
    return true;
}

bool CSimulation::requestSavePath()
{
    std::string suggestedName = savePath.empty() ? "SIMULATION.txt" : fileNameOfPath(savePath);
    CSavePanelRequest request{"Save Simulation 'txt' File As...", "File Name: ", "txt", suggestedName};
    std::string chosen;
    if (!platform->savePanel(request, chosen)) return false;
    savePath = chosen;
    return true;
}

std::string CSimulation::fileNameOfPath(const std::string& path)
{
    size_t slash = path.rfind('/');
    return (slash == std::string::npos) ? path : path.substr(slash + 1);
}

// ---------------------------------------------------------------- writing

void CSimulation::generateOutputFileContent()
{
    std::string& out = fileContent;
    out.clear();
    out.reserve(4096 + 200 * static_cast<size_t>(totalAtoms));
    appendFormatC(out, "VERS %d\n", version);
    appendFormatC(out, "VPHI %.10e\n", View.getPhi());
    appendFormatC(out, "VTHE %.10e\n", View.getTheta());
    appendFormatC(out, "VEYE %.10e\n", View.getEyeR());
    appendFormatC(out, "VEYP %.10e\n", View.getEyePlaneR());
    appendFormatC(out, "VSCA %.10e\n", View.getScale());
    for (int t = 0; t < kTypes; t++) {
        appendFormatC(out, "ANUM %i %i\n", t, number[t]);
        appendFormatC(out, "ADIA %i %.10e\n", t, diam[t]);
        appendFormatC(out, "AMAS %i %.10e\n", t, mass[t]);
        appendFormatC(out, "ACLR %i %.2f\n", t, static_cast<double>(red[t]));
        appendFormatC(out, "ACLG %i %.2f\n", t, static_cast<double>(green[t]));
        appendFormatC(out, "ACLB %i %.2f\n", t, static_cast<double>(blue[t]));
        appendFormatC(out, "ANAM %i ", t);
        out += name[t];
        out += '\n';
        for (int i = 0; i < number[t]; i++) {
            const CVector& x = loc[t][i];
            const CVector& v = vel[t][i];
            appendFormatC(out, "ALOC %i %i %.10e %.10e %.10e\n", t, i, x.v[0], x.v[1], x.v[2]);
            appendFormatC(out, "AVEL %i %i %.10e %.10e %.10e\n", t, i, v.v[0], v.v[1], v.v[2]);
            appendFormatC(out, "ASEL %i %i %i\n", t, i, static_cast<int>(sel[t][i]));
        }
    }
    appendFormatC(out, "TTST %.10e\n", timeStep);
    appendFormatC(out, "TIPD %u\n", iterationsPerDisplay);
    appendFormatC(out, "TITR %u\n", iterations);
    appendFormatC(out, "TETM %.10e\n", elapsedTime);
    appendFormatC(out, "TRNF %i\n", modeIndex(runState));
    appendFormatC(out, "TUNT %i\n", modeIndex(timeUnit));
    appendFormatC(out, "TRTF %.10e\n", static_cast<double>(runTimerInterval));
    appendFormatC(out, "UAPU %i\n", static_cast<int>(potentialUsed));
    appendFormatC(out, "UFPU %i\n", static_cast<int>(floorPotentialUsed));
    for (int i = 0; i < kTypes; i++) {
        for (int j = i; j < kTypes; j++) appendFormatC(out, "ULJE %i %i %.10e\n", i, j, LJeps[i][j]);
        appendFormatC(out, "UCHR %i %.10e\n", i, charge[i]);
        appendFormatC(out, "ULJF %i %.10e\n", i, LJepsFloor[i]);
    }
    appendFormatC(out, "UFTU %i\n", static_cast<int>(floorTempUsed));
    appendFormatC(out, "UFTM %.10e\n", floorTemp);
    appendFormatC(out, "ECSV %i\n", static_cast<int>(conserve));
    appendFormatC(out, "DSDF %i\n", static_cast<int>(stateDisplayFlag));
    appendFormatC(out, "DEDF %i\n", static_cast<int>(energyDiffDisplayFlag));
    appendFormatC(out, "DNDF %i\n", static_cast<int>(numericDisplayFlag));
    appendFormatC(out, "DGDF %i\n", static_cast<int>(graphDisplayFlag));
    appendFormatC(out, "DDTY %i\n", displayType);
    appendFormatC(out, "DDTC %.10e\n", displayTC);
    appendFormatC(out, "DRCT %i\n", modeIndex(recordType));
    appendFormatC(out, "DRCD %u\n", record);
    for (int s = 0; s < kSlots; s++) {
        appendFormatC(out, "DTCK %i %.10e\n", s, TCKEnergy[s]);
        appendFormatC(out, "DTCU %i %.10e\n", s, TCPEnergy[s]);
        appendFormatC(out, "DTCE %i %.10e\n", s, TCTEnergy[s]);
        appendFormatC(out, "DTCT %i %.10e\n", s, TCTemperature[s]);
        appendFormatC(out, "DTCP %i %.10e\n", s, TCPressure[s]);
        appendFormatC(out, "DTCV %i %.10e\n", s, TCavgvsq[s]);
        appendFormatC(out, "DRMS %i %.10e\n", s, sqrtTCavgvsq[s]);
    }
    appendFormatC(out, "DTCM %.10e\n", TCVolume);
    appendFormatC(out, "DXMX %.10e\n", xmax);
    appendFormatC(out, "DYMX %.10e\n", ymax);
    for (int s = 0; s < kSlots; s++)
        for (int b = 0; b < kBins; b++) appendFormatC(out, "DHIS %i %i %.10e\n", s, b, TCHistogram[s][b]);
    appendFormatC(out, "DHWD %i\n", histogramWidth);
    appendFormatC(out, "DHHT %i\n", histogramHeight);
    appendFormatC(out, "DAXS %i\n", static_cast<int>(axesShowFlag));
    appendFormatC(out, "DTSZ %i\n", displayTextSize);
    appendFormatC(out, "BHWD %.10e\n", halfWidth);
    appendFormatC(out, "BSHO %i\n", static_cast<int>(boxShowFlag));
    appendFormatC(out, "BSDW %i\n", static_cast<int>(boxShowShadowFlag));
    appendFormatC(out, "BFLR %i\n", static_cast<int>(boxFloorShowFlag));
    appendFormatC(out, "PUSE %i\n", static_cast<int>(pistonUsed));
    appendFormatC(out, "PLOC %.10e\n", pistonZ);
    appendFormatC(out, "PVEL %.10e\n", pistonV);
    appendFormatC(out, "PMAS %.10e\n", pistonM);
    appendFormatC(out, "PAPP %.10e\n", appliedPressure);
    appendFormatC(out, "WARI %i\n", aspectRatioIndex);
    appendFormatC(out, "WWID %.2f\n", static_cast<double>(windowWidth));
    appendFormatC(out, "WHEI %.2f\n", static_cast<double>(windowHeight));
}

static bool isSevenBitText(const std::string& text)
{
    for (unsigned char c : text)
        if (c > 127) return false;
    return true;
}

// A "nan" or "inf" the number formats wrote, on any line but a type's name.
static bool holdsNonFiniteNumber(const std::string& text)
{
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.starts_with("ANAM") && (line.find("nan") != line.npos || line.find("inf") != line.npos)) return true;
        start = end + 1;
    }
    return false;
}

bool CSimulation::writeOutputFile()
{
    generateOutputFileContent();
    std::string failure;
    if (!isSevenBitText(fileContent))
        failure = "an atom-type name holds characters that are not 7-bit ASCII";
    else if (holdsNonFiniteNumber(fileContent))
        failure = "some of its values are not finite numbers, which no file can hold";
    else
        failure = writeFileAtomically(savePath, fileContent);
    fileContent.clear();
    fileContent.shrink_to_fit();
    if (failure.empty()) return true;
    showAlert("Alert.", formatC("The simulation could not be saved to \"%s\": %s.", savePath.c_str(), failure.c_str()),
              {"OK"});
    return false;
}

// ---------------------------------------------------------------- reading

bool CSimulation::readInputFile()
{
    bool notSimulation = false;
    std::string reason = loadInputFile(notSimulation);
    if (reason.empty()) return true;
    std::string message;
    if (notSimulation)
        message = formatC("The file \"%s\" is not a simulation file: %s.", openPath.c_str(), reason.c_str());
    else
        message = formatC("The file \"%s\" could not be read: %s.", openPath.c_str(), reason.c_str());
    showAlert("Alert.", message, {"OK"});
    return false;
}

std::string CSimulation::loadInputFile(bool& notSimulation)
{
    std::string text;
    std::string failure = readWholeFile(openPath, text);
    notSimulation = false;
    if (!failure.empty()) return failure;
    notSimulation = true;
    if (!isSevenBitText(text)) return "it is not 7-bit ASCII text";
    if (!holdsSimulationLine(text)) return "no line of it starts with a simulation tag such as ANUM or ALOC";
    notSimulation = false;
    fileContent.swap(text);
    // A file replaces the state: the ledger starts again instead of booking
    // the setters the reader calls.
    userChangeDepth++;
    forgetOutputs();
    extractInputFileContent();
    fileContent.clear();
    fileContent.shrink_to_fit();

    totalAtoms = number[0] + number[1] + number[2] + number[3];
    for (int t = 0; t < kTypes; t++) invm[t] = 1.0 / mass[t];
    // Atoms a file puts outside its box come in as the walls would bring them.
    foldAtomsIntoBox();
    initSimulationEnergies();
    setAppliedPressure(appliedPressure);
    resetIPS();
    // Averages come from steps: those of a file saved before its first step
    // are none, whatever it holds.
    measureStateNow();
    startAveragesFromState(iterations > 0);
    userChangeDepth--;
    restartLedger();
    averagesStarts++;
    return {};
}

// The outputs measured and averaged so far belong to the simulation a file
// replaces: the averages are marked unknown (a file that carries them sets
// them again) and the wall momentum of its last step is dropped.
void CSimulation::forgetOutputs()
{
    const double unknown = std::numeric_limits<double>::quiet_NaN();
    for (int s = 0; s < kSlots; s++) {
        dptot[s] = 0.0;
        TCKEnergy[s] = TCPEnergy[s] = TCTEnergy[s] = TCTemperature[s] = TCPressure[s] = unknown;
        TCavgvsq[s] = sqrtTCavgvsq[s] = unknown;
        for (int b = 0; b < kBins; b++) TCHistogram[s][b] = unknown;
    }
    TCVolume = unknown;
    record = 0;
}

void CSimulation::extractInputFileContent()
{
    // One pass over the text indexes the lines of every tag (a tag counts
    // only at the start of a line); the tags are then applied in their order.
    std::vector<std::vector<std::string_view>> linesOfTag(kReadOrder.size());
    std::string_view text(fileContent);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        size_t length = (end == std::string_view::npos) ? text.size() - start : end - start + 1;
        std::string_view line = text.substr(start, length);
        int tag = tagIndex(line);
        if (tag >= 0) linesOfTag[static_cast<size_t>(tag)].push_back(line);
        start += length;
    }
    for (size_t tag = 0; tag < kReadOrder.size(); tag++)
        for (std::string_view line : linesOfTag[tag]) applyFileLine(kReadOrder[tag], line);
}
