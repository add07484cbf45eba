// SPDX-License-Identifier: GPL-3.0-or-later
// Where the C library's random() stream stands, as words a file can hold,
// and putting it back there. The heat bath and the placement of added atoms
// draw from that stream, so a saved run resumes with the draws it would have
// taken. Nothing here reseeds: a fresh start draws what it always drew.
#pragma once

#include <array>
#include <cstdint>

namespace randomStream {

// The 128-byte table of random()'s default generator (31 words of state and
// the word that says where in them the stream stands), as 32 words.
inline constexpr int kWords = 32;
using CWords = std::array<std::uint32_t, kWords>;

// Where the stream stands; false when the library's stream is not one these
// words describe (another size of table, another C library).
bool capture(CWords& out);
// Makes the stream continue from words capture gave; false, and the stream
// left as it was, for words that describe no such stream.
bool restore(const CWords& words);

}  // namespace randomStream
