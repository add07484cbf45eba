// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/model/CValueRules.h"

#include "BASE/CTextNumbers.h"

namespace valueRules {

// "%g" without the exponent's sign and leading zeros: 1e-30, 1e8, 0.01.
std::string shortNumber(double x, int significantDigits)
{
    std::string text = formatC("%.*g", significantDigits, x);
    size_t e = text.find('e');
    if (e == std::string::npos) return text;
    std::string mantissa = text.substr(0, e), exponent = text.substr(e + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.erase(0, 1);
    while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
    return mantissa + "e" + (negative ? "-" : "") + exponent;
}

std::string rangeMessage(const char* what, const CRange& r)
{
    return std::string(what) + " must be between " + shortNumber(r.low) + " and " + shortNumber(r.high) + " " +
           r.unit + ".";
}

std::string positiveMessage(const char* what, const char* unit)
{
    return std::string(what) + " must be a finite number above 0" + (*unit ? std::string(" ") + unit : "") + ".";
}

std::string finiteMessage(const char* what) { return std::string(what) + " must be a finite number."; }

}  // namespace valueRules
