// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation file's tags, each once: what its lines hold, how they are
// addressed, the values the reader accepts and how the writer formats them.
// The writer writes, the reader reads and `quorvel-batch --file-format`
// prints the file's description from this one table.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "SIM/model/CValueRules.h"

struct CSimulationState;

// The format version files are written with; the reader does not need it.
inline constexpr int kFileFormatVersion = 56;

// The indices a line carries before its value.
enum class CTagShape {
    Plain,     // "TAG value"
    Type,      // "TAG type value"
    Atom,      // "TAG type atom value": the atoms of the type, in the type's block
    TypePair,  // "TAG type type value": written for the second type from the first on
    Slot,      // "TAG slot value": types A to D, then all atoms
    SlotBin,   // "TAG slot bin value"
};

// How the value is read, and what the rule is asked of.
enum class CTagValue {
    Real,      // a real number
    Vector,    // three real numbers, each asked of the rule
    Whole,     // a whole number (beyond 32 bits it is cut to their range)
    Count,     // a whole number; above the rule's top it is taken as the top
    Unsigned,  // a number whose low 32 bits are kept (-1 reads 4294967295); the rule asks those
    Flag,      // a whole number whose low byte is kept: 0 off, anything else on
    Text,      // the rest of the line: the type's name, without get and set
    Stream,    // the words of the C library's random stream, in hexadecimal, without get and set
    Digest,    // a digest of the lines of the other tags before it, without get and set
};

// Where a value lives: the line's indices and, for a vector, its axis.
struct CTagAt {
    int index = 0, inner = 0, axis = 0;
};

struct CFileTag {
    const char* tag;
    CTagShape shape;
    CTagValue value;
    // No rule: any finite real number, any whole number.
    const valueRules::CRange* rule;
    const char* format;  // printf format of one value
    const char* holds;
    double (*get)(const CSimulationState&, CTagAt);
    // Stores a value the rule accepted, straight into the state. None: the
    // line is written for the reader's information and not read.
    void (*set)(CSimulationState&, CTagAt, double);
    // The check of the whole state a file leaves (each type with atoms fits
    // the box) reads this value, so it is tried before the file changes anything.
    bool fitChecked = false;
    // Quorvel's own lines come after all the others, which other readers of
    // the format expect as they are and which they skip. One of them holds the
    // value of the line of another tag (exactOf) to 17 significant digits, and
    // is taken only where it rounds to that line's value, so that a hand edit
    // of the line still wins.
    const CFileTag* exactOf = nullptr;
    // A value with no line of its own, which the state read from the other
    // lines would set afresh (the energies conservation goes back to, the
    // piston's acceleration): taken after that, and only where the lines of
    // the other tags are as they were written (the Digest line agrees).
    bool afterState = false;
    // A switch whose line is written only where its value is not this one:
    // a file without the line reads as this value, whatever the state held
    // before, so files of a state that never used the switch stay as they were.
    std::optional<double> whenAbsent = std::nullopt;
};

// Whether the tag is one of Quorvel's own, which other readers skip: its
// name starts with Q.
bool isOwnTag(const CFileTag& tag);
// The digest the Digest line holds: of the lines, in order, that start with
// a tag that is not Quorvel's own.
std::uint64_t fileDigest(std::string_view text);
// What the tag takes, as --file-format says it: "0 to 1e-18 J".
std::string acceptedValues(const CFileTag& tag);
// The indices its lines carry: "type 0-3, type 0-3".
const char* indicesOf(CTagShape shape);

// The tags in the order they are written, which is also the order the reader
// applies them in (lines of one tag in file order, so a later line wins).
std::span<const CFileTag> fileTags();
// The tag a line starts with, or nullptr.
const CFileTag* fileTagOf(std::string_view line);
// Whether the rule of the tag accepts the value.
bool tagAccepts(const CFileTag& tag, double value);
// The file's lines as a Markdown table: tag, indices, what it holds, the values read.
std::string fileFormatTable();
