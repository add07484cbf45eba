// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers in text the same way under every locale: the desktop sets the C
// library's locale from the environment, so every format and parse of a file
// or message goes through the "C" locale explicitly.
#pragma once

#include <string>

std::string formatC(const char* format, ...) __attribute__((format(printf, 1, 2)));
void appendFormatC(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The longest numeric prefix after leading white space; 0 when there is none.
double parseDoubleC(const std::string& text);
// As parseDoubleC for integers, saturated to the range of long long.
long long parseIntegerC(const std::string& text);

// A count of steps as every text of the window and the batch writes it:
// plain digits, "4200", as the state display's "%u steps" does (a mark
// between the thousands reads as a decimal point under many locales).
std::string stepCountText(unsigned long long n);
// The progress of a long computation, as the window's overlay and the batch
// runner's terminal line show it: "42%, 420000 of 1000000 steps".
std::string progressText(unsigned long long done, unsigned long long total);
// A time still to wait, rounded as a progress line reads it: "45 s",
// "12 min", "3 h 20 min"; "a moment" under a second, "unknown" when not finite.
std::string timeLeftText(double seconds);
