#pragma once
// The sound library: started with the main window, stopped with it. Without an
// audio output the program goes on silently: the process-wide switch
// (App().SoundAktiv) stays off and every sound is a silent no-op.
#include <QObject>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/WaveFile.h"

class QSoundEffect;
class QWidget;

namespace v3 {

inline constexpr const char* kKeineSoundkarte = "Keine Soundkarte gefunden bzw. Soundkarte belegt!";

class CSoundLib {
public:
    // How the presence of an audio output is found out (replaceable for tests).
    using OutputProbe = std::function<bool()>;

    CSoundLib();
    explicit CSoundLib(OutputProbe probe) : probe_(std::move(probe)) {}

    // Switches sound on for the process; true at once when it is on already,
    // false (and off) when no audio output can be used.
    bool SoundLibInit(QWidget* window);
    // Switches sound off.
    void SoundLibExit();
    bool Aktiv() const;

private:
    OutputProbe probe_;
};

// One sound for preview: a WAV file loaded while the switch is on, played once
// or looping. Every call returns at once; playing runs in the background.
class CSound {
public:
    CSound();
    ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Loads the PCM WAV file `file` (host path); false while the switch is off
    // and for a file whose header is broken or names no samples or no rate.
    bool Create(const std::filesystem::path& file);
    // Sample rate of the loaded sound (0 when none is loaded).
    uint32_t Frequency() const { return header_.sampleRate; }
    // Length in seconds: data bytes / (bits x channels x rate / 8).
    double Laenge() const { return laenge_; }
    // Starts the sound, looping when `loop` is set: only while the switch is
    // on, a sound is loaded and it is not playing already.
    bool Play(bool loop);
    void Stop();
    bool Playing() const;

private:
    std::unique_ptr<QSoundEffect> effect_;
    WaveHeader header_;
    double laenge_ = 0;
};

}  // namespace v3
