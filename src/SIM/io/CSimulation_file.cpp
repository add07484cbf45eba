// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the simulation text file, written with fixed formats and
// read back tag by tag.
#include "SIM/model/CSimulation.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>
#include <span>
#include <string_view>

#include "BASE/CAtomicFile.h"
#include "BASE/CRandomStream.h"
#include "BASE/CTextNumbers.h"
#include "SIM/io/CFileLine.h"
#include "SIM/io/CFileTags.h"

namespace {

// Tags of one atom type (or slot) are written together, type by type.
bool sameBlock(CTagShape a, CTagShape b)
{
    auto block = [](CTagShape shape) {
        switch (shape) {
        case CTagShape::Type:
        case CTagShape::Atom:
        case CTagShape::TypePair: return 1;
        case CTagShape::Slot:
        case CTagShape::SlotBin: return 2;
        case CTagShape::Plain: break;
        }
        return 0;
    };
    return block(a) != 0 && block(a) == block(b);
}

// A simulation file holds at least one line that starts with one of its tags
// and a space: other text (a host name, a list) is not taken for one.
bool holdsSimulationLine(std::string_view text)
{
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (line.size() > 4 && line[4] == ' ' && fileTagOf(line)) return true;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return false;
}

// Whether the file's last digest line is the digest of its lines that are
// not Quorvel's own: none of them was edited, added or taken away since it
// was written.
template <class Lines>
bool digestAgrees(std::string_view text, const Lines& linesOfTag)
{
    std::span<const CFileTag> tags = fileTags();
    for (size_t k = 0; k < tags.size(); k++) {
        if (tags[k].value != CTagValue::Digest || linesOfTag[k].empty()) continue;
        CLineFields f(linesOfTag[k].back().text);
        std::uint64_t digest = 0;
        return f.size() == 2 && f.hex(1, 16, digest) && digest == fileDigest(text);
    }
    return false;
}

}  // namespace

// ---------------------------------------------------------------- paths

std::string CSimulation::fileNameOfPath(const std::string& path)
{
    size_t slash = path.rfind('/');
    return (slash == std::string::npos) ? path : path.substr(slash + 1);
}

// ---------------------------------------------------------------- writing

void CSimulation::appendFileLine(const CFileTag& tag, CTagAt at)
{
    std::string& out = fileContent;
    if (tag.whenAbsent && tag.get(*this, at) == *tag.whenAbsent) return;
    if (tag.value == CTagValue::Stream || tag.value == CTagValue::Digest) {
        appendOwnValue(tag);
        return;
    }
    out.append(tag.tag, 4);
    switch (tag.shape) {
    case CTagShape::Plain: break;
    case CTagShape::Type:
    case CTagShape::Slot: appendFormatC(out, " %i", at.index); break;
    case CTagShape::Atom:
    case CTagShape::TypePair:
    case CTagShape::SlotBin: appendFormatC(out, " %i %i", at.index, at.inner); break;
    }
    out += ' ';
    switch (tag.value) {
    case CTagValue::Real: appendFormatC(out, tag.format, tag.get(*this, at)); break;
    case CTagValue::Vector:
        for (at.axis = 0; at.axis < 3; at.axis++) {
            if (at.axis > 0) out += ' ';
            appendFormatC(out, tag.format, tag.get(*this, at));
        }
        break;
    case CTagValue::Whole:
    case CTagValue::Count:
    case CTagValue::Flag: appendFormatC(out, tag.format, static_cast<int>(tag.get(*this, at))); break;
    case CTagValue::Unsigned: appendFormatC(out, tag.format, static_cast<unsigned>(tag.get(*this, at))); break;
    case CTagValue::Text: out += getName(at.index); break;
    case CTagValue::Stream:
    case CTagValue::Digest: break;  // appendOwnValue's
    }
    out += '\n';
}

// Where the random stream stands (nothing where no line can say it), and the
// digest of the lines written before.
void CSimulation::appendOwnValue(const CFileTag& tag)
{
    std::string& out = fileContent;
    if (tag.value == CTagValue::Digest) {
        unsigned long long digest = fileDigest(out);
        out.append(tag.tag, 4);
        out += ' ';
        appendFormatC(out, tag.format, digest);
        out += '\n';
        return;
    }
    randomStream::CWords words;
    if (!randomStream::capture(words)) return;
    out.append(tag.tag, 4);
    for (std::uint32_t word : words) {
        out += ' ';
        appendFormatC(out, tag.format, static_cast<unsigned>(word));
    }
    out += '\n';
}

// The writer goes down the table: a run of tags of one atom type (or of one
// slot) is written type by type, and within it the tags of each atom (or
// pair, or bin) atom by atom.
void CSimulation::generateOutputFileContent()
{
    fileContent.clear();
    fileContent.reserve(4096 + 200 * static_cast<size_t>(atoms.totalAtoms));
    std::span<const CFileTag> tags = fileTags();
    for (size_t blockStart = 0; blockStart < tags.size();) {
        size_t blockEnd = blockStart + 1;
        while (blockEnd < tags.size() && sameBlock(tags[blockStart].shape, tags[blockEnd].shape)) blockEnd++;
        CTagShape shape = tags[blockStart].shape;
        int count = shape == CTagShape::Plain ? 1 : (shape == CTagShape::Slot || shape == CTagShape::SlotBin) ? kSlots
                                                                                                            : kTypes;
        for (int index = 0; index < count; index++)
            for (size_t runStart = blockStart; runStart < blockEnd;) {
                size_t runEnd = runStart + 1;
                CTagShape inner = tags[runStart].shape;
                while (runEnd < blockEnd && tags[runEnd].shape == inner) runEnd++;
                int from = inner == CTagShape::TypePair ? index : 0;
                int to = inner == CTagShape::Atom       ? getNumber(index)
                         : inner == CTagShape::TypePair ? kTypes
                         : inner == CTagShape::SlotBin  ? kBins
                                                        : 1;
                for (int j = from; j < to; j++)
                    for (size_t k = runStart; k < runEnd; k++) appendFileLine(tags[k], {index, j, 0});
                runStart = runEnd;
            }
        blockStart = blockEnd;
    }
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

COutcome CSimulation::writeOutputFile()
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
    if (failure.empty()) return {};
    return COutcome::refused("Alert.", formatC("The simulation could not be saved to \"%s\": %s.", savePath.c_str(), failure.c_str()));
}

// ---------------------------------------------------------------- reading

COutcome CSimulation::readInputFile()
{
    bool notSimulation = false;
    std::string reason = loadInputFile(notSimulation);
    if (reason.empty()) return {};
    std::string message;
    if (notSimulation)
        message = formatC("The file \"%s\" is not a simulation file: %s.", openPath.c_str(), reason.c_str());
    else
        message = formatC("The file \"%s\" could not be read: %s.", openPath.c_str(), reason.c_str());
    return COutcome::refused("Alert.", message);
}

std::string CSimulation::loadInputFile(bool& notSimulation)
{
    skippedLines.clear();
    std::string text;
    std::string failure = readWholeFile(openPath, text);
    notSimulation = false;
    if (!failure.empty()) return failure;
    notSimulation = true;
    if (!isSevenBitText(text)) return "it is not 7-bit ASCII text";
    if (!holdsSimulationLine(text)) return "no line of it starts with a simulation tag such as ANUM or ALOC";
    notSimulation = false;
    CLinesOfTag linesOfTag = fileLinesByTag(text);
    std::string unfit = unfitFileState(linesOfTag);
    if (!unfit.empty()) return unfit;
    // A file replaces the state: the ledger starts again instead of booking
    // the setters the reader calls.
    userChangeDepth++;
    forgetOutputs();
    takeAbsentSwitches();
    applyFileLines(linesOfTag, false);
    // The file holds no image counts: the atoms start from where they are.
    for (auto& perType : atoms.image)
        for (auto& counts : perType) std::fill(std::begin(counts), std::end(counts), 0);

    atoms.totalAtoms = atoms.number[0] + atoms.number[1] + atoms.number[2] + atoms.number[3];
    for (int t = 0; t < kTypes; t++) types.invm[t] = 1.0 / types.mass[t];
    // Atoms a file puts outside its box come in as the walls would bring them.
    foldAtomsIntoBox();
    initSimulationEnergies();
    setAppliedPressure(box.appliedPressure);
    // A run saved as it stood goes on as it would have: the energies
    // conservation keeps each atom to, what it could not take back and the
    // piston's acceleration (which keeps the box width it was set with) come
    // from the file, where its other lines are as they were written.
    if (digestAgrees(text, linesOfTag)) {
        applyFileLines(linesOfTag, true);
        double change = 0.0;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < atoms.number[t]; i++) {
                atoms.dE[t][i] = atoms.aTEnergy[t][i] - atoms.paTEnergy[t][i];
                change += atoms.dE[t][i];
            }
        conservation.tdE = change;
    }
    std::stable_sort(skippedLines.begin(), skippedLines.end(),
                     [](const CSkippedLine& a, const CSkippedLine& b) { return a.number < b.number; });
    resetIPS();
    // Averages come from steps: those of a file saved before its first step
    // are none, whatever it holds.
    measureStateNow();
    startAveragesFromState(clock.iterations > 0);
    userChangeDepth--;
    restartLedger();
    outputs.averagesStarts++;
    origin = newOrigin();
    return {};
}

// The lines of each tag of the table (those with no line of their own, or
// the others), tag by tag; the ones skipped, with why.
void CSimulation::applyFileLines(const CLinesOfTag& linesOfTag, bool afterState)
{
    constexpr size_t kLongestShown = 80;
    std::span<const CFileTag> tags = fileTags();
    for (size_t k = 0; k < tags.size(); k++) {
        if (tags[k].afterState != afterState) continue;
        for (const CNumberedLine& line : linesOfTag[k]) {
            std::string reason = applyFileLine(tags[k], line.text);
            if (reason.empty()) continue;
            std::string_view shown = line.text;
            while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r')) shown.remove_suffix(1);
            std::string cut(shown.substr(0, kLongestShown));
            if (shown.size() > kLongestShown) cut += "...";
            skippedLines.push_back({line.number, std::move(cut), std::move(reason)});
        }
    }
}

std::string skippedLinesHeading(std::size_t count)
{
    return count == 1 ? "1 line was skipped, and what it sets is left as it was"
                      : formatC("%zu lines were skipped, and what they set is left as it was", count);
}

std::vector<std::string> skippedLineNotes(const std::vector<CSkippedLine>& skipped)
{
    std::vector<std::string> notes;
    for (size_t k = 0; k < skipped.size() && k < kSkippedLinesShown; k++)
        notes.push_back(formatC("line %d \"%s\": %s", skipped[k].number, skipped[k].text.c_str(), skipped[k].reason.c_str()));
    if (skipped.size() > kSkippedLinesShown) notes.push_back(formatC("and %zu more", skipped.size() - kSkippedLinesShown));
    return notes;
}

// The outputs measured and averaged so far belong to the simulation a file
// replaces: the averages are marked unknown (a file that carries them sets
// them again) and the wall momentum of its last step is dropped.
void CSimulation::forgetOutputs()
{
    const double unknown = std::numeric_limits<double>::quiet_NaN();
    for (int s = 0; s < kSlots; s++) {
        outputs.dptot[s] = 0.0;
        outputs.TCKEnergy[s] = outputs.TCPEnergy[s] = outputs.TCTEnergy[s] = outputs.TCTemperature[s] = outputs.TCPressure[s] = unknown;
        outputs.TCavgvsq[s] = outputs.sqrtTCavgvsq[s] = unknown;
        for (int b = 0; b < kBins; b++) outputs.TCHistogram[s][b] = unknown;
    }
    outputs.TCVolume = unknown;
    outputs.record = 0;
}

// The lines of each tag of the table, in file order (a tag counts only at
// the start of a line).
CSimulation::CLinesOfTag CSimulation::fileLinesByTag(std::string_view text)
{
    std::span<const CFileTag> tags = fileTags();
    CLinesOfTag linesOfTag(tags.size());
    size_t start = 0;
    for (int number = 1; start < text.size(); number++) {
        size_t end = text.find('\n', start);
        size_t length = (end == std::string_view::npos) ? text.size() - start : end - start + 1;
        std::string_view line = text.substr(start, length);
        if (const CFileTag* tag = fileTagOf(line))
            linesOfTag[static_cast<size_t>(tag - tags.data())].push_back({line, number});
        start += length;
    }
    return linesOfTag;
}

// Why the state the whole file would leave cannot be: atoms that cannot fit
// their box, or a periodic box its atoms cannot have (charged, or a cut-off
// that reaches half the box); empty when it can. The tags the question reads
// are tried on the state and put back, so a refused file changes nothing;
// the reader meets diameters before the box, so no single line can be
// refused for it.
std::string CSimulation::unfitFileState(const CLinesOfTag& linesOfTag)
{
    int keptNumber[kTypes];
    double keptDiam[kTypes], keptCharge[kTypes];
    std::copy(atoms.number, atoms.number + kTypes, keptNumber);
    std::copy(types.diam, types.diam + kTypes, keptDiam);
    std::copy(forces.charge, forces.charge + kTypes, keptCharge);
    double keptHalfWidth = box.halfWidth;
    CBoundaries keptBoundaries = box.boundaries;
    bool keptContacts = forces.contactsUsed;
    std::string keptName[kTypes];
    std::copy(types.name, types.name + kTypes, keptName);
    takeAbsentSwitches();
    std::span<const CFileTag> tags = fileTags();
    for (size_t k = 0; k < tags.size(); k++)
        if (tags[k].fitChecked)
            for (const CNumberedLine& line : linesOfTag[k]) applyFileLine(tags[k], line.text);
    std::string unfit;
    for (int t = 0; t < kTypes && unfit.empty(); t++)
        if (atoms.number[t] > 0 && types.diam[t] > 2.0 * box.halfWidth)
            unfit = formatC("atoms of type %c%s%s%s are %.2e m across, larger than the box, which is %.2e m wide",
                            'A' + t, types.name[t].empty() ? "" : " (", types.name[t].c_str(), types.name[t].empty() ? "" : ")",
                            types.diam[t], 2.0 * box.halfWidth);
    if (unfit.empty() && isPeriodic())
        if (COutcome periodic = periodicBoxRefusal(); !periodic) {
            std::string reason = periodic.message();
            if (!reason.empty() && reason.back() == '.') reason.pop_back();
            unfit = "it asks for a periodic box. " + reason;
        }
    std::copy(keptNumber, keptNumber + kTypes, atoms.number);
    std::copy(keptDiam, keptDiam + kTypes, types.diam);
    std::copy(keptCharge, keptCharge + kTypes, forces.charge);
    box.halfWidth = keptHalfWidth;
    box.boundaries = keptBoundaries;
    forces.contactsUsed = keptContacts;
    std::move(keptName, keptName + kTypes, types.name);
    return unfit;
}

// The switches a file without their lines reads as their default.
void CSimulation::takeAbsentSwitches()
{
    for (const CFileTag& tag : fileTags())
        if (tag.whenAbsent && tag.set) tag.set(*this, {}, *tag.whenAbsent);
}
