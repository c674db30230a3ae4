// The notification-area icon and its menu.
#pragma once
#include <windows.h>

constexpr UINT kTrayIconId = 0x01010101;

// Adds the icon for `owner`; used at start-up and again when the shell restarts.
void AddTrayIcon(HWND owner);
void RemoveTrayIcon();

// True for the shell's "TaskbarCreated" broadcast (the shell has restarted).
bool IsTaskbarCreatedMessage(UINT message);

// Left button up: the Copy Note list; right button up: the tray menu.
void HandleTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage);

// Shows the tray menu at the cursor; returns when it has closed.
void ShowTrayMenu(HWND owner);

// Opens Explorer on the program's folder with the executable selected.
void ExploreContainingFolder();
