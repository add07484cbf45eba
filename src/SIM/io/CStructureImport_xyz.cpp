// SPDX-License-Identifier: GPL-3.0-or-later
// The extended XYZ reader: a frame's comment line (the box, the columns and
// Quorvel's own keys) and its atoms.
#include "SIM/io/CStructureImport.h"

#include <map>
#include <memory>

#include "BASE/CTextNumbers.h"
#include "SIM/build/CElements.h"
#include "SIM/io/CStructureRead.h"

using namespace structureRead;

namespace {

// The key=value pairs of a comment line; a value may be "quoted", with a
// backslash before a quote or a backslash it holds.
extendedXyz::CKeyValues keyValues(std::string_view line)
{
    extendedXyz::CKeyValues pairs;
    size_t k = 0;
    while (k < line.size()) {
        while (k < line.size() && isBlank(line[k])) k++;
        size_t start = k;
        while (k < line.size() && !isBlank(line[k]) && line[k] != '=') k++;
        std::string key(line.substr(start, k - start));
        std::string value;
        const bool paired = k < line.size() && line[k] == '=';
        if (paired) {
            k++;
            if (k < line.size() && (line[k] == '"' || line[k] == '\'')) {
                const char quote = line[k++];
                while (k < line.size() && line[k] != quote) {
                    if (line[k] == '\\' && k + 1 < line.size()) k++;
                    value += line[k++];
                }
                if (k < line.size()) k++;
            } else {
                start = k;
                while (k < line.size() && !isBlank(line[k])) k++;
                value = line.substr(start, k - start);
            }
        }
        if (!key.empty() && paired) {
            for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            pairs[key] = value;
        } else if (k < line.size()) {
            k++;
        }
    }
    return pairs;
}

// Where each wanted property starts among an atom line's words.
struct CColumns {
    int species = -1, pos = -1, velo = -1, type = -1, masses = -1;
    int words = 0;
};

std::string columnsOf(const std::string& properties, CColumns& columns)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= properties.size()) {
        size_t colon = properties.find(':', start);
        if (colon == std::string::npos) colon = properties.size();
        parts.push_back(properties.substr(start, colon - start));
        start = colon + 1;
    }
    if (parts.size() % 3 != 0) return "Properties= is not a list of name:type:count";
    for (size_t k = 0; k < parts.size(); k += 3) {
        long long count = 0;
        const std::string& kind = parts[k + 1];
        if (!wholeOf(parts[k + 2], count) || count < 1 || count > 64 ||
            (kind != "S" && kind != "R" && kind != "I" && kind != "L"))
            return "Properties= holds " + quoted(parts[k] + ":" + kind + ":" + parts[k + 2]) + ", not name:S|R|I|L:count";
        const std::string& name = parts[k];
        auto take = [&](int& at, const char* wantedKind, int wantedCount) {
            if (kind != wantedKind || count != wantedCount)
                return "the property " + name + formatC(" must be %s:%d", wantedKind, wantedCount);
            at = columns.words;
            return std::string();
        };
        std::string problem;
        if (name == "species") problem = take(columns.species, "S", 1);
        else if (name == "pos") problem = take(columns.pos, "R", 3);
        else if (name == "velo") problem = take(columns.velo, "R", 3);
        else if (name == "type" && kind == "S") problem = take(columns.type, "S", 1);
        else if (name == "masses") problem = take(columns.masses, "R", 1);
        if (!problem.empty()) return problem;
        columns.words += static_cast<int>(count);
    }
    if (columns.species < 0 || columns.pos < 0) return "Properties= has no species:S:1 or no pos:R:3";
    return {};
}

// The count line of a frame: answers false at the end of the text.
bool frameCount(CLines& lines, long long& count, std::string& refusal)
{
    std::string_view line;
    do {
        if (!lines.next(line)) return false;
    } while (wordsOf(line).empty());
    auto words = wordsOf(line);
    if (words.size() != 1 || !wholeOf(words[0], count) || count < 0) {
        refusal = atLine(lines.number(), "a frame must start with its number of atoms, not " + quoted(line));
        return false;
    }
    return true;
}

// The box, the columns and Quorvel's keys of a frame's comment line.
std::string readCommentLine(std::string_view line, CStructureRead& read, CColumns& columns)
{
    auto pairs = keyValues(line);
    auto lattice = pairs.find("lattice");
    if (lattice == pairs.end())
        return "no Lattice= gives the box: Quorvel's box has walls, so the file must say where they are. Add the "
               "box's edges in Angstrom to this line, e.g. Lattice=\"20 0 0 0 20 0 0 0 20\" for a cube 20 Angstrom "
               "wide from the origin (Origin=\"-10 -10 -10\" moves its corner)";
    auto cell = wordsOf(lattice->second);
    double m[9];
    if (cell.size() != 9) return "Lattice= needs nine numbers";
    for (int k = 0; k < 9; k++)
        if (!numberOf(cell[k], m[k])) return "Lattice= holds " + quoted(cell[k]) + ", not a number";
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++)
            if (r != c && m[3 * r + c] != 0.0) return "the box is not rectangular (Lattice= has a tilt)";
    if (!(m[0] > 0.0 && m[4] > 0.0 && m[8] > 0.0))
        return formatC("the box's edges, the 1st, 5th and 9th numbers of Lattice=, must be above 0 Angstrom, "
                       "not %.6g, %.6g and %.6g",
                       m[0], m[4], m[8]);
    for (int a = 0; a < 3; a++) {
        read.lo[a] = 0.0;
        read.hi[a] = m[4 * a];
    }
    if (auto origin = pairs.find("origin"); origin != pairs.end()) {
        auto words = wordsOf(origin->second);
        for (int a = 0; a < 3 && words.size() == 3; a++) {
            if (!numberOf(words[a], read.lo[a])) return "Origin= needs three numbers";
            read.hi[a] += read.lo[a];
        }
    }
    auto properties = pairs.find("properties");
    std::string problem = columnsOf(properties == pairs.end() ? "species:S:1:pos:R:3" : properties->second, columns);
    if (problem.empty()) problem = extendedXyz::readQuorvelKeys(pairs, read.quorvel);
    return problem;
}

// The element a species names, as chemistry writes its symbol; a word that
// spells one in another case is refused with the symbol it may have meant.
std::string elementOf(std::string_view species, const CElement*& element)
{
    element = elements::bySymbol(species);
    if (element) return {};
    std::string refusal = quoted(species) + " is not the symbol of an element";
    long long z = 0;
    constexpr long long kElements = sizeof elements::kTable / sizeof elements::kTable[0];
    if (const CElement* meant = elements::spelledLike(species))
        refusal += std::string(" (symbols are case-sensitive: did you mean \"") + meant->symbol + "\"?)";
    else if (wholeOf(species, z) && z >= 1 && z <= kElements)
        refusal += std::string(" (if it is an atomic number, write the symbol: \"") + elements::kTable[z - 1].symbol + "\")";
    return refusal;
}

// An atom's mass in the masses column (daltons, as ASE writes it): one for
// all atoms of a type.
std::string massOf(std::string_view word, CTypeRead& type, int t)
{
    double u = 0.0;
    if (!numberOf(word, u) || !(u > 0.0)) return quoted(word) + " is not a mass above 0";
    const double kg = elements::kilogramsOf(u);
    if (type.massKg > 0.0 && kg != type.massKg)
        return formatC("the atom's mass, %.9g u, differs from %.9g u of another of type %c; all atoms of a type "
                       "have one mass",
                       u, elements::daltonsOf(type.massKg), 'A' + t);
    type.massKg = kg;
    return {};
}

// After a frame's atoms comes the next frame's count line or the end: a line
// that reads as one more atom means the count is short of the atoms.
std::string atomsEnd(CLines lines, long long count, const CColumns& columns, int countLine)
{
    std::string_view line;
    do {
        if (!lines.next(line)) return {};
    } while (wordsOf(line).empty());
    auto words = wordsOf(line);
    long long n = 0;
    if (words.size() == 1 && wholeOf(words[0], n) && n >= 0) return {};
    if (static_cast<int>(words.size()) == columns.words)
        return atLine(lines.number(), formatC("one more atom line than the %lld that line %d gives the frame; the count "
                                              "must be the number of atom lines",
                                              count, countLine));
    return atLine(lines.number(), "a frame must start with its number of atoms, not " + quoted(line));
}

std::string readXyzFrame(CLines& lines, long long count, CStructureRead& read)
{
    const int countLine = lines.number();
    std::string_view line;
    if (!lines.next(line)) return atLine(lines.number() + 1, "the frame ends before its comment line");
    CColumns columns;
    std::string problem = readCommentLine(line, read, columns);
    if (!problem.empty()) return atLine(lines.number(), problem);

    std::map<std::string, int, std::less<>> typeOfSpecies;
    for (long long n = 0; n < count; n++) {
        if (!lines.next(line)) return atLine(lines.number() + 1, formatC("the frame ends after %lld of its %lld atoms", n, count));
        const int at = lines.number();
        auto words = wordsOf(line);
        if (static_cast<int>(words.size()) != columns.words)
            return atLine(at, formatC("an atom needs %d values as Properties= lists, not %zu", columns.words, words.size()));
        CAtomRead atom{0, {}, {}, at};
        for (int a = 0; a < 3; a++) {
            if (!numberOf(words[static_cast<size_t>(columns.pos + a)], atom.x[a]))
                return atLine(at, quoted(words[static_cast<size_t>(columns.pos + a)]) + " is not a position");
            if (columns.velo >= 0 && !numberOf(words[static_cast<size_t>(columns.velo + a)], atom.v[a]))
                return atLine(at, quoted(words[static_cast<size_t>(columns.velo + a)]) + " is not a velocity");
        }
        std::string_view species = words[static_cast<size_t>(columns.species)];
        const CElement* element = nullptr;
        if (problem = elementOf(species, element); !problem.empty()) return atLine(at, problem);
        if (columns.type >= 0) {
            std::string_view letter = words[static_cast<size_t>(columns.type)];
            if (letter.size() != 1 || letter[0] < 'A' || letter[0] >= 'A' + kTypes)
                return atLine(at, "the type " + quoted(letter) + " is not one of A, B, C and D");
            atom.type = letter[0] - 'A';
        } else {
            auto known = typeOfSpecies.find(species);
            if (known == typeOfSpecies.end()) {
                if (typeOfSpecies.size() == kTypes)
                    return atLine(at, "a fifth species, " + quoted(species) + "; Quorvel holds four types of atom");
                known = typeOfSpecies.emplace(std::string(species), static_cast<int>(typeOfSpecies.size())).first;
            }
            atom.type = known->second;
        }
        CTypeRead& type = read.types[atom.type];
        if (!type.used) {
            type.used = true;
            type.label = std::string(species);
            type.element = element;
        }
        if (columns.masses >= 0)
            if (problem = massOf(words[static_cast<size_t>(columns.masses)], type, atom.type); !problem.empty())
                return atLine(at, problem);
        if (problem = countAtom(read, atom.type, at); !problem.empty()) return problem;
        if (problem = outsideBox(read, atom.x, at); !problem.empty()) return problem;
        read.atoms.push_back(atom);
    }
    return atomsEnd(lines, count, columns, countLine);
}

}  // namespace

int structureImport::extendedXyzFrames(std::string_view text)
{
    CLines lines(text);
    std::string_view line;
    int frames = 0;
    long long count = 0;
    std::string refusal;
    while (frameCount(lines, count, refusal)) {
        if (!lines.next(line)) break;
        long long n = 0;
        while (n < count && lines.next(line)) n++;
        if (n < count) break;
        frames++;
    }
    return frames;
}

std::string structureImport::buildFromExtendedXyz(std::string_view text, int frame, CSimulation& scratch,
                                                  std::string& notice)
{
    CLines lines(text);
    std::string_view line;
    long long count = 0;
    for (int k = 0;; k++) {
        std::string refusal;
        if (!frameCount(lines, count, refusal)) {
            if (!refusal.empty()) return refusal;
            return k == 0 ? "the file holds no frame" : formatC("the file has %d frames; frame %d was asked for", k, frame + 1);
        }
        if (count > CSimulation::kMaxAtoms)
            return atLine(lines.number(), formatC("%lld atoms; Quorvel holds at most %d", count, CSimulation::kMaxAtoms));
        if (k == frame) break;
        for (long long n = 0; n <= count; n++)
            if (!lines.next(line)) return atLine(lines.number(), formatC("frame %d ends early", k + 1));
    }
    auto read = std::make_unique<CStructureRead>();
    const int countLine = lines.number();
    std::string refusal = readXyzFrame(lines, count, *read);
    if (refusal.empty()) refusal = buildScratch(*read, countLine + 1, scratch, notice);
    return refusal;
}
