#include "page_text.h"
#include "../base/product.h"
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

std::string ReferralPageName() {
    return std::string(QUILLET_VERSION_STRING) + " - Internet Referrering Page.htm";
}

std::string ComposeReferralPage(const std::string &pageName, const std::string &url) {
    return "<html>\n"
           "<head>\n"
           "<title>" +
           pageName +
           "</title>\n"
           "</head>\n"
           "\n"
           "<body>\n"
           "\n"
           "<font face=\"arial\" size=\"4\">\n"
           "\n"
           "Click to visit.....\n"
           "\n"
           "<br><br>\n"
           "\n"
           "<a href=\"" +
           url + "\">" + url +
           "</a><br><br>\n"
           "\n"
           "</font>\n"
           "\n"
           "<br><br>\n"
           "\n"
           "<table border=\"0\" width=\"400\">\n"
           "<td>\n"
           "<font face=\"arial\" size=\"2\">\n"
           "[<a href=\"" QUILLET_HOME_URL "\">Vantler</a> (and it's associates) cannot be held "
           "responsible for the content of linked internet sites/pages.\n"
           "The content of linked internet sites/pages is the property of their respective "
           "owners.]\n"
           "</font>\n"
           "</td>\n"
           "</table>\n"
           "\n"
           "</body>\n"
           "</html>";
}

std::string UpdateUrl() {
    return std::string(QUILLET_SITE_URL) + "/version_checker.pl?version=" QUILLET_VERSION_STRING;
}

bool ReferralPagePath(const char *temp, const char *tmp, std::string &pagePath) {
    std::string name = ReferralPageName();
    size_t limit = kMaxPathLength - name.size();
    std::string tempValue = temp ? temp : "";
    std::string tmpValue = tmp ? tmp : "";
    if (tempValue.size() > limit || tmpValue.size() > limit) return false;
    std::string folder = tempValue.empty() ? tmpValue : tempValue;
    if (folder.empty()) return false;
    if (folder.back() != '\\') folder += '\\';
    pagePath = folder + name;
    return true;
}

bool DonationUrlIntact(const char *url) {
    return url && std::strlen(url) == kDonationUrlLength && Fnv1a(url) == kDonationUrlHash;
}
