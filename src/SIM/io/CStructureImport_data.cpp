// SPDX-License-Identifier: GPL-3.0-or-later
// The LAMMPS data reader: atom styles atomic and charge, as the LAMMPS export
// writes them.
#include "SIM/io/CStructureImport.h"

#include <cctype>
#include <cmath>
#include <map>
#include <memory>

#include "BASE/CTextNumbers.h"
#include "SIM/build/CElements.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/io/CStructureRead.h"

using namespace structureRead;

namespace {

constexpr int kTypes = CSimulation::kTypes;

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
        read.types[t].massKg = lammps::kilogramsOf(grams);
        // "1 39.948 # Ar" names the element; otherwise a mass within a
        // part in a thousand of an element's is taken for it.
        auto words = wordsOf(comment);
        const CElement* named = words.empty() ? nullptr : elements::bySymbol(words[0]);
        const CElement& nearest = elements::nearestInWeight(grams);
        read.types[t].element = named ? named : std::fabs(nearest.weight - grams) <= 1e-3 * grams ? &nearest : nullptr;
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
            if (read.types[t].used && read.types[t].massKg <= 0.0)
                return atLine(lines.number(), formatC("no mass is given for atom type %d", t + 1));
        return {};
    }
};

}  // namespace

std::string structureImport::buildFromLammpsData(std::string_view text, CSimulation& scratch, std::string& notice)
{
    auto read = std::make_unique<CStructureRead>();
    CDataReader reader(*read);
    std::string refusal = reader.readAll(text);
    if (refusal.empty()) refusal = buildScratch(*read, reader.boxLine, scratch, notice);
    return refusal;
}
