#include "base/product.h"
#include "support/string_forms.h"
#include "message_box_answerer.h"
#include "support/browser_recorder.h"
#include "web/page_text.h"
#include "web/referral_page.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>

namespace {

class ReferralPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        log_ = UseBrowserRecorder("referral-openings.txt");
        folder_ = MakeTempFolder("referral");
        saved_temp_ = Get("TEMP");
        saved_tmp_ = Get("TMP");
    }
    void TearDown() override {
        Put("TEMP", saved_temp_);
        Put("TMP", saved_tmp_);
    }
    static std::string Get(const char *name) {
        const char *value = std::getenv(name);
        return value ? value : "";
    }
    static void Put(const char *name, const std::string &value) {
        _putenv_s(name, value.c_str()); // keeps the C runtime and the process environment in step
    }
    std::string Page(const std::string &folder) const { return folder + ReferralPageName(); }
    std::string log_, folder_, saved_temp_, saved_tmp_;
};

} // namespace

TEST_F(ReferralPageTest, WritesThePageWithCrLfAndOpensIt) {
    Put("TEMP", folder_.substr(0, folder_.size() - 1));
    Put("TMP", "");
    OpenViaReferralPage(nullptr, QUILLET_SITE_URL);
    std::string page = ReadFileBytes(Page(folder_));
    std::string expected = ComposeReferralPage(ReferralPageName(), QUILLET_SITE_URL);
    std::string crlf;
    for (char c : expected)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(page, crlf);
    std::vector<std::string> opened = RecordedOpenings(log_, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find(ReferralPageName()), std::string::npos) << opened[0];
}

TEST_F(ReferralPageTest, FallsBackToTmpThenToTheAddressItself) {
    Put("TEMP", "");
    Put("TMP", folder_); // with its trailing backslash: no second one is added
    OpenViaReferralPage(nullptr, "http://www.vantler.example/a");
    EXPECT_TRUE(Exists(Page(folder_)));
    DeleteFileA(Page(folder_).c_str());

    Put("TEMP", folder_ + "no such folder");
    OpenViaReferralPage(nullptr, "http://www.vantler.example/b");
    Put("TEMP", folder_);
    Put("TMP", std::string(260 - 48, 't'));
    OpenViaReferralPage(nullptr, "http://www.vantler.example/c");
    EXPECT_FALSE(Exists(Page(folder_)));
    Put("TEMP", "");
    Put("TMP", "");
    OpenViaReferralPage(nullptr, "http://www.vantler.example/d");

    // The openings run as separate processes, so their lines may come in any order.
    std::vector<std::string> opened = RecordedOpenings(log_, 4);
    ASSERT_EQ(opened.size(), 4u);
    auto openedOnce = [&](const std::string &what) {
        return std::count_if(opened.begin(), opened.end(), [&](const std::string &line) {
                   return line.find(what) != std::string::npos;
               }) == 1;
    };
    EXPECT_TRUE(openedOnce(ReferralPageName()));
    EXPECT_TRUE(openedOnce("\"http://www.vantler.example/b\""));
    EXPECT_TRUE(openedOnce("\"http://www.vantler.example/c\""));
    EXPECT_TRUE(openedOnce("\"http://www.vantler.example/d\""));
}

TEST_F(ReferralPageTest, QuestionsAskFirst) {
    Put("TEMP", folder_);
    {
        MessageBoxAnswerer boxes({IDNO, IDNO});
        VisitInternetSite(nullptr);
        CheckForUpdates();
        ASSERT_EQ(boxes.seen().size(), 2u);
        EXPECT_EQ(
            boxes.seen()[0].text.find("Visit Internet Site?\n\nPLEASE NOTE: This will generate"),
            0u);
        EXPECT_EQ(boxes.seen()[1].text.find("Check for 'Quillet' updates?\n\nPLEASE NOTE:"), 0u);
        EXPECT_TRUE(boxes.seen()[1].hasYesNo);
    }
    EXPECT_FALSE(Exists(Page(folder_)));
    MessageBoxAnswerer boxes({IDYES});
    CheckForUpdates();
    std::string page = ReadFileBytes(Page(folder_));
    std::string link = "<a href=\"" + UpdateUrl() + "\">" + UpdateUrl() + "</a>";
    EXPECT_NE(page.find(link), std::string::npos);
    EXPECT_EQ(RecordedOpenings(log_, 1).size(), 1u);
}
