// Whole-file reads, and writes that either replace the target completely or leave it as it was.
#pragma once

#include <string>

// Writes the text to a temporary file beside the target and renames it over
// the target. Answers the reason of a failure, empty on success.
std::string writeFileAtomically(const std::string& path, const std::string& text);

// Reads a whole regular file. Answers the reason of a failure, empty on success.
std::string readWholeFile(const std::string& path, std::string& text);
