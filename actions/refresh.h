// The automatic harvest every ten minutes while 选择框1 is checked.
#pragma once

#include <cstdint>

namespace velloran {

inline constexpr std::int32_t refreshPeriod = 600000;  // ms

void toggleRefresh();        // 选择框1 clicked
void applyRefreshSetting();  // the timer's period from the check box
void onRefreshTimer();       // 时钟1: a new harvest on every tick

}  // namespace velloran
