#include "terms_text.h"
#include "../cliptools/text_rules.h"
#include "../base/product.h"
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
template <class... Args> std::string Format(const char *format, Args... args) {
    int length = std::snprintf(nullptr, 0, format, args...);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), format, args...);
    return buffer.data();
}
} // namespace

std::string AcceptanceText() {
    std::string text =
        Format("The Terms and Conditions and Disclaimer for '%s' have been accepted.",
               QUILLET_VERSION_STRING);
    std::vector<char> trimmed(text.begin(), text.end());
    trimmed.push_back('\0');
    TrimText(trimmed.data());
    return trimmed.data();
}

std::string DisclaimerText() {
    return Format(
        "LEGAL DISCLAIMER: This software [%s] is supplied with no warranties given for any "
        "purpose whatsoever. This software is used at the users' own risk, and any and all "
        "companies or persons associated with the programming or supply of this software hereby "
        "exempt themseleves from any and all legal procescution resulting from the use of this "
        "software.\n\nClick 'Yes' to Accept these terms and continue with use of this software; "
        "Click 'No' to reject these terms and discontinue use of this software.",
        QUILLET_VERSION_STRING);
}

std::string LinksQuestionText() {
    return Format("This is the first time you have run this version of this application.\n\n"
                  "Create links/shortcuts to %s?",
                  QUILLET_VERSION_STRING);
}

std::string SharedLocationNoteText(const char *programFolder) {
    return Format(
        "IMPORTANT NOTE: '%s' is not designed to operate from a shared location and it should be "
        "executed from a unshared and secured folder.\n\nIMPORTANT NOTE: '%s' stores unencrypted "
        "data in it's containing folder, and should not be executed from a insecure or shared "
        "folder.\n\nAlso, please remember to add the...\n\n'%s'\n\n... folder to your backup "
        "itinery.",
        QUILLET_VERSION_STRING, QUILLET_VERSION_STRING, programFolder);
}

std::string AcceptanceCreationErrorText() {
    return Format("ERROR: Could not create '%s' ['%s'].", kAcceptanceFileName, kAcceptanceFileName);
}

bool AcceptanceLineMatches(char *firstLine, const std::string &acceptance) {
    TrimText(firstLine);
    size_t compared = acceptance.empty() ? 0 : acceptance.size() - 1;
    return std::strncmp(firstLine, acceptance.c_str(), compared) == 0;
}
