#include "records/Sponsor.h"

#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

// The board picture (ErzeugeBitmapPtr, SpeichereAlsBitmap) lives in SponsorBitmap.cpp.

namespace v3 {

CSponsor::CSponsor() : CV3Object("CSponsor"), name_(Platzhalter("NA")) {}

bool CSponsor::Name(const std::string& v) {
    return SetRecordText(name_, v);
}

bool CSponsor::BandenVorlage(int32_t v) {
    if (v < 0 || v >= kBandenVorlagen) return false;
    bandenVorlage_ = v;
    return true;
}

bool CSponsor::SponsorWert(uint32_t v) {
    sponsorWert_ = v;
    return true;
}

bool CSponsor::HintergrundFarbe(int v) {
    if (v < 0 || v > 255) return false;
    hintergrundFarbe_ = uint16_t(v);
    return true;
}

bool CSponsor::TextFarbe(int v) {
    if (v < 0 || v > 255) return false;
    textFarbe_ = v;
    return true;
}

bool CSponsor::Font(const SponsorFont& v) {
    if (v.faceName.size() >= SponsorFont::kFaceNameSize || !IsRecordText(v.faceName)) return false;
    font_ = v;
    return true;
}

bool CSponsor::Unternehmensgroesse(int v) {
    if (v < 0 || v > 2) return false;
    unternehmensgroesse_ = uint16_t(v);
    return true;
}

bool CSponsor::SpeichernV3Localized(CV3File& file, int) {
    name_ = TrimWhite(name_);
    if (!file.NewSection("SPONSOR")) return false;
    bool ok = true;
    ok &= file.PutStr(name_);
    ok &= file.PutInt(bandenVorlage_);
    ok &= file.PutLng(font_.height);
    ok &= file.PutLng(font_.width);
    ok &= file.PutLng(font_.escapement);
    ok &= file.PutLng(font_.orientation);
    ok &= file.PutLng(font_.weight);
    for (uint8_t b : {font_.italic, font_.underline, font_.strikeOut, font_.charSet, font_.outPrecision,
                      font_.clipPrecision, font_.quality, font_.pitchAndFamily})
        ok &= file.PutInt(b);
    ok &= file.PutLng(int32_t(sponsorWert_));
    ok &= file.PutStr(font_.faceName);
    // Company size in the high and background colour in the low 16 bits of one value.
    ok &= file.PutLng(int32_t((uint32_t(unternehmensgroesse_) << 16) | hintergrundFarbe_));
    ok &= file.PutInt(textFarbe_);
    ok &= file.EndSection(1);
    return ok;
}

bool CSponsor::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("SPONSOR")) return false;
    ValueReader r(file);
    r.Str(name_);
    r.Int(bandenVorlage_);
    for (int32_t* v : {&font_.height, &font_.width, &font_.escapement, &font_.orientation, &font_.weight}) {
        uint32_t u = uint32_t(*v);
        if (r.ULng(u)) *v = int32_t(u);
    }
    for (uint8_t* b : {&font_.italic, &font_.underline, &font_.strikeOut, &font_.charSet, &font_.outPrecision,
                       &font_.clipPrecision, &font_.quality, &font_.pitchAndFamily})
        r.Byte(*b);
    r.ULng(sponsorWert_);
    r.Str(font_.faceName, SponsorFont::kFaceNameSize);
    uint32_t sizeAndColour = 0;
    if (r.ULng(sizeAndColour)) {
        unternehmensgroesse_ = uint16_t(sizeAndColour >> 16);
        hintergrundFarbe_ = uint16_t(sizeAndColour & 0xFFFFu);
    }
    r.Int(textFarbe_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
