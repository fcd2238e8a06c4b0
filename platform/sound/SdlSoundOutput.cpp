// SPDX-License-Identifier: MIT
#include "platform/sound/SdlSoundOutput.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <string_view>
#include <thread>

#include "platform/draw/Resources.h"
#include "platform/sound/SdlAudioLibrary.h"

namespace {

using Clock = std::chrono::steady_clock;

// A real device may still hold the clip's last samples when the clip's time is up; wait a little
// for its queue to drain, but never long.
constexpr auto drainGrace = std::chrono::milliseconds(250);

// An open device keeps SDL's audio thread feeding it silence, waking many times a second. It is
// closed once the game has been quiet this long and opened again, within the next clip's wait,
// by the next sound.
constexpr auto quietBeforeClosing = std::chrono::seconds(3);

bool SameFormat(const SDL_AudioSpec& a, const SDL_AudioSpec& b) {
    return a.freq == b.freq && a.format == b.format && a.channels == b.channels;
}

}  // namespace

struct SdlSoundOutput::Clip {
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    std::chrono::microseconds duration{0};

    ~Clip() { SdlAudio()->FreeWAV(samples); }
};

struct SdlSoundOutput::Device {
    SDL_AudioDeviceID id = 0;
    SDL_AudioSpec spec{};

    ~Device() { SdlAudio()->CloseAudioDevice(id); }
};

SdlSoundOutput::SdlSoundOutput() : sdl_(SdlAudio()) {
    if (sdl_ == nullptr) {
        return;
    }
    // SDL would otherwise take over SIGINT and SIGTERM, and Ctrl-C would no longer end the game.
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    audioStarted_ = true;
    // Opening a driver's device when it lists none makes some audio libraries print to stderr;
    // the silent driver keeps the timing without a sound card.
    if (sdl_->GetNumAudioDevices(0) == 0) {
        sdl_->AudioQuit();
        audioStarted_ = sdl_->AudioInit("dummy") == 0;
    }
}

SdlSoundOutput::~SdlSoundOutput() {
    delete closeTimer_;
    if (sdl_ == nullptr) {
        return;
    }
    device_.reset();
    clips_.clear();
    sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    if (sdl_->WasInit(0) == 0) {
        sdl_->Quit();
    }
}

const char* SdlSoundOutput::DriverName() const {
    const char* name = audioStarted_ ? sdl_->GetCurrentAudioDriver() : nullptr;
    return name != nullptr ? name : "";
}

const SdlSoundOutput::Clip* SdlSoundOutput::FindClip(unsigned resourceId) {
    if (const auto found = clips_.find(resourceId); found != clips_.end()) {
        return found->second.get();
    }
    const QByteArray wave = WaveResource(resourceId);
    if (wave.isEmpty() || sdl_ == nullptr) {
        return nullptr;
    }
    auto clip = std::make_unique<Clip>();
    SDL_RWops* stream = sdl_->RWFromConstMem(wave.constData(), static_cast<int>(wave.size()));
    if (stream == nullptr || sdl_->LoadWAV_RW(stream, 1, &clip->spec, &clip->samples, &clip->length) == nullptr) {
        return nullptr;
    }
    const auto bytesPerSecond =
        static_cast<std::int64_t>(clip->spec.freq) * clip->spec.channels * (SDL_AUDIO_BITSIZE(clip->spec.format) / 8);
    if (bytesPerSecond <= 0) {
        return nullptr;
    }
    clip->duration = std::chrono::microseconds(static_cast<std::int64_t>(clip->length) * 1000000 / bytesPerSecond);
    return clips_.emplace(resourceId, std::move(clip)).first->second.get();
}

bool SdlSoundOutput::OpenDeviceFor(const Clip& clip) {
    if (device_ && SameFormat(device_->spec, clip.spec)) {
        return true;
    }
    device_.reset();
    if (!audioStarted_) {
        return false;
    }
    SDL_AudioSpec wanted = clip.spec;
    wanted.callback = nullptr;
    wanted.userdata = nullptr;
    wanted.samples = 1024;
    SDL_AudioDeviceID id = sdl_->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0 && std::string_view(DriverName()) != "dummy") {
        sdl_->AudioQuit();
        audioStarted_ = sdl_->AudioInit("dummy") == 0;
        id = audioStarted_ ? sdl_->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0) : 0;
    }
    if (id == 0) {
        return false;
    }
    device_ = std::make_unique<Device>();
    device_->id = id;
    device_->spec = clip.spec;
    sdl_->PauseAudioDevice(id, 0);
    return true;
}

void SdlSoundOutput::CloseDeviceAfter(std::chrono::milliseconds delay) {
    if (closeTimer_ == nullptr) {
        if (QCoreApplication::instance() == nullptr) {
            return;
        }
        // A child of the application, so that it never outlives the event loop it runs in.
        closeTimer_ = new QTimer(QCoreApplication::instance());
        closeTimer_->setSingleShot(true);
        QObject::connect(closeTimer_, &QTimer::timeout, [this] { device_.reset(); });
    }
    closeTimer_->start(delay);
}

bool SdlSoundOutput::Play(unsigned resourceId, bool waitForEnd) {
    const Clip* clip = FindClip(resourceId);
    if (clip == nullptr) {
        return false;
    }
    const auto start = Clock::now();
    if (OpenDeviceFor(*clip)) {
        // A new sound replaces the one still playing.
        sdl_->ClearQueuedAudio(device_->id);
        sdl_->QueueAudio(device_->id, clip->samples, clip->length);
        CloseDeviceAfter(std::chrono::duration_cast<std::chrono::milliseconds>(clip->duration + quietBeforeClosing));
    }
    if (waitForEnd) {
        // The clip's own length is the wait, heard or not, so the game keeps one pace everywhere.
        std::this_thread::sleep_until(start + clip->duration);
        const auto latest = start + clip->duration + drainGrace;
        while (device_ && sdl_->GetQueuedAudioSize(device_->id) > 0 && Clock::now() < latest) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return true;
}

void SdlSoundOutput::Pause(unsigned milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
