// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/io/CStructureRead.h"

#include <charconv>
#include <cmath>

#include "BASE/CTextNumbers.h"

namespace structureRead {

bool CLines::next(std::string_view& line)
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

std::string_view withoutComment(std::string_view line, std::string_view* comment)
{
    size_t hash = line.find('#');
    if (comment) *comment = hash == std::string_view::npos ? std::string_view() : line.substr(hash + 1);
    return hash == std::string_view::npos ? line : line.substr(0, hash);
}

std::string countAtom(CStructureRead& read, int t, int line)
{
    if (++read.types[t].count > CSimulation::kMaxPerType)
        return atLine(line, formatC("a %dth atom of type %c; a type holds at most %d", CSimulation::kMaxPerType + 1, 'A' + t,
                                    CSimulation::kMaxPerType));
    return {};
}

std::string outsideBox(const CStructureRead& read, const double x[3], int line)
{
    for (int a = 0; a < 3; a++)
        if (x[a] < read.lo[a] || x[a] > read.hi[a])
            return atLine(line, formatC("the atom at (%.6g, %.6g, %.6g) Angstrom is outside the box", x[0], x[1], x[2]));
    return {};
}

}  // namespace structureRead
