// SPDX-License-Identifier: GPL-3.0-or-later
// The constants of the force model that the engines and the exports share.
#pragma once

namespace quorvel {
inline constexpr double kCoulomb = 8987551787.37;     // 1 / (4 pi eps0), N m^2 / C^2
inline constexpr double kCoreFactor = 0.296966;       // repulsive core between charges, per mean diameter
inline constexpr double kFloorOffset = 0.62246;       // floor plane below the box, in diameters
inline constexpr double kFloorRange = 3.0;            // floor reach from that plane, in diameters
}  // namespace quorvel
