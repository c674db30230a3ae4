// Preset stamps, the referral page, the update check and the donation dialog.
#include "base/product.h"
#include "driver.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <cctype>
#include <ctime>
#include <memory>

namespace {

const char kPageName[] = "Quillet v1.0.3.2 - Internet Referrering Page.htm";

std::string UserName() {
    char name[1024] = {};
    DWORD size = sizeof(name);
    GetUserNameA(name, &size);
    return name;
}

std::string ComputerName() {
    char name[1024] = {};
    DWORD size = sizeof(name);
    GetComputerNameA(name, &size);
    return name;
}

// The time part of a stamp for every second from `from` to `to`.
std::vector<std::string> TimeTexts(std::time_t from, std::time_t to) {
    std::vector<std::string> texts;
    for (std::time_t t = from; t <= to; ++t) {
        char text[128];
        std::strftime(text, sizeof(text), "%Y %B %d - %H:%M:%S:[", std::localtime(&t));
        texts.push_back(text);
    }
    return texts;
}

// Checks that `half` is prefix + time + four-digit counter + suffix, with a
// time between the two clock readings.
void ExpectStampHalf(const std::string &half, const std::string &prefix, const std::string &suffix,
                     std::time_t before, std::time_t after) {
    ASSERT_EQ(half.compare(0, prefix.size(), prefix), 0) << half;
    ASSERT_GE(half.size(), prefix.size() + suffix.size() + 6) << half;
    ASSERT_EQ(half.compare(half.size() - suffix.size(), suffix.size(), suffix), 0) << half;
    std::string middle = half.substr(prefix.size(), half.size() - prefix.size() - suffix.size());
    bool timeMatches = false;
    for (const std::string &time : TimeTexts(before, after))
        if (middle.compare(0, time.size(), time) == 0) {
            timeMatches = true;
            std::string counter = middle.substr(time.size());
            ASSERT_EQ(counter.size(), 5u) << middle;
            EXPECT_EQ(counter[0], '0');
            EXPECT_EQ(counter[4], ']');
            EXPECT_TRUE(isdigit(counter[1]) && isdigit(counter[2]) && isdigit(counter[3]))
                << counter;
        }
    EXPECT_TRUE(timeMatches) << middle;
}

class WebTest : public QuilletTest {
  protected:
    void SetUp() override {
        temp_ = FreshFolder("web-temp");
        SetEnvironmentVariableA("TEMP", temp_.c_str());
        SetEnvironmentVariableA("TMP", temp_.c_str());
        quillet_ = &Start(FreshFolder("web"));
        ASSERT_NE(quillet_->noteWindow(), nullptr);
    }
    std::string PagePath() const { return temp_ + kPageName; }
    std::string temp_;
    Quillet *quillet_ = nullptr;
};

} // namespace

TEST_F(WebTest, StampsCarryTheRealNamesAndTheTime) {
    Quillet &q = *quillet_;
    const std::string user = UserName(), computer = ComputerName();
    struct Shape {
        int id;
        std::string prefix, suffix;
        bool doubled;
    } shapes[] = {
        {IDM_STAMP_TIME, "'", "'", false},
        {IDM_STAMP_USER_COMPUTER_TIME, "'" + user + " - " + computer + " - ", "'", false},
        {IDM_STAMP_HTML_USER_TIME, "<!-- '" + user + " - ", "' -->", false},
        {IDM_STAMP_DOUBLE_HTML_COMPUTER_TIME, "<!-- '" + computer + " - ", "' -->", true},
        {IDM_STAMP_DOUBLE_C_USER_COMPUTER_TIME, "// <!-- '" + user + " - " + computer + " - ",
         "' -->", true},
        {IDM_STAMP_C_TIME, "// <!-- '", "' -->", false},
    };
    for (const Shape &shape : shapes) {
        SetClipboardText("-");
        std::time_t before = std::time(nullptr);
        q.Command(shape.id);
        std::string stamp = WaitForClipboardChange("-");
        std::time_t after = std::time(nullptr);
        ASSERT_GE(stamp.size(), 2u) << shape.id;
        ASSERT_EQ(stamp.substr(stamp.size() - 2), "\r\n") << shape.id;
        std::string body = stamp.substr(0, stamp.size() - 2);
        if (shape.doubled) {
            size_t gap = body.find("\r\n\r\n");
            ASSERT_NE(gap, std::string::npos) << shape.id;
            EXPECT_EQ(body.substr(0, gap), body.substr(gap + 4)) << shape.id;
            body = body.substr(0, gap);
        }
        EXPECT_EQ(body.find('\n'), std::string::npos) << shape.id;
        ExpectStampHalf(body, shape.prefix, shape.suffix, before, after);
    }
}

TEST_F(WebTest, UpdateCheckWritesThePageAndOpensIt) {
    Quillet &q = *quillet_;
    q.Command(IDM_UPDATE_CHECK);
    BoxInfo question = q.AnswerNext(IDNO);
    EXPECT_EQ(
        question.text.rfind("Check for 'Quillet' updates?\n\nPLEASE NOTE: This will generate a "
                            "HTML page that can be checked for routed personal information "
                            "by viewing the source. Your firewall will not be queried for "
                            "permission.",
                            0),
        0u);
    EXPECT_TRUE(question.hasYesNo);
    EXPECT_TRUE(q.NoBoxFor(300));
    EXPECT_FALSE(Exists(PagePath()));

    size_t already = OpeningsSoFar();
    q.Command(IDM_UPDATE_CHECK);
    q.AnswerNext(IDYES);
    std::vector<std::string> opened = OpeningsAfter(already, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find(kPageName), std::string::npos) << opened[0];
    std::string page = ReadFileBytes(PagePath());
    const std::string url = QUILLET_SITE_URL "/version_checker.pl?version=Quillet v1.0.3.2";
    EXPECT_NE(page.find("<a href=\"" + url + "\">" + url + "</a><br><br>\r\n"), std::string::npos);
    EXPECT_EQ(page.rfind("<html>\r\n<head>\r\n<title>" + std::string(kPageName) + "</title>", 0),
              0u);
    EXPECT_EQ(page.substr(page.size() - 9), "\r\n</html>");
}

TEST_F(WebTest, VisitSiteAsksThenOpensThePage) {
    Quillet &q = *quillet_;
    q.Command(IDM_VISIT_SITE);
    EXPECT_EQ(q.AnswerNext(IDNO).text.rfind("Visit Internet Site?\n\nPLEASE NOTE:", 0), 0u);
    EXPECT_FALSE(Exists(PagePath()));
    size_t already = OpeningsSoFar();
    q.Command(IDM_VISIT_SITE);
    q.AnswerNext(IDYES);
    EXPECT_EQ(OpeningsAfter(already, 1).size(), 1u);
    EXPECT_NE(ReadFileBytes(PagePath()).find("<a href=\"" QUILLET_SITE_URL "\">"),
              std::string::npos);
}

TEST_F(WebTest, DonationDialog) {
    Quillet &q = *quillet_;
    q.Command(IDM_DONATE);
    HWND dialog = q.WaitForWindow(std::string(kVersion) + " - Donate - VANTLER");
    ASSERT_NE(dialog, nullptr);
    HWND address = GetDlgItem(dialog, IDC_DONATE_URL);
    EXPECT_TRUE(WaitFor(5000, [&] { return ControlText(address) == QUILLET_DONATION_URL; }))
        << ControlText(address);
    LRESULT selection = SendMessageA(address, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), sizeof(QUILLET_DONATION_URL) - 1);
    EXPECT_TRUE(GetWindowLongA(address, GWL_STYLE) & ES_READONLY);
    EXPECT_NE(SendMessageA(GetDlgItem(dialog, IDC_DONATE_BUTTON), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);

    // Centred over the (hidden) NoteWindow, then kept inside the work area.
    RECT owner = WindowRect(q.noteWindow()), own = WindowRect(dialog), work = WorkArea();
    int w = own.right - own.left, h = own.bottom - own.top;
    int x = owner.left + (owner.right - owner.left) / 2 - w / 2;
    int y = owner.top + (owner.bottom - owner.top) / 2 - h / 2;
    if (x < work.left)
        x = work.left;
    else if (x + w > work.right)
        x = work.right - w;
    if (y < work.top)
        y = work.top;
    else if (y + h > work.bottom)
        y = work.bottom - h;
    EXPECT_EQ(own.left, x);
    EXPECT_EQ(own.top, y);

    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Esc leaves the dialog open";

    size_t already = OpeningsSoFar();
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DONATE_BUTTON, BN_CLICKED), 0);
    ASSERT_EQ(OpeningsAfter(already, 1).size(), 1u);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DONATE_BUTTON, BN_CLICKED), 0);
    EXPECT_EQ(OpeningsAfter(already, 2).size(), 2u);
    const std::string url = QUILLET_DONATION_URL;
    EXPECT_NE(ReadFileBytes(PagePath()).find("<a href=\"" + url + "\">" + url + "</a>"),
              std::string::npos);
    EXPECT_TRUE(IsWindowVisible(dialog));

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor(5000, [&] { return !IsWindow(dialog); }));
}
