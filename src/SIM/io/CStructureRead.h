// SPDX-License-Identifier: GPL-3.0-or-later
// A structure as its file gives it, before it becomes a simulation: the
// readers of extended XYZ and LAMMPS data fill it, and the import builds the
// scratch simulation from it. With the reading helpers the readers share:
// lines numbered from 1, words, numbers in any locale, refusals that name
// their line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SIM/io/CExtendedXyzKeys.h"
#include "SIM/model/CSimulation.h"

struct CElement;

namespace structureRead {

inline constexpr int kTypes = CSimulation::kTypes;

// The text's lines, numbered from 1.
class CLines {
public:
    explicit CLines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line);
    int number() const { return number_; }

private:
    std::string_view text_;
    size_t at_ = 0;
    int number_ = 0;
};

bool isBlank(char c);
std::vector<std::string_view> wordsOf(std::string_view line);
// A whole word as a finite number, in any locale.
bool numberOf(std::string_view word, double& out);
bool wholeOf(std::string_view word, long long& out);
// "line N: reason".
std::string atLine(int line, const std::string& reason);
// A word of the file as a refusal shows it: quoted, cut short, unprintable
// characters as '?'.
std::string quoted(std::string_view word);
// A line without its "#" comment, and the comment.
std::string_view withoutComment(std::string_view line, std::string_view* comment = nullptr);

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
    double massKg = 0.0;                // 0: the element's
    double chargeE = 0.0;
    int count = 0;
};

struct CStructureRead {
    CTypeRead types[kTypes];
    std::vector<CAtomRead> atoms;
    double lo[3] = {}, hi[3] = {};  // the box, Angstrom
    extendedXyz::CQuorvelKeys quorvel;  // an extended XYZ frame's
};

// An atom of type t more: refused beyond a type's limit.
std::string countAtom(CStructureRead& read, int t, int line);
std::string outsideBox(const CStructureRead& read, const double x[3], int line);

// Makes the structure scratch's state: the types' parameters, the box and the
// atoms (CStructureImport.cpp).
std::string buildScratch(const CStructureRead& read, int boxLine, CSimulation& scratch, std::string& notice);

}  // namespace structureRead
