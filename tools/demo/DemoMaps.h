#pragma once
// Country maps for the club editor's map page: a JPEG picture of the country
// and a monochrome mask of the same size that marks where a club may be
// placed. The mask is a 1-bit BMP whose bit is 0 inside the country and 1
// elsewhere (palette entry 0 white, 1 black); its rows are 56 bytes long. Read
// it with ReadBmp, which puts the top row first like the picture's; a club's
// position (x, y) is a pixel of the picture.
#include <string>

namespace v3::demo {

inline constexpr int kMapWidth = 440;
inline constexpr int kMapHeight = 330;
inline constexpr int kBonusMaps = 9;  // b1 .. b8 and bn

// "k_ger.jpg" .. "k_jug.jpg" for the countries 0..36 (named after their flag
// pictures) and the mask beside it with ".bmp" for ".jpg": "k_ger.bmp".
std::string CountryMapName(int land);
// The predefined bonus maps 0..8: "b1.jpg" .. "b8.jpg", "bn.jpg" (Belgien, USA,
// Japan, Polen, Dänemark, Schweden, Argentinien, Brasilien, Neutral).
std::string BonusMapName(int predefined);
// The mask's name for a map name: ".jpg" replaced by ".bmp".
std::string MaskNameFor(const std::string& mapName);

struct MapPictures {
    std::string jpeg;  // the picture, kMapWidth x kMapHeight
    std::string mask;  // the 1-bit mask BMP
};

// Empty pictures for an index out of range.
MapPictures MakeCountryMap(int land);
MapPictures MakeBonusMap(int predefined);

}  // namespace v3::demo
