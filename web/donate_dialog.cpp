#include "donate_dialog.h"
#include "../base/app_state.h"
#include "../base/frame.h"
#include "../base/win_handles.h"
#include "../res/resource.h"
#include "page_text.h"
#include "referral_page.h"
#include <cstring>

namespace {

const char kDonationUrl[] = QUILLET_DONATION_URL;
// The button's picture, given back when the dialog is destroyed.
BitmapHandle g_donateBitmap;
// The one open donation dialog: the tray works while it is up, and a second
// request brings this one forward rather than opening another.
HWND g_openDialog;

void OnClose(HWND dialog) {
    EndDialog(dialog, 0);
}

// A donation address that is not the one we ship must never be offered: the
// dialog and the program end.
bool CheckDonationUrl(HWND dialog) {
    if (DonationUrlIntact(kDonationUrl)) return true;
    OnClose(dialog);
    PostQuitMessage(0);
    return false;
}

void OnInitDialog(HWND dialog) {
    g_openDialog = dialog;
    FrameWindow(dialog, "Donate", {Placement::Centre, 0, 0, SW_SHOWNORMAL});
    g_donateBitmap = BitmapHandle(static_cast<HBITMAP>(LoadImageA(
        g_app.instance, MAKEINTRESOURCEA(IDB_DONATE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!g_donateBitmap)
        ShowMessage(dialog, "ERROR - Could not load bitmap.");
    else
        SendDlgItemMessageA(dialog, IDC_DONATE_BUTTON, BM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(g_donateBitmap.get()));
    SetDlgItemTextA(dialog, IDC_DONATE_URL, kDonationUrl);
    SendDlgItemMessageA(dialog, IDC_DONATE_URL, EM_SETSEL, 0, std::strlen(kDonationUrl));
    CheckDonationUrl(dialog);
}

void OnDonateButton(HWND dialog) {
    if (CheckDonationUrl(dialog)) OpenViaReferralPage(dialog, kDonationUrl);
}

} // namespace

void ShowDonateDialog(HWND owner) {
    if (g_openDialog && IsWindow(g_openDialog)) {
        SetForegroundWindow(g_openDialog);
        return;
    }
    DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(IDD_DONATE), owner, DonateDialogProc, 0);
    g_openDialog = nullptr;
}

INT_PTR CALLBACK DonateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_DONATE_BUTTON) OnDonateButton(dialog);
        return FALSE;
    case WM_CLOSE:
        OnClose(dialog);
        return FALSE;
    case WM_DESTROY:
        g_donateBitmap.reset();
        if (g_openDialog == dialog) g_openDialog = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
