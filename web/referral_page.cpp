#include "referral_page.h"
#include "../base/app_state.h"
#include "../base/fixed_text.h"
#include "../base/win_handles.h"
#include "../notes/text_mode.h"
#include "page_text.h"
#include <shellapi.h>
#include <cstring>

namespace {

const char kWebQuestionNote[] =
    "\n\nPLEASE NOTE: This will generate a HTML page that can be checked for routed personal "
    "information by viewing the source. Your firewall will not be queried for permission.";

enum class PageWrite { Written, NotCreated, Failed };

PageWrite WritePage(const wchar_t *path, const char *text) {
    UniqueHandle file(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return PageWrite::NotCreated;
    static char stored[2 * kReferralPageBufferSize];
    size_t size = EncodeTextMode(text, std::strlen(text), stored, sizeof(stored));
    bool written = size < sizeof(stored) && WriteAllBytes(file.get(), stored, size);
    if (file.reset() && written) return PageWrite::Written;
    // A truncated page must never be opened.
    DeleteFileW(path);
    return PageWrite::Failed;
}

bool Ask(HWND owner, const char *question) {
    TextBuffer<512> text;
    text.build.add(question).add(kWebQuestionNote);
    return ShowMessage(owner, text.chars, MB_ICONWARNING | MB_YESNO) == IDYES;
}

// An environment variable as it is; null when unset. Any value fits, so that
// a long one is refused for its length rather than cut.
const wchar_t *EnvironmentValue(const wchar_t *name, wchar_t (&value)[32768]) {
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetEnvironmentVariableW(name, value, 32768);
    if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return nullptr;
    if (length >= 32768) value[0] = L'\0';
    return value;
}

} // namespace

void OpenViaReferralPage(HWND owner, const char *url) {
    wchar_t path[kPathBufferSize + 1];
    static char page[kReferralPageBufferSize];
    static wchar_t temp[32768], tmp[32768];
    if (ReferralPagePath(EnvironmentValue(L"TEMP", temp), EnvironmentValue(L"TMP", tmp), path,
                         kPathBufferSize + 1) &&
        ComposeReferralPage(kReferralPageName, url, page, sizeof(page))) {
        switch (WritePage(path, page)) {
        case PageWrite::Written:
            OpenWithShell(owner, path);
            return;
        case PageWrite::Failed: {
            TextBuffer<kPathBufferSize + 64, wchar_t> message;
            message.build.addAscii("ERROR: Could not write '").add(path).addAscii("'.");
            ShowMessage(owner, message.chars);
            break;
        }
        case PageWrite::NotCreated:
            break;
        }
    }
    OpenWithShell(owner, url);
}

void VisitInternetSite(HWND owner) {
    if (Ask(owner, "Visit Internet Site?")) OpenViaReferralPage(owner, QUILLET_SITE_URL);
}

void CheckForUpdates() {
    if (Ask(nullptr, "Check for 'Quillet' updates?")) OpenViaReferralPage(nullptr, kUpdateUrl);
}
