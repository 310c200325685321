#pragma once
// The format test of the sound files the chant and talk editors offer. The
// simulation plays 16-bit stereo PCM at 22050 Hz only; files of another
// format or no WAV files at all are left out of the editors' lists, and one
// chosen by hand is refused with a message.
#include <filesystem>

namespace v3 {

inline constexpr const char* kFalschesWaveFormat = "Die Wave-Datei hat nicht das Format\n16 Bit Stereo 22050 Hz!";
inline constexpr const char* kKeineWaveDatei = "Keine Wave-Datei";
inline constexpr const char* kWaveNichtLesbar = "Die Datei kann nicht gelesen werden!";

// The format the simulation plays.
inline constexpr int kWaveBits = 16;
inline constexpr int kWaveRate = 22050;
inline constexpr int kWaveKanaele = 2;

class CPlaySound {
public:
    // Result bits of TestWaveFormat; 0 means usable.
    static constexpr int kBitsAnders = 1;     // bits per sample differ (or no PCM samples)
    static constexpr int kKanaeleAnders = 2;  // channel count differs
    static constexpr int kRateAnders = 4;     // sample rate differs (a rate of 0 always does)
    static constexpr int kKeineWave = 8;      // no RIFF/WAVE file, or its header is cut off or lies
    static constexpr int kNichtLesbar = 16;   // the file cannot be opened

    // Tests the header of `file` (a host path) against the wanted format.
    // With withMessage a failure is shown ("Achtung!"): a wrong format with
    // kFalschesWaveFormat, a broken or foreign file with kKeineWaveDatei, an
    // unreadable one with kWaveNichtLesbar. Reads only the header, never past
    // the file's end.
    static int TestWaveFormat(const std::filesystem::path& file, int bits, int rate, int channels, bool withMessage);
};

}  // namespace v3
