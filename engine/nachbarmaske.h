#pragma once

#include <array>
#include <cstdint>

#include "engine/schritt.h"

namespace engine {

/// Elements of the neighbour matrix are numbered 1..8; element n stands for direction
/// kNachbarn[n - 1] and sets mask bit n - 1.
inline constexpr int kElemente = 8;

/// Ticks of the matrix boxes; index n - 1 holds element n.
using Ankreuzungen = std::array<bool, kElemente>;

/// The neighbour mask of the ticked elements: the sum of 2^(n - 1) over every ticked n.
std::uint8_t maskeAus(const Ankreuzungen& angekreuzt);
/// The ticks that give back `maske`: element n is ticked when bit n - 1 is set.
Ankreuzungen ankreuzungenAus(std::uint8_t maske);
/// Direction of element n (1..8) relative to the cell.
constexpr Richtung richtungVon(int n) { return kNachbarn[n - 1]; }

}  // namespace engine
