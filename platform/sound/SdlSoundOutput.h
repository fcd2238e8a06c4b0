// SPDX-License-Identifier: MIT
#pragma once
// The real sound output over SDL2's audio subsystem, loaded with the first sound
// (SdlAudioLibrary.h). The subsystem is opened once, with SDL's signal handlers left out (Ctrl-C
// keeps ending the program). When no device can be opened the output falls back to SDL's "dummy"
// driver: nothing is heard but every wait stays as long. The device is closed after a few quiet
// seconds and opened again by the next sound. Without the SDL2 library nothing is heard and
// nothing waits. Nothing is printed.

#include <QByteArray>
#include <QPointer>
#include <chrono>
#include <map>
#include <memory>

#include "platform/sound/SoundOutput.h"

class QTimer;
struct SdlAudioLibrary;

class SdlSoundOutput final : public SoundOutput {
public:
    SdlSoundOutput();
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

    bool Play(unsigned resourceId, bool waitForEnd) override;
    void Pause(unsigned milliseconds) override;

    // The audio driver in use ("pulseaudio", "alsa", "dummy"...); empty when none could start.
    const char* DriverName() const;

private:
    struct Clip;
    struct Device;
    const Clip* FindClip(unsigned resourceId);
    bool OpenDeviceFor(const Clip& clip);
    void CloseDeviceAfter(std::chrono::milliseconds delay);

    const SdlAudioLibrary* sdl_;
    bool audioStarted_ = false;
    std::map<unsigned, std::unique_ptr<Clip>> clips_;
    std::unique_ptr<Device> device_;
    QPointer<QTimer> closeTimer_;
};
