#pragma once
// Birth dates and ages of the persons around the clubs, taken relative to the
// season start year.
#include "records/Datum.h"

namespace v3 {

// A random birth date: year seasonYear - base - rand % span, then month
// rand % 12 + 1, then day rand % 31 + 1 (drawn in this order from App().random),
// the day clamped to the month's length.
CDatum DrawBirthDate(int seasonYear, int base, int span);

// Age at the season start: |birth year - seasonYear|, one less when the birth
// month is after June; never below 0.
int AgeInSeason(const CDatum& birth, int seasonYear);

}  // namespace v3
