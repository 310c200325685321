#include "records/PersonDates.h"

#include <cstdlib>

#include "base/AppState.h"

namespace v3 {

CDatum DrawBirthDate(int seasonYear, int base, int span) {
    int year = seasonYear - base - App().random->Rand() % span;
    int month = App().random->Rand() % 12 + 1;
    int day = App().random->Rand() % 31 + 1;
    CDatum d;
    d.Init(day, month, year, 0, 0, 0);
    return d;
}

int AgeInSeason(const CDatum& birth, int seasonYear) {
    int age = std::abs(birth.year - seasonYear);
    if (birth.month > 6) --age;
    return age < 0 ? 0 : age;
}

}  // namespace v3
