#pragma once
// A calendar date with time of day. Stored in the record file as one line
// "%02d.%02d.%04d" (day, month, year); the time of day is not stored.
#include <string>

namespace v3 {

class CV3File;

// Calendar record filled by StringToStructTM: month 1..12 and the full year.
struct KalenderRecord {
    int tm_sec = 0, tm_min = 0, tm_hour = 0, tm_mday = 0, tm_mon = 0, tm_year = 0;
    int tm_wday = 0, tm_yday = 0;
};

class CDatum {
public:
    CDatum() = default;
    CDatum(const CDatum&) = default;
    virtual ~CDatum() = default;
    // Copies everything but `second`.
    CDatum& operator=(const CDatum& other);

    // Sets the date from its parts. A part out of range returns -1.0 and leaves
    // the date unchanged; a day beyond the month's end is clamped to it. Returns
    // the full day number.
    double Init(int day, int month, int year, int hour, int minute, int second);
    // Parses text in one of the layouts 1..5; stores day, month and year (with
    // day of year and weekday, 0 when the date is invalid) and returns 1.0.
    double Init(const std::string& text, int layout);
    // Sets day, month, year and time of day from a day number; 0 for -1.0, else 1.
    int Init(double dayNumber);

    static int StringToStructTM(const std::string& text, int layout, KalenderRecord& rec);
    // Validates the record, fills its weekday and day of year; the full day number or -1.0.
    static double TimeTFromStructTM(KalenderRecord& rec);
    // The same for a date; stores dayOfYear and weekday into it.
    static double TimeTFromCDatum(CDatum& date);

    // 1 when this date's day number is smaller than the other's.
    int operator<(const CDatum& other) const;

    static long schaltjahr(long year);
    static long tagesnummer(long year, long month, long day);
    static long wochentag_im_jahr(long year, long dayOfYear);
    static long jdatum(long year, long month, long day);
    static void gdatum(long dayNumber, long& year, long& month, long& day);

    // "%02d.%02d.%04d" of day, month and year.
    std::string Text() const;
    int Speichern(CV3File& file) const;
    // Reads a whole line and sets the date from it with layout 4; never rejects a line.
    int Laden(CV3File& file);

    int day = 21;
    int month = 5;
    int year = 1971;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfYear = 0;
    int weekday = 0;
};

bool operator==(const CDatum& a, const CDatum& b);

}  // namespace v3
