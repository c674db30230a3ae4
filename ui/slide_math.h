// Arithmetic of the note window's size and slide, free of any system call.
#pragma once
#include <cstdint>
#include <cstddef>

constexpr uint32_t kDefaultMenuShowDelay = 200;
constexpr uint32_t kMinSlideDelay = 200;
constexpr uint32_t kMaxSlideDelay = 800;

// Registry value types as the registry reports them.
constexpr unsigned long kRegistryText = 1;  // REG_SZ
constexpr unsigned long kRegistryDword = 4; // REG_DWORD

// The user's menu show delay from the raw registry reading: a decimal text
// gives its value, a DWORD its value, anything else or nothing 200.
uint32_t MenuShowDelayFromValue(bool read, unsigned long type, const unsigned char *data,
                                unsigned long size);

// The delay a slide goes by: 0 stays 0 (one frame at the end); 1 to 199
// slide as 200, since a smaller delay would only mean more, slower frames;
// 800 and above slide as 800.
uint32_t SlideDelay(uint32_t delay);

// Pixels per frame: SlideDelay(delay) / 1000 / 10 x height.
double SlideStep(uint32_t delay, int height);

// More than any slide takes: the smallest step is 1/50 of the height.
constexpr size_t kMaxSlideFrames = 64;

// Top edge of each frame of a slide, in order, into `tops`; returns how many.
// In: from bottom to bottom - height; out: the reverse. None for a height of 0
// or less. A zero step jumps straight to the end.
size_t SlidePositions(uint32_t delay, int workBottom, int height, bool in,
                      int (&tops)[kMaxSlideFrames]);

// Height of the note window: rows, scroll bar, extra strip and 40 pixels, but
// never taller than the work area, so that its title bar and buttons stay on
// the screen and the list scrolls instead.
int NoteWindowHeight(int rows, int itemHeight, int scrollBarHeight, int extra, int workHeight);
