#include "records/Datum.h"

#include <gtest/gtest.h>

#include "TestUtil.h"
#include "base/AppState.h"
#include "records/V3File.h"

using namespace v3;

namespace {

struct DateLine {
    const char* line;
    int day, month, year, dayOfYear, weekday;
    const char* written;
};

TEST(Datum, DateLinesAreNeverRejected) {
    const DateLine cases[] = {
        {"29.02.1996", 29, 2, 1996, 60, 4, "29.02.1996"},
        {"29.02.1997", 29, 2, 1997, 0, 0, "29.02.1997"},  // invalid: kept as read
        {"1.1.2000", 1, 1, 2000, 1, 6, "01.01.2000"},
        {"07.03.0075", 7, 4, 1775, 97, 5, "07.04.1775"},  // year below 1700: +1700, month + 1
        {"", 0, 1, 1700, 0, 0, "00.01.1700"},
        {"garbage", 0, 1, 1700, 0, 0, "00.01.1700"},
        {"31.12.1999 23:59", 31, 12, 1999, 365, 5, "31.12.1999"},
    };
    ScopedAppState state;
    v3test::TempDir dir;
    std::string text = "%SECT%D\n";
    for (const auto& c : cases) text += std::string(c.line) + "\n";
    v3test::WriteBytes(dir.path() / "d.sav", text);
    CV3File f;
    ASSERT_NE(f.Open(dir.File("d.sav"), CV3File::modeRead), 0);
    ASSERT_TRUE(f.FindSection("D"));
    for (const auto& c : cases) {
        CDatum d;
        d.hour = 5;
        EXPECT_TRUE(f.GetDatum(d)) << c.line;
        EXPECT_EQ(d.day, c.day) << c.line;
        EXPECT_EQ(d.month, c.month) << c.line;
        EXPECT_EQ(d.year, c.year) << c.line;
        EXPECT_EQ(d.dayOfYear, c.dayOfYear) << c.line;
        EXPECT_EQ(d.weekday, c.weekday) << c.line;
        EXPECT_EQ(d.hour, 5) << c.line;  // time of day untouched
        EXPECT_EQ(d.Text(), c.written) << c.line;
    }
}

TEST(Datum, InitFromPartsClampsTheDay) {
    struct Case {
        int d, m, y;
        const char* result;  // nullptr: refused
    } cases[] = {
        {31, 4, 1980, "30.04.1980"}, {30, 2, 1981, "28.02.1981"}, {30, 2, 1980, "29.02.1980"},
        {31, 12, 1980, "31.12.1980"}, {0, 5, 1980, nullptr},       {32, 5, 1980, nullptr},
        {1, 13, 1980, nullptr},      {1, 1, 0, nullptr},
    };
    for (const auto& c : cases) {
        CDatum d;
        double r = d.Init(c.d, c.m, c.y, 0, 0, 0);
        if (c.result) {
            EXPECT_GT(r, 0.0);
            EXPECT_EQ(d.Text(), c.result);
            EXPECT_EQ(d.dayOfYear, CDatum::tagesnummer(d.year, d.month, d.day));
        } else {
            EXPECT_EQ(r, -1.0) << c.d << "." << c.m << "." << c.y;
            EXPECT_EQ(d.Text(), "21.05.1971");
        }
    }
    CDatum t;
    EXPECT_EQ(t.Init(1, 1, 2000, 24, 0, 0), -1.0);
    EXPECT_EQ(t.Init(1, 1, 2000, 0, 60, 0), -1.0);
    EXPECT_EQ(t.Init(1, 1, 2000, 0, 0, 60), -1.0);
    EXPECT_EQ(t.Init(1, 1, 2000, 12, 0, 0) - t.Init(1, 1, 2000, 0, 0, 0), 0.5);
}

TEST(Datum, CalendarArithmetic) {
    for (auto [y, leap] : {std::pair{1996, 1}, {1997, 0}, {1900, 0}, {2000, 1}, {2100, 0}})
        EXPECT_EQ(CDatum::schaltjahr(y), leap) << y;
    EXPECT_EQ(CDatum::tagesnummer(1997, 3, 1), 60);
    EXPECT_EQ(CDatum::tagesnummer(1996, 3, 1), 61);
    EXPECT_EQ(CDatum::tagesnummer(1996, 12, 31), 366);
    EXPECT_EQ(CDatum::wochentag_im_jahr(2001, 1), 1);  // Monday
    EXPECT_EQ(CDatum::wochentag_im_jahr(1996, 60), 4);
    // Consecutive days have consecutive day numbers, across month and year ends.
    EXPECT_EQ(CDatum::jdatum(1980, 1, 1) - CDatum::jdatum(1979, 12, 31), 1);
    EXPECT_EQ(CDatum::jdatum(1980, 3, 1) - CDatum::jdatum(1980, 2, 29), 1);
    EXPECT_EQ(CDatum::jdatum(2001, 1, 1) - CDatum::jdatum(2000, 1, 1), 366);

    long y, m, d;
    CDatum::gdatum(2451911, y, m, d);  // Julian Day Number of 1 January 2001
    EXPECT_EQ(y * 10000 + m * 100 + d, 20010101);
    CDatum::gdatum(2450143, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 19960229);
}

TEST(Datum, InitFromDayNumberSetsDateAndTime) {
    CDatum d;
    EXPECT_EQ(d.Init(-1.0), 0);
    EXPECT_EQ(d.Text(), "21.05.1971");
    EXPECT_EQ(d.Init(2451911.75), 1);
    EXPECT_EQ(d.Text(), "01.01.2001");
    EXPECT_EQ(d.hour, 18);
    EXPECT_EQ(d.minute, 0);
    EXPECT_EQ(d.second, 0);
}

TEST(Datum, ComparisonAndAssignment) {
    CDatum a, b;
    a.Init(31, 12, 1979, 0, 0, 0);
    b.Init(1, 1, 1980, 0, 0, 0);
    EXPECT_EQ(a < b, 1);
    EXPECT_EQ(b < a, 0);
    EXPECT_EQ(a < a, 0);

    CDatum src;
    src.Init(2, 3, 1990, 4, 5, 6);
    CDatum dst;
    dst.second = 42;
    dst = src;
    EXPECT_EQ(dst.Text(), "02.03.1990");
    EXPECT_EQ(dst.hour, 4);
    EXPECT_EQ(dst.minute, 5);
    EXPECT_EQ(dst.second, 42);  // seconds are not assigned
    EXPECT_EQ(dst.dayOfYear, src.dayOfYear);
}

TEST(Datum, TextLayouts) {
    struct Case {
        const char* text;
        int layout;
        int d, m, y, h, mi;
    } cases[] = {
        {"9912310815", 1, 31, 13, 1799, 8, 15},  // two-digit year: +1700 and month + 1
        {"31.12.1999.08.15", 2, 31, 12, 1999, 8, 15},
        {"31 12 1999 08 15", 3, 31, 12, 1999, 8, 15},
        {"31.12.1999 08:15", 4, 31, 12, 1999, 8, 15},
        {"31121999 0815", 5, 31, 12, 1999, 8, 15},
        {"31.12.1999", 9, 0, 1, 1700, 0, 0},  // unknown layout scans nothing
    };
    for (const auto& c : cases) {
        KalenderRecord r;
        EXPECT_EQ(CDatum::StringToStructTM(c.text, c.layout, r), 1);
        EXPECT_EQ(r.tm_mday, c.d) << c.text;
        EXPECT_EQ(r.tm_mon, c.m) << c.text;
        EXPECT_EQ(r.tm_year, c.y) << c.text;
        EXPECT_EQ(r.tm_hour, c.h) << c.text;
        EXPECT_EQ(r.tm_min, c.mi) << c.text;
    }
}

}  // namespace
