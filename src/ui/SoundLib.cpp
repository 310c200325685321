#include "ui/SoundLib.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace v3 {

CSoundLib::CSoundLib()
    : probe_([] { return !QMediaDevices::defaultAudioOutput().isNull() || !QMediaDevices::audioOutputs().isEmpty(); }) {}

bool CSoundLib::SoundLibInit(QWidget*) {
    aktiv_ = probe_ && probe_();
    return aktiv_;
}

void CSoundLib::SoundLibExit() { aktiv_ = false; }

}  // namespace v3
