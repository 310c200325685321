#include "ui/SoundLib.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "base/AppState.h"

namespace v3 {

CSoundLib::CSoundLib()
    : probe_([] { return !QMediaDevices::defaultAudioOutput().isNull() || !QMediaDevices::audioOutputs().isEmpty(); }) {}

bool CSoundLib::SoundLibInit(QWidget*) {
    if (App().SoundAktiv) return true;
    App().SoundAktiv = probe_ && probe_();
    return App().SoundAktiv;
}

void CSoundLib::SoundLibExit() { App().SoundAktiv = false; }

bool CSoundLib::Aktiv() const { return App().SoundAktiv; }

CSound::CSound() = default;

CSound::~CSound() {
    if (effect_) effect_->stop();
}

bool CSound::Create(const std::filesystem::path& file) {
    effect_.reset();
    header_ = {};
    laenge_ = 0;
    if (!App().SoundAktiv) return false;
    const WaveFileHeader gelesen = ReadWaveHeader(file);
    if (!gelesen.header) return false;
    const WaveHeader& h = *gelesen.header;
    const double bytesProSekunde = double(h.bitsPerSample) * h.channels * h.sampleRate / 8;
    if ((h.formatTag != 1 && h.formatTag != 0xFFFE) || bytesProSekunde <= 0 || h.dataSize == 0) return false;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    header_ = h;
    laenge_ = double(h.dataSize) / bytesProSekunde;
    return true;
}

bool CSound::Play(bool loop) {
    if (!App().SoundAktiv || !effect_ || effect_->isPlaying()) return false;
    effect_->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect_->play();
    return true;
}

void CSound::Stop() {
    if (effect_) effect_->stop();
}

bool CSound::Playing() const { return effect_ && effect_->isPlaying(); }

}  // namespace v3
