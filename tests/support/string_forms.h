// The pure functions in the forms the tests compare most easily: each fills a
// large enough buffer and hands back a std::string (or a vector).
#pragma once
#include "app/terms_text.h"
#include "cliptools/stamp_text.h"
#include "links/link_rules.h"
#include "notes/backup_name.h"
#include "notes/text_mode.h"
#include "ui/slide_math.h"
#include "web/page_text.h"
#include <string>
#include <vector>

inline std::string EncodeTextMode(const char *text, size_t length) {
    std::string stored(2 * length + 1, '\0');
    size_t size = EncodeTextMode(text, length, &stored[0], stored.size());
    stored.resize(size);
    return stored;
}

inline std::string ComposeBackupName(const char *folder, int64_t seconds, const char *note) {
    char name[1024];
    ComposeBackupName(folder, seconds, note, name, sizeof(name));
    return name;
}

inline std::string BackupTitle(const char *note) {
    char title[kBackupTitleLength + 1];
    BackupTitle(note, title);
    return title;
}

inline std::string ComposeStamp(const StampSwitches &switches, const char *user,
                                const char *computer, const std::tm &localTime, uint32_t timer) {
    char stamp[kStampBufferSize];
    ComposeStamp(switches, user, computer, localTime, timer, stamp, sizeof(stamp));
    return stamp;
}

inline std::string ReferralPageName() {
    return kReferralPageName;
}

inline std::string UpdateUrl() {
    return kUpdateUrl;
}

inline std::string ComposeReferralPage(const std::string &pageName, const std::string &url) {
    char page[kReferralPageBufferSize];
    ComposeReferralPage(pageName.c_str(), url.c_str(), page, sizeof(page));
    return page;
}

inline bool ReferralPagePath(const char *temp, const char *tmp, std::string &pagePath) {
    char path[261];
    if (!ReferralPagePath(temp, tmp, path, sizeof(path))) return false;
    pagePath = path;
    return true;
}

inline std::string AcceptanceText() {
    return kAcceptanceText;
}
inline std::string DisclaimerText() {
    return kDisclaimerText;
}
inline std::string LinksQuestionText() {
    return kLinksQuestionText;
}
inline std::string AcceptanceCreationErrorText() {
    return kAcceptanceCreationErrorText;
}
inline std::string SharedLocationNoteText(const char *programFolder) {
    char note[2048];
    SharedLocationNoteText(programFolder, note, sizeof(note));
    return note;
}
inline bool AcceptanceLineMatches(char *firstLine, const std::string &acceptance) {
    return AcceptanceLineMatches(firstLine, acceptance.c_str());
}

inline std::string WithBackslash(const std::string &text) {
    char path[kLinkPathSize];
    WithBackslash(text.c_str(), path, sizeof(path));
    return path;
}
inline std::string QuickLaunchPath(const char *appData, size_t cut) {
    char path[kLinkPathSize];
    QuickLaunchPath(appData, cut, path, sizeof(path));
    return path;
}
inline std::string LinkPathIn(const char *location, size_t cut) {
    char path[kLinkPathSize];
    LinkPathIn(location, cut, path, sizeof(path));
    return path;
}
inline std::string WorkingFolderOf(const char *executablePath) {
    char folder[kLinkPathSize];
    WorkingFolderOf(executablePath, folder, sizeof(folder));
    return folder;
}

inline std::vector<int> SlidePositions(uint32_t delay, int workBottom, int height, bool in) {
    int tops[kMaxSlideFrames];
    size_t count = SlidePositions(delay, workBottom, height, in, tops);
    return std::vector<int>(tops, tops + count);
}
