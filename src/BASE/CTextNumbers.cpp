// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTextNumbers.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t cLocale()
{
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches the calling thread to the "C" locale for the lifetime of the guard.
class CLocaleScope {
public:
    CLocaleScope() : previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous;
};

void appendV(std::string& out, const char* format, va_list args)
{
    CLocaleScope scope;
    char buffer[256];
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(buffer, sizeof buffer, format, copy);
    va_end(copy);
    if (needed < 0) return;
    if (static_cast<size_t>(needed) < sizeof buffer) {
        out.append(buffer, static_cast<size_t>(needed));
        return;
    }
    size_t start = out.size();
    out.resize(start + static_cast<size_t>(needed) + 1);
    std::vsnprintf(&out[start], static_cast<size_t>(needed) + 1, format, args);
    out.resize(start + static_cast<size_t>(needed));
}

}  // namespace

std::string formatC(const char* format, ...)
{
    std::string out;
    va_list args;
    va_start(args, format);
    appendV(out, format, args);
    va_end(args);
    return out;
}

void appendFormatC(std::string& out, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    appendV(out, format, args);
    va_end(args);
}

double parseDoubleC(const std::string& text)
{
    return strtod_l(text.c_str(), nullptr, cLocale());
}

long long parseIntegerC(const std::string& text)
{
    return strtoll_l(text.c_str(), nullptr, 10, cLocale());
}

std::string stepCountText(unsigned long long n)
{
    return formatC("%llu", n);
}

std::string progressText(unsigned long long done, unsigned long long total)
{
    // Floored, so 100% means done.
    const unsigned percent = total > 0 ? static_cast<unsigned>(done * 100.0L / total) : 0u;
    return formatC("%u%%, ", percent) + stepCountText(done) + " of " + stepCountText(total) + " steps";
}

std::string timeLeftText(double seconds)
{
    if (!(seconds >= 0.0) || seconds > 1e9) return "unknown";
    if (seconds < 1.0) return "a moment";
    if (seconds < 100.0) return formatC("%.0f s", std::ceil(seconds));
    const double minutes = std::ceil(seconds / 60.0);
    if (minutes < 100.0) return formatC("%.0f min", minutes);
    return formatC("%.0f h %.0f min", std::floor(minutes / 60.0), std::fmod(minutes, 60.0));
}
