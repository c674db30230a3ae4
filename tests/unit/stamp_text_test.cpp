#include "cliptools/stamp_text.h"
#include "support/string_forms.h"
#include <gtest/gtest.h>

namespace {

std::tm Example() {
    std::tm t = {};
    t.tm_year = 2007 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 6;
    t.tm_hour = 7;
    t.tm_min = 22;
    t.tm_sec = 39;
    t.tm_wday = 4;
    t.tm_yday = 339;
    return t;
}

std::string Stamp(StampSwitches s, uint32_t timer = 10057) {
    return ComposeStamp(s, "alice", "DESK7", Example(), timer);
}

const std::string kTime = "2007 December 06 - 07:22:39:[0057]";

struct Case {
    int id;
    StampSwitches switches;
    std::string line; // one half, without CR LF
};

// The twenty commands of the menu with the exact stamp each one gives.
const Case kCases[] = {
    {40014, {false, false, false, true, false, false}, "'" + kTime + "'"},
    {40018, {false, false, false, true, true, false}, "'DESK7 - " + kTime + "'"},
    {40019, {false, false, false, true, false, true}, "'alice - " + kTime + "'"},
    {40020, {false, false, false, true, true, true}, "'alice - DESK7 - " + kTime + "'"},
    {40030, {true, false, false, true, true, false}, "<!-- 'DESK7 - " + kTime + "' -->"},
    {40031, {true, false, false, true, false, true}, "<!-- 'alice - " + kTime + "' -->"},
    {40032, {true, false, false, true, true, true}, "<!-- 'alice - DESK7 - " + kTime + "' -->"},
    {40033, {true, false, false, true, false, false}, "<!-- '" + kTime + "' -->"},
    {40036, {true, false, true, true, true, false}, "<!-- 'DESK7 - " + kTime + "' -->"},
    {40037, {true, false, true, true, false, true}, "<!-- 'alice - " + kTime + "' -->"},
    {40038, {true, false, true, true, true, true}, "<!-- 'alice - DESK7 - " + kTime + "' -->"},
    {40039, {true, false, true, true, false, false}, "<!-- '" + kTime + "' -->"},
    {40046, {true, true, true, true, true, true}, "// <!-- 'alice - DESK7 - " + kTime + "' -->"},
    {40047, {true, true, true, true, true, false}, "// <!-- 'DESK7 - " + kTime + "' -->"},
    {40048, {true, true, true, true, false, true}, "// <!-- 'alice - " + kTime + "' -->"},
    {40049, {true, true, true, true, false, false}, "// <!-- '" + kTime + "' -->"},
    {40050, {true, true, false, true, true, true}, "// <!-- 'alice - DESK7 - " + kTime + "' -->"},
    {40051, {true, true, false, true, true, false}, "// <!-- 'DESK7 - " + kTime + "' -->"},
    {40052, {true, true, false, true, false, true}, "// <!-- 'alice - " + kTime + "' -->"},
    {40053, {true, true, false, true, false, false}, "// <!-- '" + kTime + "' -->"},
};

} // namespace

TEST(Stamp, EveryCommandGivesItsExactText) {
    for (const Case &c : kCases) {
        std::string expected =
            c.switches.doubled ? c.line + "\r\n\r\n" + c.line + "\r\n" : c.line + "\r\n";
        EXPECT_EQ(Stamp(c.switches), expected) << c.id;
    }
}

TEST(Stamp, MillisecondFieldAlwaysHasFourDigits) {
    StampSwitches timeOnly = {false, false, false, true, false, false};
    const std::pair<uint32_t, const char *> cases[] = {{0, "[0000]"},    {5, "[0005]"},
                                                       {57, "[0057]"},   {999, "[0999]"},
                                                       {1000, "[0000]"}, {4294967295u, "[0295]"}};
    for (const auto &c : cases)
        EXPECT_NE(Stamp(timeOnly, c.first).find(c.second), std::string::npos) << c.first;
}

TEST(Stamp, NamesAreTrimmed) {
    StampSwitches names = {false, false, false, true, true, true};
    std::string stamp = ComposeStamp(names, " \t alice\n", "\nDESK7 \t", Example(), 57);
    EXPECT_EQ(stamp, "'alice - DESK7 - " + kTime + "'\r\n");
    std::string empty = ComposeStamp(names, "", "", Example(), 57);
    EXPECT_EQ(empty, "' -  - " + kTime + "'\r\n");
}

TEST(Stamp, SingleDigitDayAndHourHaveLeadingZeros) {
    std::tm t = Example();
    t.tm_mon = 0;
    t.tm_mday = 1;
    t.tm_hour = 0;
    t.tm_min = 5;
    t.tm_sec = 9;
    StampSwitches timeOnly = {false, false, false, true, false, false};
    EXPECT_EQ(ComposeStamp(timeOnly, "", "", t, 3), "'2007 January 01 - 00:05:09:[0003]'\r\n");
    const char *months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 0; m < 12; ++m) {
        t.tm_mon = m;
        EXPECT_NE(ComposeStamp(timeOnly, "", "", t, 0).find(months[m]), std::string::npos);
    }
}
