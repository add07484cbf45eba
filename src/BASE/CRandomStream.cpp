// SPDX-License-Identifier: GPL-3.0-or-later
#include "CRandomStream.h"

#include <cstdlib>
#include <cstring>

namespace {

// The table of the default generator: 31 words, the rear pointer and the
// generator's type in the first word (5 rear + 3), as glibc and the BSDs
// keep it. setstate trusts that word, so words read from a file are
// checked against it before they reach the library.
constexpr std::uint32_t kTypes = 5, kDefaultType = 3, kDegree = 31;
constexpr std::size_t kTableBytes = randomStream::kWords * sizeof(std::uint32_t);
static_assert(kTableBytes == 128);

bool describesDefaultTable(std::uint32_t first)
{
    return first % kTypes == kDefaultType && first / kTypes < kDegree;
}

// The tables a restored stream lives in, in the program's own memory. Two,
// used in turn, because setstate first writes where the active table stands
// into that table: the one being filled must not be the active one.
alignas(std::uint32_t) char ownTables[2][kTableBytes];
int nextTable = 0;

}  // namespace

bool randomStream::capture(CWords& out)
{
#if defined(__GLIBC__) || defined(__APPLE__) || defined(__FreeBSD__)
    // Switching tables makes the library write where the active one stands
    // into its first word; the active one is then copied and made active
    // again, where it stood. The scratch table's seeding draws nothing from it.
    alignas(std::uint32_t) char scratch[kTableBytes];
    char* active = initstate(1, scratch, sizeof scratch);
    if (!active) return false;
    std::uint32_t first = 0;
    std::memcpy(&first, active, sizeof first);
    bool known = describesDefaultTable(first);
    if (known) std::memcpy(out.data(), active, kTableBytes);
    setstate(active);
    return known;
#else
    (void)out;
    return false;
#endif
}

bool randomStream::restore(const CWords& words)
{
#if defined(__GLIBC__) || defined(__APPLE__) || defined(__FreeBSD__)
    if (!describesDefaultTable(words[0])) return false;
    char* table = ownTables[nextTable];
    nextTable ^= 1;
    std::memcpy(table, words.data(), kTableBytes);
    return setstate(table) != nullptr;
#else
    (void)words;
    return false;
#endif
}
