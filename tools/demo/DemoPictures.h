#pragma once
// The pictures of the demo installation, painted in code: club crests, country
// flags and the perimeter-board templates. Each painter returns a complete
// bitmap file.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bmp.h"

namespace v3::demo {

inline constexpr int kCrestSize = 32;         // crests and flags: 32 x 32, 8 bits per pixel
inline constexpr int kBoardTemplateWidth = 36;  // board templates: 36 x 32, 8 bits per pixel;
inline constexpr int kBoardTemplateHeight = 32;  // the first 32 columns form the board's ends
inline constexpr int kBoardTemplates = 36;       // bande01.bmp .. bande36.bmp

// The display colour of kit colour 0..12 ("Weiß", "Rot", "Gelb", "Blau", "Hellgrün",
// "Grün", "Türkis", "Hellblau", "Braun", "Lila", "Orange", "Schwarz", "Weinrot");
// other values give grey.
BmpColour KitColour(int kitColour);

// A club crest in the club's two kit colours (0..12; equal colours get a
// contrasting second colour) with up to three initials (code page 1252; letters
// outside A..Z are left out or folded). The seed chooses the design: shields,
// stripes, rings, bands, initials or simple emblems.
std::string MakeCrest(uint32_t seed, int kitColour1, int kitColour2, const std::string& initials);

// The flag pictures: every name of the country table ("ger.bmp" .. "jug.bmp") and
// the flags of the predefined bonus nations ("usa.bmp", "jp.bmp", "arg.bmp",
// "bra.bmp", "wel.bmp"), without repeats.
const std::vector<std::string>& FlagFileNames();
// The flag for one of those names; empty when the name is not one of them.
std::string MakeFlag(const std::string& fileName);

// Board template 0..35 (file bande01.bmp .. bande36.bmp). Its palette holds the 16
// sponsor colours at their fixed entries (0, 1, 18, 40, 58, 76, 78, 79, 87, 93, 97,
// 99, 104, 111, 125, 127), so a sponsor's background and text colours show as
// the sponsor editor shows them.
std::string MakeBoardTemplate(int index);
// The 16 fixed sponsor colours.
const std::vector<PaletteSlot>& SponsorPaletteSlots();

}  // namespace v3::demo
