#pragma once
// The sound library: started with the main window, stopped with it. Without an
// audio output the program goes on silently.
#include <QObject>
#include <functional>

class QWidget;

namespace v3 {

inline constexpr const char* kKeineSoundkarte = "Keine Soundkarte gefunden bzw. Soundkarte belegt!";

class CSoundLib {
public:
    // How the presence of an audio output is found out (replaceable for tests).
    using OutputProbe = std::function<bool()>;

    CSoundLib();
    explicit CSoundLib(OutputProbe probe) : probe_(std::move(probe)) {}

    // Starts the library for the window; false when no audio output can be used.
    bool SoundLibInit(QWidget* window);
    void SoundLibExit();
    bool Aktiv() const { return aktiv_; }

private:
    OutputProbe probe_;
    bool aktiv_ = false;
};

}  // namespace v3
