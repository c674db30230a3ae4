// Opening web addresses through a small local page the user can inspect first.
#pragma once
#include <windows.h>

// Writes the referral page for `url` into the temporary folder and opens it;
// opens the address itself when the page cannot be written (after saying so
// when a write failed part-way). Boxes are owned by `owner`.
void OpenViaReferralPage(HWND owner, const char *url);

// "Visit Internet Site": asks, then opens the maker's site.
void VisitInternetSite(HWND owner);

// "Internet Update Check (HTML)": asks, then opens the update check.
void CheckForUpdates();
