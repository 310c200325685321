#pragma once
// A sponsor of a country: company name, size and value, and the look of its
// perimeter board (template picture, font, text and background colour).
#include <cstdint>
#include <string>
#include <vector>

#include "records/V3Object.h"

namespace v3 {

class CV3File;

// The logical-font description a sponsor's name is drawn with on its board:
// five 32-bit values, eight 8-bit values and a face name of at most 31
// characters (a 32-byte field with its terminating NUL).
struct SponsorFont {
    static constexpr size_t kFaceNameSize = 32;  // bytes of the stored field, NUL included

    int32_t height = 0;  // negative: character height in pixels; positive: cell height
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;  // 400 normal, 700 bold; 0 the default weight
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::string faceName;  // code page 1252, at most kFaceNameSize - 1 bytes

    friend bool operator==(const SponsorFont&, const SponsorFont&) = default;
};

class CSponsor : public CV3Object {
public:
    static constexpr int kBandenVorlagen = 36;     // templates 0..35: bande01.bmp .. bande36.bmp
    static constexpr int kBoardWidth = 256;        // the board picture in pixels
    static constexpr int kBoardHeight = 32;
    static constexpr size_t kBoardFileSize = 9270;  // 14 + 40 + 256 * 4 + 256 * 32

    // Name "NA%0.6d" with the next running number; everything else 0.
    CSponsor();

    const std::string& Name() const { return name_; }
    // Any text on one line, empty included (the sponsor editor renames while typing and
    // checks for an empty name only on OK).
    bool Name(const std::string& v);

    // Template picture 0..35.
    int32_t BandenVorlage() const { return bandenVorlage_; }
    bool BandenVorlage(int32_t v);

    uint32_t SponsorWert() const { return sponsorWert_; }
    bool SponsorWert(uint32_t v);

    // Palette indexes 0..255 of the template's palette.
    uint16_t HintergrundFarbe() const { return hintergrundFarbe_; }
    bool HintergrundFarbe(int v);
    int32_t TextFarbe() const { return textFarbe_; }
    bool TextFarbe(int v);

    // The whole font; a face name longer than 31 bytes or not on one line is refused.
    const SponsorFont& Font() const { return font_; }
    bool Font(const SponsorFont& v);
    // Short readers of the font.
    const std::string& FontFace() const { return font_.faceName; }
    int32_t FontHeight() const { return font_.height; }
    int32_t FontWeight() const { return font_.weight; }
    bool FontItalic() const { return font_.italic != 0; }
    bool FontUnderline() const { return font_.underline != 0; }
    bool FontStrikeOut() const { return font_.strikeOut != 0; }

    // Company size 0 "klein", 1 "mittel", 2 "groß".
    uint16_t Unternehmensgroesse() const { return unternehmensgroesse_; }
    bool Unternehmensgroesse(int v);

    // The "SPONSOR" section. The writer trims the name first (the record keeps
    // the trimmed name). The reader keeps the defaults when the section is missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;
    // Takes the predecessor's sponsor record: name, value and company size
    // (the board keeps its look). False, unchanged, when incomplete.
    bool MergeV2Daten(CV3File& file);

    // The board picture as a complete 8-bit BMP file image of kBoardFileSize
    // bytes (256 x 32 pixels, the template's palette): the background colour,
    // the name centred in its font and text colour, the template's first 32
    // columns at both ends. Empty when the template ".\banden\bandeNN.bmp"
    // cannot be read or is no usable bitmap.
    std::vector<uint8_t> ErzeugeBitmapPtr() const;
    // Writes the board picture to the stored path (".\BANDEN\kom3.bmp") when
    // App().BandenSpeichern is on; does nothing and returns true when it is off.
    // Failures are shown to the user and return false.
    bool SpeichereAlsBitmap(const std::string& path) const;

    friend bool operator==(const CSponsor& a, const CSponsor& b) {
        return a.name_ == b.name_ && a.bandenVorlage_ == b.bandenVorlage_ &&
               a.sponsorWert_ == b.sponsorWert_ && a.hintergrundFarbe_ == b.hintergrundFarbe_ &&
               a.textFarbe_ == b.textFarbe_ && a.font_ == b.font_ &&
               a.unternehmensgroesse_ == b.unternehmensgroesse_;
    }

private:
    std::string name_;
    int32_t bandenVorlage_ = 0;
    uint32_t sponsorWert_ = 0;
    uint16_t hintergrundFarbe_ = 0;
    int32_t textFarbe_ = 0;
    SponsorFont font_;
    uint16_t unternehmensgroesse_ = 0;
};

}  // namespace v3
