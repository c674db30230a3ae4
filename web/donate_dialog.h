// The donation dialog: the address to copy and a button that opens it.
#pragma once
#include <windows.h>

INT_PTR CALLBACK DonateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the modal donation dialog, or brings the open one forward.
void ShowDonateDialog(HWND owner);
