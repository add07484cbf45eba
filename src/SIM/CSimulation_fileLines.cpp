// CSimulation: applying one tagged line of a simulation file to the fields.
// A line with too few fields or an index out of range is skipped, so no file
// can write outside the fields.
#include <cstring>

#include "CFileLine.h"
#include "CSimulation.h"

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

char* plainFlag(CSimulation& s, const char* tag)
{
    static const CTaggedField<char> entries[] = {
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
        {"TRNF", &CSimulation::runFlag},        {"TUNT", &CSimulation::timeUnit},
        {"DDTY", &CSimulation::displayType},    {"DRCT", &CSimulation::recordType},
        {"DHWD", &CSimulation::histogramWidth}, {"DHHT", &CSimulation::histogramHeight},
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
    if (is(tag, "TRTF")) return &s.runTimerFrequency;
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

}  // namespace

void CSimulation::applyFileLine(const char* tag, std::string_view line)
{
    CLineFields f(line);
    int t = 0, i = 0;
    auto atomLine = [&](size_t needed) {
        return f.size() >= needed && f.indexIn(1, kTypes, t) && f.indexIn(2, kMaxPerType, i);
    };
    auto typeLine = [&]() { return f.size() >= 3 && f.indexIn(1, kTypes, t); };
    auto slotLine = [&]() { return f.size() >= 3 && f.indexIn(1, kSlots, t); };

    if (is(tag, "VPHI") || is(tag, "VTHE") || is(tag, "VEYE") || is(tag, "VEYP") || is(tag, "VSCA")) {
        if (f.size() < 2) return;
        double value = f.real(1);
        if (is(tag, "VPHI")) View.setPhi(value);
        else if (is(tag, "VTHE")) View.setTheta(value);
        else if (is(tag, "VEYE")) View.setEyeR(value);
        else if (is(tag, "VEYP")) View.setEyePlaneR(value);
        else View.setScale(value);
    } else if (is(tag, "ANUM")) {
        if (!typeLine()) return;
        int count = f.integer(2);
        number[t] = count < 0 ? 0 : (count > kMaxPerType ? kMaxPerType : count);
    } else if (double* perType = typedDouble(*this, tag)) {
        if (!typeLine()) return;
        double value = f.real(2);
        // A mass of zero or below cannot move; the line is skipped.
        if (is(tag, "AMAS") && !(value > 0.0)) return;
        perType[t] = value;
    } else if (float* colour = typedFloat(*this, tag)) {
        if (typeLine()) colour[t] = static_cast<float>(f.real(2));
    } else if (is(tag, "ANAM")) {
        if (!typeLine()) return;
        size_t afterSecondSpace = line.find(' ', line.find(' ') + 1) + 1;
        std::string_view text = line.substr(afterSecondSpace);
        if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
        msg.assign(text);
        setName(t, msg);
    } else if (is(tag, "ALOC") || is(tag, "AVEL")) {
        if (!atomLine(6)) return;
        CVector& target = is(tag, "ALOC") ? loc[t][i] : vel[t][i];
        target.setXYZ(f.real(3), f.real(4), f.real(5));
    } else if (is(tag, "ASEL")) {
        if (atomLine(4)) sel[t][i] = f.flag(3);
    } else if (is(tag, "ULJE")) {
        if (f.size() >= 4 && f.indexIn(1, kTypes, t) && f.indexIn(2, kTypes, i)) LJeps[t][i] = f.real(3);
    } else if (double* perSlot = slotDouble(*this, tag)) {
        if (slotLine()) perSlot[t] = f.real(2);
    } else if (is(tag, "DHIS")) {
        if (f.size() >= 4 && f.indexIn(1, kSlots, t) && f.indexIn(2, kBins, i)) TCHistogram[t][i] = f.real(3);
    } else if (f.size() < 2) {
        return;
    } else if (unsigned* u = plainUnsigned(*this, tag)) {
        *u = f.unsignedLow32(1);
    } else if (float* single = plainFloat(*this, tag)) {
        *single = static_cast<float>(f.real(1));
    } else if (int* integer = plainInteger(*this, tag)) {
        *integer = f.integer(1);
    } else if (char* flag = plainFlag(*this, tag)) {
        *flag = f.flag(1);
    } else if (is(tag, "PMAS")) {
        double value = f.real(1);
        // A piston of mass zero or below cannot move; the line is skipped.
        if (value > 0.0) pistonM = value;
    } else if (double* plain = plainDouble(*this, tag)) {
        *plain = f.real(1);
    }
}
