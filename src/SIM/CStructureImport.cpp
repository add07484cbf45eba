// SPDX-License-Identifier: GPL-3.0-or-later
#include "CStructureImport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "CElements.h"
#include "CLammpsExport.h"
#include "CSimulation.h"
#include "CValueRules.h"

namespace {

constexpr int kTypes = CSimulation::kTypes;
constexpr int kMaxPerType = CSimulation::kMaxPerType;

// The text's lines, numbered from 1, split into words.
class CLines {
public:
    explicit CLines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line)
    {
        if (at_ >= text_.size()) return false;
        size_t end = text_.find('\n', at_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(at_, end - at_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        at_ = end + 1;
        number_++;
        return true;
    }
    int number() const { return number_; }

private:
    std::string_view text_;
    size_t at_ = 0;
    int number_ = 0;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t k = 0;
    while (k < line.size()) {
        while (k < line.size() && isBlank(line[k])) k++;
        size_t start = k;
        while (k < line.size() && !isBlank(line[k])) k++;
        if (k > start) words.push_back(line.substr(start, k - start));
    }
    return words;
}

// A whole word as a finite number, in any locale.
bool numberOf(std::string_view word, double& out)
{
    if (!word.empty() && word[0] == '+') word.remove_prefix(1);
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), out);
    return error == std::errc() && end == word.data() + word.size() && std::isfinite(out);
}

bool wholeOf(std::string_view word, long long& out)
{
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), out);
    return error == std::errc() && end == word.data() + word.size();
}

std::string atLine(int line, const std::string& reason) { return formatC("line %d: ", line) + reason; }

std::string quoted(std::string_view word)
{
    constexpr size_t kShown = 40;
    std::string shown(word.substr(0, kShown));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
    return "\"" + shown + (word.size() > kShown ? "...\"" : "\"");
}

// ---------------------------------------------------------------- the structure read

struct CAtomRead {
    int type;
    double x[3];  // Angstrom, in the file's frame
    double v[3];  // Angstrom/ps
    int line;
};

struct CTypeRead {
    bool used = false;
    const CElement* element = nullptr;  // what the file says the atoms are
    std::string label;                  // the file's own word for them
    double massGramsPerMole = 0.0;      // 0: the element's
    double chargeE = 0.0;
    int count = 0;
};

struct CStructureRead {
    CTypeRead types[kTypes];
    std::vector<CAtomRead> atoms;
    double lo[3] = {}, hi[3] = {};  // the box, Angstrom
};

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

// Makes the structure scratch's state: the types' parameters, the box and the atoms.
std::string buildScratch(const CStructureRead& read, int boxLine, CSimulation& scratch, std::string& notice)
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
        double grams = type.massGramsPerMole > 0.0 ? type.massGramsPerMole : type.element ? type.element->mass : 0.0;
        if (grams > 0.0 && !scratch.setMass(t, elements::kilogramsOf(grams)))
            return formatC("the atoms of type %d have a mass of %.6g g/mol: ", t + 1, grams) +
                   valueRules::rangeMessage("the mass of an atom", valueRules::kMass);
        if (!scratch.setCharge(t, type.chargeE * lammps::kElectronVolt))
            return formatC("the atoms of type %d carry a charge of %.6g e: ", t + 1, type.chargeE) +
                   valueRules::rangeMessage("the charge of an atom", valueRules::kCharge);
        anyCharge = anyCharge || type.chargeE != 0.0;
        scratch.setName(t, type.element ? type.element->name : type.label);
        potential[t] = type.element ? elements::potentialOf(*type.element) : nullptr;
        if (potential[t]) {
            scratch.setDiam(t, potential[t]->diameter);
            anyPotential = true;
        }
        if (scratch.getDiam(t) > edge * lammps::kAngstrom)
            return formatC("the atoms of type %c are %.3g Angstrom across, wider than the box", 'A' + t,
                           lammps::lengthOf(scratch.getDiam(t)));
    }
    // Known wells between the types by the Lorentz-Berthelot rule.
    for (int t = 0; t < kTypes; t++)
        for (int u = 0; u < kTypes; u++)
            if (potential[t] && potential[u]) {
                double depth = std::sqrt(potential[t]->wellDepth * potential[u]->wellDepth);
                scratch.setLJeps(t, u, depth);
            }
    if (anyPotential || anyCharge) scratch.setPotentialUsed(true);

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
    return {};
}

// An atom of type t more: refused beyond a type's limit.
std::string countAtom(CStructureRead& read, int t, int line)
{
    if (++read.types[t].count > kMaxPerType)
        return atLine(line, formatC("a %dth atom of type %c; a type holds at most %d", kMaxPerType + 1, 'A' + t,
                                    kMaxPerType));
    return {};
}

std::string outsideBox(const CStructureRead& read, const double x[3], int line)
{
    for (int a = 0; a < 3; a++)
        if (x[a] < read.lo[a] || x[a] > read.hi[a])
            return atLine(line, formatC("the atom at (%.6g, %.6g, %.6g) Angstrom is outside the box", x[0], x[1], x[2]));
    return {};
}

// ---------------------------------------------------------------- extended XYZ

// The key=value pairs of a comment line; a value may be "quoted".
std::map<std::string, std::string, std::less<>> keyValues(std::string_view line)
{
    std::map<std::string, std::string, std::less<>> pairs;
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
                char quote = line[k++];
                size_t close = line.find(quote, k);
                if (close == std::string_view::npos) close = line.size();
                value = line.substr(k, close - k);
                k = close < line.size() ? close + 1 : close;
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
    int species = -1, pos = -1, velo = -1, type = -1;
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

std::string readXyzFrame(CLines& lines, long long count, CStructureRead& read)
{
    std::string_view line;
    if (!lines.next(line)) return atLine(lines.number() + 1, "the frame ends before its comment line");
    const int commentLine = lines.number();
    auto pairs = keyValues(line);
    auto lattice = pairs.find("lattice");
    if (lattice == pairs.end()) return atLine(commentLine, "no Lattice=\"...\" gives the box");
    auto cell = wordsOf(lattice->second);
    double m[9];
    if (cell.size() != 9) return atLine(commentLine, "Lattice= needs nine numbers");
    for (int k = 0; k < 9; k++)
        if (!numberOf(cell[k], m[k])) return atLine(commentLine, "Lattice= holds " + quoted(cell[k]) + ", not a number");
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++)
            if (r != c && m[3 * r + c] != 0.0)
                return atLine(commentLine, "the box is not rectangular (Lattice= has a tilt)");
    for (int a = 0; a < 3; a++) {
        read.lo[a] = 0.0;
        read.hi[a] = m[4 * a];
    }
    if (auto origin = pairs.find("origin"); origin != pairs.end()) {
        auto words = wordsOf(origin->second);
        for (int a = 0; a < 3 && words.size() == 3; a++) {
            if (!numberOf(words[a], read.lo[a])) return atLine(commentLine, "Origin= needs three numbers");
            read.hi[a] += read.lo[a];
        }
    }
    CColumns columns;
    auto properties = pairs.find("properties");
    std::string problem = columnsOf(properties == pairs.end() ? "species:S:1:pos:R:3" : properties->second, columns);
    if (!problem.empty()) return atLine(commentLine, problem);

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
            type.label = std::string(species.substr(0, CSimulation::kMaxNameLength));
            type.element = elements::bySymbol(species);
        }
        if (problem = countAtom(read, atom.type, at); !problem.empty()) return problem;
        if (problem = outsideBox(read, atom.x, at); !problem.empty()) return problem;
        read.atoms.push_back(atom);
    }
    return {};
}

// ---------------------------------------------------------------- LAMMPS data

// A line without its comment, and the comment.
std::string_view withoutComment(std::string_view line, std::string_view* comment = nullptr)
{
    size_t hash = line.find('#');
    if (comment) *comment = hash == std::string_view::npos ? std::string_view() : line.substr(hash + 1);
    return hash == std::string_view::npos ? line : line.substr(0, hash);
}

bool startsWithLetter(const std::vector<std::string_view>& words)
{
    return !words.empty() && std::isalpha(static_cast<unsigned char>(words[0][0]));
}

std::string sectionName(const std::vector<std::string_view>& words)
{
    std::string name;
    for (auto w : words) name += (name.empty() ? "" : " ") + std::string(w);
    return name;
}

struct CDataReader {
    explicit CDataReader(CStructureRead& into) : read(into) {}
    CStructureRead& read;
    long long atomsDeclared = -1, typesDeclared = -1;
    bool boxGiven[3] = {};
    int boxLine = 0;
    std::map<long long, size_t> atomOfId;
    bool chargeSeen[kTypes] = {};

    std::string header(const std::vector<std::string_view>& w, int at)
    {
        long long n = 0;
        double a = 0.0, b = 0.0, c = 0.0;
        if (w.size() == 2 && w[1] == "atoms" && wholeOf(w[0], n)) {
            if (n < 0 || n > CSimulation::kMaxAtoms)
                return atLine(at, formatC("%lld atoms; Quorvel holds at most %d", n, CSimulation::kMaxAtoms));
            atomsDeclared = n;
        } else if (w.size() == 3 && w[1] == "atom" && w[2] == "types" && wholeOf(w[0], n)) {
            if (n < 1 || n > kTypes) return atLine(at, formatC("%lld atom types; Quorvel holds one to four", n));
            typesDeclared = n;
        } else if (w.size() == 4 && numberOf(w[0], a) && numberOf(w[1], b) && w[2].size() == 3 && w[3].size() == 3 &&
                   w[2][0] == w[3][0] && w[2][0] >= 'x' && w[2][0] <= 'z' && w[2].substr(1) == "lo" &&
                   w[3].substr(1) == "hi") {
            int axis = w[2][0] - 'x';
            read.lo[axis] = a;
            read.hi[axis] = b;
            boxGiven[axis] = true;
            boxLine = at;
        } else if (w.size() == 6 && w[3] == "xy" && numberOf(w[0], a) && numberOf(w[1], b) && numberOf(w[2], c)) {
            if (a != 0.0 || b != 0.0 || c != 0.0) return atLine(at, "the box is not rectangular (it is tilted)");
        } else if (w.size() >= 2 && wholeOf(w[0], n) && n == 0) {
            // "0 bonds", "0 bond types" and the like: nothing Quorvel lacks.
        } else if (w.size() >= 2 && wholeOf(w[0], n)) {
            return atLine(at, "the file has " + sectionName(w) + "; Quorvel holds single atoms only");
        } else {
            return atLine(at, quoted(sectionName(w)) + " is not a header line of a LAMMPS data file");
        }
        return {};
    }

    int typeOf(std::string_view word)
    {
        long long t = 0;
        if (!wholeOf(word, t) || t < 1 || t > typesDeclared) return -1;
        return static_cast<int>(t - 1);
    }

    std::string masses(const std::vector<std::string_view>& w, std::string_view comment, int at)
    {
        int t = typeOf(w[0]);
        double grams = 0.0;
        if (w.size() != 2 || t < 0 || !numberOf(w[1], grams) || !(grams > 0.0))
            return atLine(at, "a mass line is a type from 1 to the atom types and a mass above 0");
        read.types[t].massGramsPerMole = grams;
        // "1 39.948 # Ar" names the element; otherwise a mass within a
        // part in a thousand of an element's is taken for it.
        auto words = wordsOf(comment);
        const CElement* named = words.empty() ? nullptr : elements::bySymbol(words[0]);
        const CElement& nearest = elements::nearestInMass(grams);
        read.types[t].element = named ? named : std::fabs(nearest.mass - grams) <= 1e-3 * grams ? &nearest : nullptr;
        return {};
    }

    std::string atom(const std::vector<std::string_view>& w, bool charged, int at)
    {
        const size_t fields = charged ? 6 : 5;
        if (w.size() != fields && w.size() != fields + 3)
            return atLine(at, formatC("an atom line of style %s holds %zu or %zu values, not %zu",
                                      charged ? "charge" : "atomic", fields, fields + 3, w.size()));
        long long id = 0;
        int t = typeOf(w[1]);
        if (!wholeOf(w[0], id) || id < 1) return atLine(at, quoted(w[0]) + " is not an atom id");
        if (t < 0) return atLine(at, quoted(w[1]) + formatC(" is not an atom type from 1 to %lld", typesDeclared));
        double q = 0.0;
        if (charged && !numberOf(w[2], q)) return atLine(at, quoted(w[2]) + " is not a charge");
        CAtomRead atom{t, {}, {}, at};
        const size_t first = charged ? 3 : 2;
        for (int a = 0; a < 3; a++)
            if (!numberOf(w[first + static_cast<size_t>(a)], atom.x[a]))
                return atLine(at, quoted(w[first + static_cast<size_t>(a)]) + " is not a position");
        for (size_t k = first + 3; k < w.size(); k++)
            if (w[k] != "0") return atLine(at, "the atom has image flags, as in a periodic box; Quorvel's box has walls");
        CTypeRead& type = read.types[t];
        if (chargeSeen[t] && q != type.chargeE)
            return atLine(at, formatC("the atom's charge, %.6g e, differs from %.6g e of another of type %d; "
                                      "all atoms of a type carry one charge",
                                      q, type.chargeE, t + 1));
        chargeSeen[t] = true;
        type.chargeE = q;
        type.used = true;
        if (!atomOfId.emplace(id, read.atoms.size()).second) return atLine(at, formatC("a second atom with id %lld", id));
        if (static_cast<long long>(read.atoms.size()) >= atomsDeclared)
            return atLine(at, formatC("more atoms than the %lld the header gives", atomsDeclared));
        std::string problem = countAtom(read, t, at);
        if (problem.empty()) problem = outsideBox(read, atom.x, at);
        if (!problem.empty()) return problem;
        read.atoms.push_back(atom);
        return {};
    }

    std::string velocity(const std::vector<std::string_view>& w, int at)
    {
        long long id = 0;
        if (w.size() != 4 || !wholeOf(w[0], id)) return atLine(at, "a velocity line is an atom id and three numbers");
        auto found = atomOfId.find(id);
        if (found == atomOfId.end()) return atLine(at, formatC("a velocity for atom %lld, which the Atoms do not hold", id));
        for (int a = 0; a < 3; a++)
            if (!numberOf(w[1 + static_cast<size_t>(a)], read.atoms[found->second].v[a]))
                return atLine(at, quoted(w[1 + static_cast<size_t>(a)]) + " is not a velocity");
        return {};
    }

    std::string readAll(std::string_view text)
    {
        CLines lines(text);
        std::string_view line, comment;
        lines.next(line);  // the title
        enum class Section { header, masses, atoms, velocities } section = Section::header;
        bool charged = false, styleKnown = false, atomsSeen = false;
        while (lines.next(line)) {
            const int at = lines.number();
            auto words = wordsOf(withoutComment(line, &comment));
            if (words.empty()) continue;
            if (startsWithLetter(words)) {
                const std::string name = sectionName(words);
                if (atomsDeclared < 0 || typesDeclared < 0 || !boxGiven[0] || !boxGiven[1] || !boxGiven[2])
                    return atLine(at, "the header must give the atoms, the atom types and xlo xhi, ylo yhi, zlo zhi "
                                      "before " + quoted(name));
                if (name == "Masses") {
                    section = Section::masses;
                } else if (name == "Atoms") {
                    if (atomsSeen) return atLine(at, "a second Atoms section");
                    atomsSeen = true;
                    section = Section::atoms;
                    auto style = wordsOf(comment);
                    styleKnown = !style.empty();
                    if (styleKnown && style[0] != "atomic" && style[0] != "charge")
                        return atLine(at, "atom style " + quoted(style[0]) + "; Quorvel reads the styles atomic and charge");
                    charged = styleKnown && style[0] == "charge";
                } else if (name == "Velocities") {
                    if (!atomsSeen) return atLine(at, "Velocities before Atoms");
                    section = Section::velocities;
                } else {
                    return atLine(at, "a section " + quoted(name) + "; Quorvel reads Masses, Atoms and Velocities");
                }
                continue;
            }
            std::string problem;
            switch (section) {
            case Section::header: problem = header(words, at); break;
            case Section::masses: problem = masses(words, comment, at); break;
            case Section::atoms:
                if (!styleKnown) {
                    // No style named: told by the number of values, as atomic or charge.
                    charged = words.size() == 6 || words.size() == 9;
                    styleKnown = true;
                }
                problem = atom(words, charged, at);
                break;
            case Section::velocities: problem = velocity(words, at); break;
            }
            if (!problem.empty()) return problem;
        }
        if (!atomsSeen && atomsDeclared > 0) return atLine(lines.number(), "the file has no Atoms section");
        if (static_cast<long long>(read.atoms.size()) != atomsDeclared)
            return atLine(lines.number(), formatC("the Atoms section holds %zu atoms, the header %lld",
                                                  read.atoms.size(), atomsDeclared));
        for (int t = 0; t < kTypes; t++)
            if (read.types[t].used && read.types[t].massGramsPerMole <= 0.0)
                return atLine(lines.number(), formatC("no mass is given for atom type %d", t + 1));
        return {};
    }
};

// ---------------------------------------------------------------- detection

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

// Answers alerts with their default button and keeps them: the scratch's
// setters are given only values checked before, so none is expected.
class CQuietPlatform : public CPlatform {
public:
    int alert(const std::string&, const std::string&, const std::vector<std::string>&) override { return 0; }
    bool openPanel(const std::string&, const std::string&, std::string&) override { return false; }
    bool savePanel(const CSavePanelRequest&, std::string&) override { return false; }
    bool folderPanel(const std::string&, std::string&) override { return false; }
};

}  // namespace

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

std::string structureImport::buildFromLammpsData(std::string_view text, CSimulation& scratch, std::string& notice)
{
    auto read = std::make_unique<CStructureRead>();
    CDataReader reader(*read);
    std::string refusal = reader.readAll(text);
    if (refusal.empty()) refusal = buildScratch(*read, reader.boxLine, scratch, notice);
    return refusal;
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
    CQuietPlatform quiet;
    auto scratch = std::make_unique<CSimulation>(quiet);
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
