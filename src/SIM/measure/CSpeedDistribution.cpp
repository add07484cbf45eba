// SPDX-License-Identifier: GPL-3.0-or-later
// The speed histogram against Maxwell-Boltzmann: bin fractions, the
// least-squares temperature and the total variation distance.
#include "SIM/measure/CSpeedDistribution.h"

#include <array>
#include <cmath>
#include <numbers>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CSimulation.h"

double maxwellSpeedFraction(double speed, double mass, double temperature)
{
    if (!(speed > 0.0)) return 0.0;
    if (!(temperature > 0.0) || !(mass > 0.0)) return 1.0;  // every atom at rest
    // With a = sqrt(kT/m) and x = v / a: F = erf(x / sqrt 2) - sqrt(2/pi) x exp(-x^2/2).
    const double x = speed / std::sqrt(quorvel::kBoltzmann * temperature / mass);
    return std::erf(x / std::numbers::sqrt2) - std::sqrt(2.0 / std::numbers::pi) * x * std::exp(-0.5 * x * x);
}

namespace {
// The least of 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8 times a power of ten not below x > 0.
double roundUp(double x)
{
    static constexpr std::array<double, 10> kSteps = {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0};
    const double decade = std::pow(10.0, std::floor(std::log10(x)));
    for (double step : kSteps)
        if (step * decade >= x * (1.0 - 1e-12)) return step * decade;
    return 10.0 * decade;
}
}  // namespace

void fitHistogramScale(CSimulation& simulation)
{
    double sumSquares = 0.0;
    int atoms = 0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < simulation.state().atoms.number[t]; i++) {
            const CVector& v = simulation.state().atoms.vel[t][i];
            sumSquares += v.v[0] * v.v[0] + v.v[1] * v.v[1] + v.v[2] * v.v[2];
            atoms++;
        }
    if (!(sumSquares > 0.0) || !std::isfinite(sumSquares)) return;
    const double rms = std::sqrt(sumSquares / atoms), top = roundUp(3.0 * rms);
    // Maxwell's density peaks at the most probable speed, sqrt(2/3) of the
    // rms speed, at 4 / (sqrt(pi) e) over that speed.
    const double mostProbable = std::sqrt(2.0 / 3.0) * rms;
    const double peakShare = 4.0 / (std::sqrt(std::numbers::pi) * std::numbers::e) * (top / kSpeedBins) / mostProbable;
    simulation.setGraphXmax(top);
    simulation.setGraphYmax(roundUp(1.5 * peakShare * atoms));
}

CSpeedBins maxwellBinFractions(const CSpeedMixture& mixture, double top, double temperature)
{
    CSpeedBins bins{};
    for (int kind = 0; kind < mixture.kinds; kind++) {
        double below = 0.0;
        for (int b = 0; b < kSpeedBins; b++) {
            const double upTo = maxwellSpeedFraction(top * (b + 1) / kSpeedBins, mixture.mass[kind], temperature);
            bins[b] += mixture.share[kind] * (upTo - below);
            below = upTo;
        }
    }
    return bins;
}

namespace {
double squaredMisfit(const CSpeedMixture& mixture, double top, const CSpeedBins& fractions, double temperature)
{
    const CSpeedBins model = maxwellBinFractions(mixture, top, temperature);
    double sum = 0.0;
    for (int b = 0; b < kSpeedBins; b++) sum += (fractions[b] - model[b]) * (fractions[b] - model[b]);
    return sum;
}
}  // namespace

// The misfit has one minimum in a useful range but flat shoulders far from
// it, so a coarse scan over log T finds its valley and a golden-section
// search narrows it down to rounding.
double fitMaxwellTemperature(const CSpeedMixture& mixture, double top, const CSpeedBins& fractions)
{
    double held = 0.0, meanMass = 0.0;
    for (double f : fractions) held += f;
    for (int kind = 0; kind < mixture.kinds; kind++) meanMass += mixture.share[kind] * mixture.mass[kind];
    if (!(held > 0.0) || !(meanMass > 0.0) || !(top > 0.0)) return 0.0;
    auto misfit = [&](double logT) { return squaredMisfit(mixture, top, fractions, std::exp(logT)); };

    // Most probable speeds from a two-thousandth of the range to twenty times it.
    const double logLow = std::log(meanMass * std::pow(top / 2000.0, 2) / (2.0 * quorvel::kBoltzmann));
    const double logHigh = std::log(meanMass * std::pow(top * 20.0, 2) / (2.0 * quorvel::kBoltzmann));
    constexpr int kScan = 160;
    const double step = (logHigh - logLow) / kScan;
    int best = 0;
    double bestMisfit = misfit(logLow);
    for (int k = 1; k <= kScan; k++) {
        const double value = misfit(logLow + k * step);
        if (value < bestMisfit) bestMisfit = value, best = k;
    }
    double a = logLow + (best - 1) * step, b = logLow + (best + 1) * step;
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double fc = misfit(c), fd = misfit(d);
    for (int k = 0; k < 200 && b - a > 1e-13; k++) {
        if (fc < fd) {
            b = d, d = c, fd = fc;
            c = b - ratio * (b - a), fc = misfit(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + ratio * (b - a), fd = misfit(d);
        }
    }
    return std::exp(0.5 * (a + b));
}

double totalVariationDistance(const CSpeedBins& a, const CSpeedBins& b)
{
    double sum = 0.0, restA = 1.0, restB = 1.0;
    for (int k = 0; k < kSpeedBins; k++) {
        sum += std::fabs(a[k] - b[k]);
        restA -= a[k];
        restB -= b[k];
    }
    return 0.5 * (sum + std::fabs(restA - restB));
}

CSpeedDistribution measureSpeedDistribution(const CSimulationState& s, int slot)
{
    CSpeedDistribution d;
    d.slot = slot < 0 || slot > CSimulation::kAllAtoms ? CSimulation::kAllAtoms : slot;
    d.top = s.display.xmax;
    d.measuredTemperature = s.outputs.TCTemperature[d.slot];
    CSpeedMixture mixture;
    for (int t = 0; t < CSimulation::kTypes; t++) {
        if ((d.slot != CSimulation::kAllAtoms && t != d.slot) || s.atoms.number[t] == 0) continue;
        mixture.share[mixture.kinds] = s.atoms.number[t];
        mixture.mass[mixture.kinds++] = s.types.mass[t];
        d.atoms += s.atoms.number[t];
    }
    if (d.atoms == 0) return d;
    for (int kind = 0; kind < mixture.kinds; kind++) mixture.share[kind] /= d.atoms;
    for (int b = 0; b < kSpeedBins; b++) d.fraction[b] = s.outputs.TCHistogram[d.slot][b] / d.atoms;
    d.maxwellMeasured = maxwellBinFractions(mixture, d.top, d.measuredTemperature);
    d.fittedTemperature = fitMaxwellTemperature(mixture, d.top, d.fraction);
    // No fit (every atom beyond the last bin) draws no fitted curve.
    if (d.fittedTemperature > 0.0) d.maxwellFitted = maxwellBinFractions(mixture, d.top, d.fittedTemperature);
    d.totalVariation = totalVariationDistance(d.fraction, d.maxwellMeasured);
    return d;
}

void appendSpeedDistributionCsv(std::string& csv, const CSpeedDistribution& d)
{
    csv += "speed_low_m_s,speed_high_m_s,fraction,maxwell_measured,maxwell_fitted\n";
    for (int b = 0; b < kSpeedBins; b++)
        appendFormatC(csv, "%.17g,%.17g,%.17g,%.17g,%.17g\n", d.binLow(b), d.binHigh(b), d.fraction[b],
                      d.maxwellMeasured[b], d.maxwellFitted[b]);
}
