#pragma once
// Reading a count or size line that decides how many values follow in a record.
#include <string>

namespace v3 {

class CV3File;

// Reads the next value as a count and accepts it only within lo..hi. A count
// outside that range, or a missing line, is refused: the user is told which
// file and section hold it ("Fehler!") and false is returned, so that the
// caller neither allocates for it nor reads a wrong number of values.
bool ReadCount(CV3File& file, int& count, int lo, int hi, const std::string& section);

}  // namespace v3
