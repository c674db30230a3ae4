#include "referral_page.h"
#include "../app/app_state.h"
#include "../app/win_handles.h"
#include "../notes/text_mode.h"
#include "page_text.h"
#include <shellapi.h>
#include <cstdlib>

namespace {

const char kWebQuestionNote[] =
    "\n\nPLEASE NOTE: This will generate a HTML page that can be checked for routed personal "
    "information by viewing the source. Your firewall will not be queried for permission.";

bool WritePage(const std::string &path, const std::string &text) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    std::string stored = EncodeTextMode(text.data(), text.size());
    DWORD wrote = 0;
    WriteFile(file.get(), stored.data(), static_cast<DWORD>(stored.size()), &wrote, nullptr);
    return true;
}

void OpenWithDefaultHandler(const char *target) {
    ShellExecuteA(nullptr, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace

void OpenViaReferralPage(const char *url) {
    std::string path;
    if (ReferralPagePath(std::getenv("TEMP"), std::getenv("TMP"), path) &&
        WritePage(path, ComposeReferralPage(ReferralPageName(), url))) {
        OpenWithDefaultHandler(path.c_str());
        return;
    }
    OpenWithDefaultHandler(url);
}

void VisitInternetSite(HWND owner) {
    std::string question = std::string("Visit Internet Site?") + kWebQuestionNote;
    if (ShowMessage(owner, question.c_str(), MB_ICONWARNING | MB_YESNO) == IDYES)
        OpenViaReferralPage(QUILLET_SITE_URL);
}

void CheckForUpdates() {
    std::string question = std::string("Check for 'Quillet' updates?") + kWebQuestionNote;
    if (ShowMessage(nullptr, question.c_str(), MB_ICONWARNING | MB_YESNO) == IDYES)
        OpenViaReferralPage(UpdateUrl().c_str());
}
