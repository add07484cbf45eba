// SPDX-License-Identifier: GPL-3.0-or-later
// The physical constants of the model, each written once. Boltzmann's
// constant keeps the value the model has always measured temperature and
// drawn the heat bath's energies with (the 1986 recommended value), so
// stored runs replay to the same bits; it differs from the exact SI value
// 1.380649e-23 by six parts per million.
#pragma once

namespace quorvel {
inline constexpr double kBoltzmann = 1.380657e-23;              // J / K
// The temperature of an atom whose mean kinetic energy is one joule: 2 / (3 k)
// as the model has always measured it. Like kBoltzmann it keeps its digits,
// so stored runs replay their temperatures to the same bits; it is 2 / (3 k)
// computed from kBoltzmann to seven digits, not to the last bit.
inline constexpr double kTemperaturePerEnergy = 4.82861948e+22;  // K / J
inline constexpr double kAtomicMassUnit = 1.66053906660e-27;  // kg, one dalton (CODATA 2018)
inline constexpr double kCoulomb = 8987551787.37;               // 1 / (4 pi eps0), N m^2 / C^2
}  // namespace quorvel
