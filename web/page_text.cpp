#include "page_text.h"
#include "../base/fixed_text.h"
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kMaxPathLength = 259;

constexpr uint32_t Fnv1a(const char *text, uint32_t hash = 2166136261u) {
    return *text ? Fnv1a(text + 1, (hash ^ static_cast<unsigned char>(*text)) * 16777619u) : hash;
}

// Fixed when the program is built; a changed address no longer matches it.
constexpr uint32_t kDonationUrlHash = Fnv1a(QUILLET_DONATION_URL);
constexpr size_t kDonationUrlLength = sizeof(QUILLET_DONATION_URL) - 1;

} // namespace

bool ComposeReferralPage(const char *pageName, const char *url, char *out, size_t outSize) {
    FixedText page(out, outSize);
    page.add("<html>\n<head>\n<title>").add(pageName).add("</title>\n</head>\n\n<body>\n\n");
    page.add("<font face=\"arial\" size=\"4\">\n\nClick to visit.....\n\n<br><br>\n\n");
    page.add("<a href=\"").add(url).add("\">").add(url).add("</a><br><br>\n\n</font>\n\n");
    page.add("<br><br>\n\n<table border=\"0\" width=\"400\">\n<td>\n");
    page.add("<font face=\"arial\" size=\"2\">\n");
    page.add("[<a href=\"" QUILLET_HOME_URL "\">Vantler</a> (and it's associates) cannot be held "
             "responsible for the content of linked internet sites/pages.\n"
             "The content of linked internet sites/pages is the property of their respective "
             "owners.]\n");
    page.add("</font>\n</td>\n</table>\n\n</body>\n</html>");
    return !page.cut();
}

template <class Char>
bool ReferralPagePath(const Char *temp, const Char *tmp, Char *out, size_t outSize) {
    size_t limit = kMaxPathLength - (sizeof(kReferralPageName) - 1);
    size_t tempLength = temp ? TextLength(temp) : 0;
    size_t tmpLength = tmp ? TextLength(tmp) : 0;
    if (tempLength > limit || tmpLength > limit) return false;
    const Char *folder = tempLength > 0 ? temp : tmp;
    size_t folderLength = tempLength > 0 ? tempLength : tmpLength;
    if (folderLength == 0) return false;
    BasicFixedText<Char> path(out, outSize);
    path.add(folder);
    if (folder[folderLength - 1] != Char('\\')) path.add(Char('\\'));
    path.addAscii(kReferralPageName);
    return !path.cut();
}
template bool ReferralPagePath(const char *, const char *, char *, size_t);
template bool ReferralPagePath(const wchar_t *, const wchar_t *, wchar_t *, size_t);

bool DonationUrlIntact(const char *url) {
    return url && std::strlen(url) == kDonationUrlLength && Fnv1a(url) == kDonationUrlHash;
}
