#pragma once

#include <string>

#include "engine/welt.h"

namespace history {

/// Slider value of the present; value 99 - k stands for k generations back.
inline constexpr int kGegenwart = 99;

/// Ring slot shown at slider value v (0..99): gedIndex for 99, the slot after it for 0.
int rueckIndex(int gedIndex, int v);
/// The look-back depth as shown: " 0" for the present, "-1" to "-99" for the past.
std::string tiefeText(int v);
/// Replaces the whole cell array, ages included, by the state shown at slider value v;
/// returns the slot it came from. Counter, gedIndex and the ring stay as they are.
int zurueckblicken(engine::Welt& w, int v);

}  // namespace history
