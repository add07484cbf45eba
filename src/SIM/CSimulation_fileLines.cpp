// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: applying one tagged line of a simulation file to the state.
// A line with too few fields, an index out of range or a value its tag's rule
// refuses is skipped, so no file can write outside the fields or past a rule.
#include <algorithm>

#include "CFileLine.h"
#include "CFileTags.h"
#include "CSimulation.h"

void CSimulation::applyFileLine(const CFileTag& tag, std::string_view line)
{
    if (!tag.set && tag.value != CTagValue::Text) return;
    CLineFields f(line);
    CTagAt at;
    size_t first = 1;  // the field of the first value
    auto index = [&](int limit, int& out) { return f.indexIn(first++, limit, out); };
    size_t values = tag.value == CTagValue::Vector ? 3 : 1;
    size_t indices = tag.shape == CTagShape::Plain                                   ? 0
                     : tag.shape == CTagShape::Type || tag.shape == CTagShape::Slot ? 1
                                                                                     : 2;
    if (f.size() < 1 + indices + values) return;
    switch (tag.shape) {
    case CTagShape::Plain: break;
    case CTagShape::Type:
        if (!index(kTypes, at.index)) return;
        break;
    case CTagShape::Atom:
        if (!index(kTypes, at.index) || !index(kMaxPerType, at.inner)) return;
        break;
    case CTagShape::TypePair:
        if (!index(kTypes, at.index) || !index(kTypes, at.inner)) return;
        break;
    case CTagShape::Slot:
        if (!index(kSlots, at.index)) return;
        break;
    case CTagShape::SlotBin:
        if (!index(kSlots, at.index) || !index(kBins, at.inner)) return;
        break;
    }

    switch (tag.value) {
    case CTagValue::Real: {
        double value = f.real(first);
        if (tagAccepts(tag, value)) tag.set(*this, at, value);
        break;
    }
    case CTagValue::Vector: {
        double xyz[3] = {f.real(first), f.real(first + 1), f.real(first + 2)};
        if (!std::all_of(xyz, xyz + 3, [&](double x) { return tagAccepts(tag, x); })) return;
        for (at.axis = 0; at.axis < 3; at.axis++) tag.set(*this, at, xyz[at.axis]);
        break;
    }
    case CTagValue::Whole: {
        int value = f.integer(first);
        if (tagAccepts(tag, value)) tag.set(*this, at, value);
        break;
    }
    case CTagValue::Count: {
        int count = f.integer(first);
        if (tagAccepts(tag, count)) tag.set(*this, at, std::min(static_cast<double>(count), tag.rule->high));
        break;
    }
    case CTagValue::Unsigned: {
        unsigned value = f.unsignedLow32(first);
        if (tagAccepts(tag, value)) tag.set(*this, at, value);
        break;
    }
    case CTagValue::Flag: tag.set(*this, at, f.flag(first)); break;
    case CTagValue::Text: {
        // The name is the rest of the line after the index, spaces and all.
        size_t start = 0;
        for (size_t k = 0; k < first; k++) start = line.find(' ', start) + 1;
        std::string_view text = line.substr(start);
        if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
        setName(at.index, std::string(text));
        break;
    }
    }
}
