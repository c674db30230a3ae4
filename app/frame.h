// Titles, icons, placement and the light blue background shared by the windows.
#pragma once
#include <windows.h>

// Sets "<version> - <titlePart> - VANTLER" and both title-bar icons; with
// `centre`, centres over the parent (or the work area); with `place`, moves to
// (x, y); either placement is kept inside the work area and applies showCommand.
void FrameWindow(HWND window, const char *titlePart, bool centre, int x, int y, bool place,
                 int showCommand);

// Answers WM_CTLCOLORDLG and WM_CTLCOLORSTATIC with the background brush.
INT_PTR BackgroundColourReply(UINT message, WPARAM wParam);
