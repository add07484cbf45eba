// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: applying one tagged line of a simulation file to the fields.
// A line with too few fields or an index out of range is skipped, so no file
// can write outside the fields.
#include <cstring>

#include "CFileLine.h"
#include "CSimulation.h"
#include "CValueRules.h"

namespace {

bool is(const char* tag, const char* name) { return std::memcmp(tag, name, 4) == 0; }

template <typename T>
struct CTaggedField {
    const char* tag;
    T CSimulation::*field;
};

// The field that a tag of the table stores into, or nullptr.
template <typename T, size_t N>
T* taggedField(CSimulation& s, const char* tag, const CTaggedField<T> (&entries)[N])
{
    for (const CTaggedField<T>& e : entries)
        if (is(tag, e.tag)) return &(s.*e.field);
    return nullptr;
}

// A double field stored straight, by tag.
double* plainDouble(CSimulation& s, const char* tag)
{
    static const CTaggedField<double> entries[] = {
        {"TTST", &CSimulation::timeStep},  {"TETM", &CSimulation::elapsedTime}, {"UFTM", &CSimulation::floorTemp},
        {"DDTC", &CSimulation::displayTC}, {"DTCM", &CSimulation::TCVolume},    {"DXMX", &CSimulation::xmax},
        {"DYMX", &CSimulation::ymax},      {"BHWD", &CSimulation::halfWidth},   {"PLOC", &CSimulation::pistonZ},
        {"PVEL", &CSimulation::pistonV},   {"PAPP", &CSimulation::appliedPressure}};
    return taggedField(s, tag, entries);
}

// A switch: the file's number is on when its low byte is not zero.
bool* plainFlag(CSimulation& s, const char* tag)
{
    static const CTaggedField<bool> entries[] = {
        {"UAPU", &CSimulation::potentialUsed},    {"UFPU", &CSimulation::floorPotentialUsed},
        {"UFTU", &CSimulation::floorTempUsed},    {"ECSV", &CSimulation::conserve},
        {"DSDF", &CSimulation::stateDisplayFlag}, {"DEDF", &CSimulation::energyDiffDisplayFlag},
        {"DNDF", &CSimulation::numericDisplayFlag}, {"DGDF", &CSimulation::graphDisplayFlag},
        {"DAXS", &CSimulation::axesShowFlag},     {"BSHO", &CSimulation::boxShowFlag},
        {"BSDW", &CSimulation::boxShowShadowFlag}, {"BFLR", &CSimulation::boxFloorShowFlag},
        {"PUSE", &CSimulation::pistonUsed}};
    return taggedField(s, tag, entries);
}

int* plainInteger(CSimulation& s, const char* tag)
{
    static const CTaggedField<int> entries[] = {
        {"DDTY", &CSimulation::displayType},    {"DHWD", &CSimulation::histogramWidth},
        {"DHHT", &CSimulation::histogramHeight},
        {"DTSZ", &CSimulation::displayTextSize}, {"WARI", &CSimulation::aspectRatioIndex}};
    return taggedField(s, tag, entries);
}

unsigned* plainUnsigned(CSimulation& s, const char* tag)
{
    if (is(tag, "TIPD")) return &s.iterationsPerDisplay;
    if (is(tag, "TITR")) return &s.iterations;
    if (is(tag, "DRCD")) return &s.record;
    return nullptr;
}

float* plainFloat(CSimulation& s, const char* tag)
{
    if (is(tag, "TRTF")) return &s.runTimerInterval;
    if (is(tag, "WWID")) return &s.windowWidth;
    if (is(tag, "WHEI")) return &s.windowHeight;
    return nullptr;
}

// Per-type values: "XXXX t value".
double* typedDouble(CSimulation& s, const char* tag)
{
    if (is(tag, "ADIA")) return s.diam;
    if (is(tag, "AMAS")) return s.mass;
    if (is(tag, "UCHR")) return s.charge;
    if (is(tag, "ULJF")) return s.LJepsFloor;
    return nullptr;
}

float* typedFloat(CSimulation& s, const char* tag)
{
    if (is(tag, "ACLR")) return s.red;
    if (is(tag, "ACLG")) return s.green;
    if (is(tag, "ACLB")) return s.blue;
    return nullptr;
}

// Per-slot smoothed outputs: "XXXX s value".
double* slotDouble(CSimulation& s, const char* tag)
{
    if (is(tag, "DTCK")) return s.TCKEnergy;
    if (is(tag, "DTCU")) return s.TCPEnergy;
    if (is(tag, "DTCE")) return s.TCTEnergy;
    if (is(tag, "DTCT")) return s.TCTemperature;
    if (is(tag, "DTCP")) return s.TCPressure;
    if (is(tag, "DTCV")) return s.TCavgvsq;
    if (is(tag, "DRMS")) return s.sqrtTCavgvsq;
    return nullptr;
}

using valueRules::finite;

bool anyValue(double) { return true; }
bool isCount(double n) { return n >= 0.0; }  // above the maximum is cut to it, as the setter offers
template <int kCount>
bool isChoice(double index) { return index >= 0.0 && index < kCount; }
bool isRunFlag(double f) { return f == 0.0 || f == 1.0; }

struct CValueRule {
    const char* tag;
    bool (*accepts)(double);
};

// The rule of every numeric tag: the values its setter and its dialog accept.
// A line whose value breaks the rule is skipped like any other bad line.
constexpr CValueRule kValueRules[] = {
    {"VPHI", finite}, {"VTHE", finite}, {"VEYE", valueRules::isViewDistance},
    {"VEYP", valueRules::isViewDistance}, {"VSCA", valueRules::isViewScale},
    {"ANUM", isCount}, {"ADIA", valueRules::isDiameter}, {"AMAS", valueRules::isMass},
    {"ACLR", valueRules::isColour}, {"ACLG", valueRules::isColour}, {"ACLB", valueRules::isColour},
    {"ALOC", finite}, {"AVEL", valueRules::isVelocity}, {"ASEL", anyValue},
    {"TTST", valueRules::isTimeStep}, {"TIPD", valueRules::isStepsPerDisplay}, {"TITR", anyValue}, {"TETM", finite},
    {"TRNF", isRunFlag}, {"TUNT", isChoice<valueRules::kTimeUnits>}, {"TRTF", valueRules::isTimerInterval},
    {"ULJE", valueRules::isWellDepth}, {"UCHR", valueRules::isCharge}, {"ULJF", valueRules::isWellDepth},
    {"UFTM", valueRules::isFloorTemperature},
    {"DDTY", isChoice<valueRules::kOutputSlots>}, {"DDTC", valueRules::isTimeConstant},
    {"DRCT", isChoice<valueRules::kRecordTypes>}, {"DRCD", anyValue},
    {"DTCK", finite}, {"DTCU", finite}, {"DTCE", finite}, {"DTCT", finite}, {"DTCP", finite}, {"DTCV", finite},
    {"DRMS", finite}, {"DTCM", finite}, {"DXMX", valueRules::isHistogramSpeed},
    {"DYMX", valueRules::isHistogramScale}, {"DHIS", finite},
    {"DHWD", valueRules::isHistogramWidth}, {"DHHT", valueRules::isHistogramHeight},
    {"DTSZ", isChoice<valueRules::kTextSizes>}, {"BHWD", valueRules::isBoxHalfWidth},
    {"PLOC", finite}, {"PVEL", valueRules::isVelocity}, {"PMAS", valueRules::isPistonMass},
    {"PAPP", valueRules::isAppliedPressure},
    {"WARI", isChoice<valueRules::kAspectRatios>}, {"WWID", valueRules::isWindowExtent},
    {"WHEI", valueRules::isWindowExtent}};

// Switches are on when their low byte is not zero, whatever the number; names
// are text.
bool accepts(const char* tag, double value)
{
    for (const CValueRule& rule : kValueRules)
        if (is(tag, rule.tag)) return rule.accepts(value);
    return true;
}

}  // namespace

void CSimulation::applyFileLine(const char* tag, std::string_view line)
{
    CLineFields f(line);
    int t = 0, i = 0;
    auto atomLine = [&](size_t needed) {
        return f.size() >= needed && f.indexIn(1, kTypes, t) && f.indexIn(2, kMaxPerType, i);
    };
    auto typeLine = [&]() { return f.size() >= 3 && f.indexIn(1, kTypes, t) && accepts(tag, f.real(2)); };
    auto slotLine = [&]() { return f.size() >= 3 && f.indexIn(1, kSlots, t) && accepts(tag, f.real(2)); };

    if (is(tag, "VPHI") || is(tag, "VTHE") || is(tag, "VEYE") || is(tag, "VEYP") || is(tag, "VSCA")) {
        if (f.size() < 2) return;
        double value = f.real(1);
        if (!accepts(tag, value)) return;
        if (is(tag, "VPHI")) View.setPhi(value);
        else if (is(tag, "VTHE")) View.setTheta(value);
        else if (is(tag, "VEYE")) View.setEyeR(value);
        else if (is(tag, "VEYP")) View.setEyePlaneR(value);
        else View.setScale(value);
    } else if (is(tag, "ANUM")) {
        if (f.size() < 3 || !f.indexIn(1, kTypes, t)) return;
        int count = f.integer(2);
        if (accepts(tag, count)) number[t] = count > kMaxPerType ? kMaxPerType : count;
    } else if (double* perType = typedDouble(*this, tag)) {
        if (typeLine()) perType[t] = f.real(2);
    } else if (float* colour = typedFloat(*this, tag)) {
        if (typeLine()) colour[t] = static_cast<float>(f.real(2));
    } else if (is(tag, "ANAM")) {
        if (f.size() < 3 || !f.indexIn(1, kTypes, t)) return;
        size_t afterSecondSpace = line.find(' ', line.find(' ') + 1) + 1;
        std::string_view text = line.substr(afterSecondSpace);
        if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
        setName(t, std::string(text));
    } else if (is(tag, "ALOC") || is(tag, "AVEL")) {
        if (!atomLine(6)) return;
        double x = f.real(3), y = f.real(4), z = f.real(5);
        if (!accepts(tag, x) || !accepts(tag, y) || !accepts(tag, z)) return;
        CVector& target = is(tag, "ALOC") ? loc[t][i] : vel[t][i];
        target.setXYZ(x, y, z);
    } else if (is(tag, "ASEL")) {
        if (atomLine(4)) sel[t][i] = f.flag(3);
    } else if (is(tag, "ULJE")) {
        if (f.size() >= 4 && f.indexIn(1, kTypes, t) && f.indexIn(2, kTypes, i) && accepts(tag, f.real(3)))
            LJeps[t][i] = f.real(3);
    } else if (double* perSlot = slotDouble(*this, tag)) {
        if (slotLine()) perSlot[t] = f.real(2);
    } else if (is(tag, "DHIS")) {
        if (f.size() >= 4 && f.indexIn(1, kSlots, t) && f.indexIn(2, kBins, i) && accepts(tag, f.real(3)))
            TCHistogram[t][i] = f.real(3);
    } else if (f.size() < 2) {
        return;
    } else if (unsigned* u = plainUnsigned(*this, tag)) {
        unsigned value = f.unsignedLow32(1);
        if (accepts(tag, value)) *u = value;
    } else if (float* single = plainFloat(*this, tag)) {
        // The rules bound these values, so they fit a float.
        if (accepts(tag, f.real(1))) *single = static_cast<float>(f.real(1));
    } else if (int* integer = plainInteger(*this, tag)) {
        if (accepts(tag, f.integer(1))) *integer = f.integer(1);
    } else if (is(tag, "TRNF") || is(tag, "TUNT") || is(tag, "DRCT")) {
        // A mode is stored as its index; the rule bounds it to the mode's range.
        int index = f.integer(1);
        if (!accepts(tag, index)) return;
        if (is(tag, "TRNF")) runState = static_cast<CRunState>(index);
        else if (is(tag, "TUNT")) timeUnit = static_cast<CTimeUnit>(index);
        else recordType = static_cast<CRecordKind>(index);
    } else if (bool* flag = plainFlag(*this, tag)) {
        *flag = f.flag(1) != 0;
    } else if (is(tag, "PMAS")) {
        if (accepts(tag, f.real(1))) pistonM = f.real(1);
    } else if (double* plain = plainDouble(*this, tag)) {
        if (accepts(tag, f.real(1))) *plain = f.real(1);
    }
}
