// The twenty preset stamps: names and the time, put on the clipboard.
#pragma once
#include <cstdint>
#include "clipboard.h"
#include "stamp_text.h"

// Gathers the names, the local time and the timer, composes, puts on the clipboard.
ClipboardStatus StampBuilder(const StampSwitches &switches);

// The system millisecond timer modulo 1000.
uint32_t TimerMillisecond();
