// Sizing the note window to its notes and sliding it along the work area's bottom edge.
#pragma once
#include <windows.h>
#include <cstdint>

// Reads the user's menu show delay once; it sets the speed of every slide.
void ReadMenuShowDelay();

// Full work-area width, bottom edge on the work area's bottom edge, tall
// enough for every note plus `extra` pixels. Does not show the window.
void SizeNoteWindow(HWND window, int32_t extra);

// Direction 0 slides up into view and brings the window forward; any other
// value slides it down out of view.
void SlideNoteWindow(HWND window, uint8_t direction);

// Dispatches whatever is queued, without waiting. Returns false when a WM_QUIT
// was among it (and records it for the main loop).
bool DrainMessages();
