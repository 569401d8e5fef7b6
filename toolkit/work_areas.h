// The screen as a window may use it: each monitor's work area (its taskbar left out).
#pragma once
#include "base/anchor_rules.h"

#include <vector>

std::vector<Bounds> MonitorWorkAreas();
