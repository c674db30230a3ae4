#include "base/product.h"
#include "web/page_text.h"
#include "support/string_forms.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {
std::string ExpectedPage(const std::string &url) {
    return "<html>\n<head>\n<title>Quillet v1.0.3.2 - Internet Referrering Page.htm</title>\n"
           "</head>\n\n<body>\n\n<font face=\"arial\" size=\"4\">\n\nClick to visit.....\n\n"
           "<br><br>\n\n<a href=\"" +
           url + "\">" + url +
           "</a><br><br>\n\n</font>\n\n"
           "<br><br>\n\n<table border=\"0\" width=\"400\">\n<td>\n"
           "<font face=\"arial\" size=\"2\">\n"
           "[<a href=\"http://www.vantler.example\">Vantler</a> (and it's associates) cannot be "
           "held responsible for the content of linked internet sites/pages.\n"
           "The content of linked internet sites/pages is the property of their respective "
           "owners.]\n</font>\n</td>\n</table>\n\n</body>\n</html>";
}
} // namespace

TEST(ReferralPage, NameIsFortyEightCharacters) {
    EXPECT_EQ(ReferralPageName(), "Quillet v1.0.3.2 - Internet Referrering Page.htm");
    EXPECT_EQ(ReferralPageName().size(), 48u);
}

TEST(ReferralPage, TextForEachAddressByteForByte) {
    const std::string urls[] = {QUILLET_SITE_URL, UpdateUrl(), QUILLET_DONATION_URL};
    for (const std::string &url : urls) {
        std::string page = ComposeReferralPage(ReferralPageName(), url);
        EXPECT_EQ(page, ExpectedPage(url));
        EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 29);
    }
}

TEST(ReferralPage, UpdateAddressKeepsItsSpace) {
    EXPECT_EQ(UpdateUrl(),
              "http://www.vantler.example/software/quillet/version_checker.pl?version=Quillet "
              "v1.0.3.2");
    EXPECT_EQ(std::string(QUILLET_SITE_URL), "http://www.vantler.example/software/quillet");
}

TEST(ReferralPage, FolderRules) {
    std::string path;
    ASSERT_TRUE(ReferralPagePath("C:\\T", "C:\\U", path));
    EXPECT_EQ(path, "C:\\T\\" + ReferralPageName());
    ASSERT_TRUE(ReferralPagePath("", "C:\\U\\", path));
    EXPECT_EQ(path, "C:\\U\\" + ReferralPageName());
    ASSERT_TRUE(ReferralPagePath(nullptr, "C:\\U", path));
    EXPECT_EQ(path, "C:\\U\\" + ReferralPageName());
    EXPECT_FALSE(ReferralPagePath(nullptr, nullptr, path));
    EXPECT_FALSE(ReferralPagePath("", "", path));
    std::string longest(259 - 48, 't'), tooLong(260 - 48, 't');
    EXPECT_TRUE(ReferralPagePath(longest.c_str(), nullptr, path));
    EXPECT_FALSE(ReferralPagePath("C:\\T", tooLong.c_str(), path)); // TMP tested though unused
    EXPECT_FALSE(ReferralPagePath(tooLong.c_str(), "C:\\U", path));
}

TEST(DonationAddress, OnlyTheShippedAddressIsIntact) {
    EXPECT_TRUE(DonationUrlIntact(QUILLET_DONATION_URL));
    std::string changed = QUILLET_DONATION_URL;
    changed[changed.size() - 1] = 'X';
    EXPECT_FALSE(DonationUrlIntact(changed.c_str()));
    EXPECT_FALSE(DonationUrlIntact((changed + "x").c_str()));
    EXPECT_FALSE(DonationUrlIntact(""));
    EXPECT_FALSE(DonationUrlIntact(nullptr));
}
