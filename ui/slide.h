// Sizing the note window to its notes and sliding it along the work area's bottom edge.
#pragma once
#include <windows.h>
#include <cstdint>

// Reads the user's menu show delay once; it sets the speed of every slide.
void ReadMenuShowDelay();

// Full work-area width, bottom edge on the work area's bottom edge, tall
// enough for every note plus `extra` pixels. Does not show the window.
void SizeNoteWindow(HWND window, int32_t extra);

enum class SlideDirection {
    Up,   // into view, bringing the window forward
    Down, // out of view
};

// Slides along the work area's bottom edge, dispatching queued messages
// between frames.
void SlideNoteWindow(HWND window, SlideDirection direction);
