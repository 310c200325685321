#pragma once
// The program's built-in crest: a neutral shield of 32 x 32 pixels with 8 bits per
// pixel, used wherever a club needs a crest and no other picture is at hand.
#include <string>

namespace v3 {

// The crest as a complete bitmap file (2102 bytes: headers, 256-entry palette at
// offset 54, pixel rows bottom row first at offset 1078). Always the same bytes.
const std::string& DefaultWappen();

// Writes the built-in crest unchanged to a stored path (".\DATA.V3\Wappen\TempD1.BMP",
// mapped onto the installation directory) or an absolute host path beginning with
// '/'. An existing file is made writable first and replaced as a whole. False when
// the file cannot be written; nothing is reported.
bool CopyDefaultWappenToFile(const std::string& storedPath);

}  // namespace v3
