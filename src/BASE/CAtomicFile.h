// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads, and writes that either replace the target completely or leave it as it was.
#pragma once

#include <string>
#include <utility>
#include <vector>

// Writes the text to a temporary file beside the target and renames it over
// the target. Answers the reason of a failure, empty on success.
std::string writeFileAtomically(const std::string& path, const std::string& text);

// Writes several files (path, text) the same way: all temporaries first, then
// the renames. Answers the reason of a failure, empty on success.
std::string writeFilesTogether(const std::vector<std::pair<std::string, std::string>>& files);

// Reads a whole regular file. Answers the reason of a failure, empty on success.
std::string readWholeFile(const std::string& path, std::string& text);
