#include "records/Datum.h"

#include <cmath>
#include <cstdio>

#include "records/V3File.h"
#include "records/ValueRange.h"

namespace v3 {
namespace {

// The range test of every date: parts within their ranges, without month lengths.
bool PartsInRange(int day, int month, int year, int hour, int minute, int second) {
    return year >= 1 && InRange(day, 1, 31) && InRange(month, 1, 12) && InRange(hour, 0, 23) &&
           InRange(minute, 0, 59) && InRange(second, 0, 59);
}

int MonthLength(int month, int year) {
    if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
    if (month == 2) return CDatum::schaltjahr(year) ? 29 : 28;
    return 31;
}

bool Valid(int day, int month, int year, int hour, int minute, int second) {
    return PartsInRange(day, month, year, hour, minute, second) && day <= MonthLength(month, year);
}

double FullDayNumber(int day, int month, int year, int hour, int minute, int second) {
    return double(CDatum::jdatum(year, month, day)) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

}  // namespace

CDatum& CDatum::operator=(const CDatum& o) {
    day = o.day;
    month = o.month;
    year = o.year;
    hour = o.hour;
    minute = o.minute;
    dayOfYear = o.dayOfYear;
    weekday = o.weekday;
    return *this;
}

bool operator==(const CDatum& a, const CDatum& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.dayOfYear == b.dayOfYear &&
           a.weekday == b.weekday;
}

long CDatum::schaltjahr(long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

long CDatum::tagesnummer(long y, long m, long d) {
    return (611 * m + 1222) / 20 + d + ((m + 10) / 13) * (schaltjahr(y) - 2) - 91;
}

long CDatum::wochentag_im_jahr(long y, long doy) {
    long p = y - 1, k = p / 100, r = p % 100;
    return (r + r / 4 + 5 * k + k / 4 + doy + 28) % 7;
}

long CDatum::jdatum(long y, long m, long d) {
    long mm, yy;
    if (m > 2) {
        mm = m - 3;
        yy = y;
    } else {
        mm = m + 9;
        yy = y - 1;
    }
    return (153 * mm + 2) / 5 + d + 1461 * (yy % 100) / 4 + 146097 * (yy / 100) / 4 + 719469;
}

void CDatum::gdatum(long n, long& year, long& month, long& day) {
    long a = 4 * n - 6884477;
    long centuries = a / 146097;
    long t = (a % 146097) / 4 * 4 + 3;
    long yearInCentury = t / 1461;
    long dayOfMarchYear = (t % 1461) / 4 + 1;  // 1 = 1 March
    long m = (5 * dayOfMarchYear - 3) / 153;   // March = 0
    day = ((5 * dayOfMarchYear - 3) % 153) / 5 + 1;
    year = 100 * centuries + yearInCentury;
    if (m < 10) {
        month = m + 3;
    } else {
        month = m - 9;
        ++year;
    }
}

double CDatum::Init(int d, int m, int y, int h, int mi, int s) {
    if (!PartsInRange(d, m, y, h, mi, s)) return -1.0;
    int last = MonthLength(m, y);
    if (d > last) d = last;
    if (d < 1) d = 1;
    day = d;
    month = m;
    year = y;
    hour = h;
    minute = mi;
    second = s;
    dayOfYear = int(tagesnummer(y, m, d));
    weekday = int(wochentag_im_jahr(y, dayOfYear));
    return FullDayNumber(d, m, y, h, mi, s);
}

int CDatum::StringToStructTM(const std::string& text, int layout, KalenderRecord& rec) {
    rec = KalenderRecord{};
    const char* s = text.c_str();
    switch (layout) {
    case 1: std::sscanf(s, "%2d%2d%2d%2d%2d", &rec.tm_year, &rec.tm_mon, &rec.tm_mday, &rec.tm_hour, &rec.tm_min); break;
    case 2: std::sscanf(s, "%2d.%2d.%4d.%2d.%2d", &rec.tm_mday, &rec.tm_mon, &rec.tm_year, &rec.tm_hour, &rec.tm_min); break;
    case 3: std::sscanf(s, "%2d %2d %4d %2d %2d", &rec.tm_mday, &rec.tm_mon, &rec.tm_year, &rec.tm_hour, &rec.tm_min); break;
    case 4: std::sscanf(s, "%2d.%2d.%4d %2d:%2d", &rec.tm_mday, &rec.tm_mon, &rec.tm_year, &rec.tm_hour, &rec.tm_min); break;
    case 5: std::sscanf(s, "%2d%2d%4d %2d%2d", &rec.tm_mday, &rec.tm_mon, &rec.tm_year, &rec.tm_hour, &rec.tm_min); break;
    default: break;
    }
    if (rec.tm_year < 1700) {
        rec.tm_year += 1700;
        rec.tm_mon += 1;
    }
    return 1;
}

double CDatum::TimeTFromStructTM(KalenderRecord& r) {
    if (!Valid(r.tm_mday, r.tm_mon, r.tm_year, r.tm_hour, r.tm_min, r.tm_sec)) return -1.0;
    r.tm_yday = int(tagesnummer(r.tm_year, r.tm_mon, r.tm_mday));
    r.tm_wday = int(wochentag_im_jahr(r.tm_year, r.tm_yday));
    return FullDayNumber(r.tm_mday, r.tm_mon, r.tm_year, r.tm_hour, r.tm_min, r.tm_sec);
}

double CDatum::TimeTFromCDatum(CDatum& d) {
    if (!Valid(d.day, d.month, d.year, d.hour, d.minute, d.second)) return -1.0;
    d.dayOfYear = int(tagesnummer(d.year, d.month, d.day));
    d.weekday = int(wochentag_im_jahr(d.year, d.dayOfYear));
    return FullDayNumber(d.day, d.month, d.year, d.hour, d.minute, d.second);
}

double CDatum::Init(const std::string& text, int layout) {
    KalenderRecord rec;
    StringToStructTM(text, layout, rec);
    if (TimeTFromStructTM(rec) == 0.0) return 0.0;
    day = rec.tm_mday;
    month = rec.tm_mon;
    year = rec.tm_year;
    dayOfYear = rec.tm_yday;
    weekday = rec.tm_wday;
    return 1.0;
}

int CDatum::Init(double x) {
    if (x == -1.0) return 0;
    // Beyond what a long day number can hold nothing sensible can be set.
    if (!std::isfinite(x) || std::fabs(x) > 1e15) return 0;
    double whole = std::trunc(x);
    long y, m, d;
    gdatum(long(whole), y, m, d);
    day = int(d);
    month = int(m);
    year = int(y);
    double tenths = (x - whole) * 86400.0 * 10.0;
    double t = std::floor(tenths);
    if (tenths - t > 0.5) t += 1.0;
    long seconds = long(t) / 10;
    hour = int(seconds / 3600);
    minute = int(seconds % 3600 / 60);
    second = int(seconds % 60);
    return 1;
}

int CDatum::operator<(const CDatum& other) const {
    CDatum a(*this), b(other);  // copies keep the seconds; the day numbers are stored in them
    return TimeTFromCDatum(a) < TimeTFromCDatum(b) ? 1 : 0;
}

std::string CDatum::Text() const {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, month, year);
    return buf;
}

int CDatum::Speichern(CV3File& file) const { return file.WriteLine(Text()) ? 1 : 0; }

int CDatum::Laden(CV3File& file) {
    std::string line;
    file.ReadString(line);  // at the end of the data the line is empty
    return Init(line, 4) != 0.0 ? 1 : 0;
}

}  // namespace v3
