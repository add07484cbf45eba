// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: applying one tagged line of a simulation file to the state.
// A line with too few fields, an index out of range or a value its tag's rule
// refuses is skipped, so no file can write outside the fields or past a rule;
// the reader says which lines it skipped and why.
#include <algorithm>

#include "BASE/CRandomStream.h"
#include "BASE/CTextNumbers.h"
#include "SIM/io/CFileLine.h"
#include "SIM/io/CFileTags.h"
#include "SIM/model/CSimulation.h"

namespace {

// "ULJE, the Lennard-Jones well depth between the two types, takes 0 to 1e-18 J"
std::string refusedValue(const CFileTag& tag)
{
    const CFileTag& named = tag.exactOf ? *tag.exactOf : tag;
    return formatC("%s, the %s, takes %s", tag.tag, named.holds, acceptedValues(named).c_str());
}

// Whether an exact value is the one its ten-digit line holds: the line's
// value (already in the state) and the exact one are written the same way.
bool roundsToItsLine(const CFileTag& exact, const CSimulationState& state, CTagAt at, double value)
{
    const CFileTag& line = *exact.exactOf;
    double written = line.get(state, at);
    return formatC(line.format, value) == formatC(line.format, written);
}

}  // namespace

std::string CSimulation::applyFileLine(const CFileTag& tag, std::string_view line)
{
    if (!tag.set && tag.value != CTagValue::Text && tag.value != CTagValue::Stream) return {};
    CLineFields f(line);
    CTagAt at;
    size_t first = 1;  // the field of the first value
    auto index = [&](int limit, int& out) { return f.indexIn(first++, limit, out); };
    size_t values = tag.value == CTagValue::Vector ? 3 : tag.value == CTagValue::Stream ? randomStream::kWords : 1;
    size_t indices = tag.shape == CTagShape::Plain                                   ? 0
                     : tag.shape == CTagShape::Type || tag.shape == CTagShape::Slot ? 1
                                                                                     : 2;
    if (f.size() < 1 + indices + values) {
        if (indices == 0) return formatC("%s needs %zu value%s", tag.tag, values, values == 1 ? "" : "s");
        return formatC("%s needs its indices (%s) and %zu value%s", tag.tag, indicesOf(tag.shape), values,
                       values == 1 ? "" : "s");
    }
    bool inRange = true;
    switch (tag.shape) {
    case CTagShape::Plain: break;
    case CTagShape::Type: inRange = index(kTypes, at.index); break;
    case CTagShape::Atom: inRange = index(kTypes, at.index) && index(kMaxPerType, at.inner); break;
    case CTagShape::TypePair: inRange = index(kTypes, at.index) && index(kTypes, at.inner); break;
    case CTagShape::Slot: inRange = index(kSlots, at.index); break;
    case CTagShape::SlotBin: inRange = index(kSlots, at.index) && index(kBins, at.inner); break;
    }
    if (!inRange) return formatC("the indices of %s are %s", tag.tag, indicesOf(tag.shape));
    first = 1 + indices;

    CSimulationState& state = *this;
    switch (tag.value) {
    case CTagValue::Real: {
        double value = f.real(first);
        if (!tagAccepts(tag, value)) return refusedValue(tag);
        if (tag.exactOf && !roundsToItsLine(tag, state, at, value)) return {};
        tag.set(state, at, value);
        break;
    }
    case CTagValue::Vector: {
        double xyz[3] = {f.real(first), f.real(first + 1), f.real(first + 2)};
        if (!std::all_of(xyz, xyz + 3, [&](double x) { return tagAccepts(tag, x); })) return refusedValue(tag);
        if (tag.exactOf)
            for (at.axis = 0; at.axis < 3; at.axis++)
                if (!roundsToItsLine(tag, state, at, xyz[at.axis])) return {};
        for (at.axis = 0; at.axis < 3; at.axis++) tag.set(state, at, xyz[at.axis]);
        break;
    }
    case CTagValue::Whole: {
        int value = f.integer(first);
        if (!tagAccepts(tag, value)) return refusedValue(tag);
        tag.set(state, at, value);
        break;
    }
    case CTagValue::Count: {
        int count = f.integer(first);
        if (!tagAccepts(tag, count)) return refusedValue(tag);
        tag.set(state, at, std::min(static_cast<double>(count), tag.rule->high));
        break;
    }
    case CTagValue::Unsigned: {
        unsigned value = f.unsignedLow32(first);
        if (!tagAccepts(tag, value)) return refusedValue(tag);
        tag.set(state, at, value);
        break;
    }
    case CTagValue::Flag: tag.set(state, at, f.flag(first)); break;
    case CTagValue::Text: {
        // The name is the rest of the line after the index, spaces and all.
        size_t start = 0;
        for (size_t k = 0; k < first; k++) start = line.find(' ', start) + 1;
        std::string_view text = line.substr(start);
        if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
        setName(at.index, std::string(text));
        break;
    }
    case CTagValue::Stream: {
        randomStream::CWords words{};
        for (int k = 0; k < randomStream::kWords; k++)
            if (!f.hexWord(first + static_cast<size_t>(k), words[static_cast<size_t>(k)])) return refusedValue(tag);
        if (!randomStream::restore(words)) return refusedValue(tag);
        break;
    }
    case CTagValue::Digest: break;
    }
    return {};
}
