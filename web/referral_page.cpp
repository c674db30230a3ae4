#include "referral_page.h"
#include "../base/app_state.h"
#include "../base/win_handles.h"
#include "../notes/text_mode.h"
#include "page_text.h"
#include <shellapi.h>
#include <cstdlib>

namespace {

const char kWebQuestionNote[] =
    "\n\nPLEASE NOTE: This will generate a HTML page that can be checked for routed personal "
    "information by viewing the source. Your firewall will not be queried for permission.";

enum class PageWrite { Written, NotCreated, Failed };

PageWrite WritePage(const std::string &path, const std::string &text) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return PageWrite::NotCreated;
    std::string stored = EncodeTextMode(text.data(), text.size());
    DWORD wrote = 0;
    bool written =
        WriteFile(file.get(), stored.data(), static_cast<DWORD>(stored.size()), &wrote, nullptr) &&
        wrote == stored.size();
    if (file.reset() && written) return PageWrite::Written;
    // A truncated page must never be opened.
    DeleteFileA(path.c_str());
    return PageWrite::Failed;
}

} // namespace

void OpenViaReferralPage(HWND owner, const char *url) {
    std::string path;
    if (ReferralPagePath(std::getenv("TEMP"), std::getenv("TMP"), path)) {
        switch (WritePage(path, ComposeReferralPage(ReferralPageName(), url))) {
        case PageWrite::Written:
            OpenWithShell(owner, path.c_str());
            return;
        case PageWrite::Failed: {
            std::string message = "ERROR: Could not write '" + path + "'.";
            ShowMessage(owner, message.c_str());
            break;
        }
        case PageWrite::NotCreated:
            break;
        }
    }
    OpenWithShell(owner, url);
}

void VisitInternetSite(HWND owner) {
    std::string question = std::string("Visit Internet Site?") + kWebQuestionNote;
    if (ShowMessage(owner, question.c_str(), MB_ICONWARNING | MB_YESNO) == IDYES)
        OpenViaReferralPage(owner, QUILLET_SITE_URL);
}

void CheckForUpdates() {
    std::string question = std::string("Check for 'Quillet' updates?") + kWebQuestionNote;
    if (ShowMessage(nullptr, question.c_str(), MB_ICONWARNING | MB_YESNO) == IDYES)
        OpenViaReferralPage(nullptr, UpdateUrl().c_str());
}
