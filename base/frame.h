// Titles, icons, placement and the light blue background shared by the windows.
#pragma once
#include <windows.h>

enum class Placement {
    Keep,   // title and icons only
    Centre, // over the parent, or the work area without one
    At,     // at (x, y)
};

struct FrameOptions {
    Placement placement;
    int x, y;        // for Placement::At
    int showCommand; // applied with a placement
};

// Sets "<version> - <titlePart> - VANTLER" and both title-bar icons, then
// places the window as asked, always kept inside the work area.
void FrameWindow(HWND window, const char *titlePart, const FrameOptions &options);

// Answers WM_CTLCOLORDLG and WM_CTLCOLORSTATIC with the background brush.
INT_PTR BackgroundColourReply(UINT message, WPARAM wParam);
