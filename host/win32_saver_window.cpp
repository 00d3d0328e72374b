#include "host/win32_saver_window.h"

#include <windows.h>

#include "host/base/bgm_settings.h"
#include "host/base/win32_path_text.h"
#include "host/forms/win32_form_window.h"
#include "host/music/vantrel_bgm.h"
#include "host/music/win32_music_platform.h"
#include "host/saver_watch.h"
#include "host/win32_renderer_start.h"

namespace vantrel {
namespace {

const UINT_PTR Timer1 = 1;  // MP3 keep-alive, 1000 ms
const UINT_PTR Timer2 = 2;  // CD keep-alive, 200 ms
const UINT_PTR Timer3 = 3;  // renderer watch, 500 ms

// The hidden saver window.
class Vantrel_S {
 public:
  explicit Vantrel_S(bool cursorHiddenByHost) : cursorHiddenByHost_(cursorHiddenByHost) {}

  bool load() {
    FormStyle style;
    style.caption = L"Vantrel_Main";
    FormEvents events;
    events.load = [this] { onLoad(); };
    events.timer = [this](UINT_PTR id) { onTimer(id); };
    events.unload = [this] { onUnload(); };
    return window_.load(style, events);
  }

 private:
  void onLoad() {
    window_.setTimer(Timer1, 1000, false);
    window_.setTimer(Timer2, 200, false);
    window_.setTimer(Timer3, 500, true);
    startRenderer();
    startMusic();
  }

  // The renderer program, started with no arguments in a normal window.
  void startRenderer() {
    startRendererProcess(renderer_, rendererProgram());
    startTick_ = GetTickCount();
  }

  void startMusic() {
    if (BGM_Kind == 1) {
      CD_Open(mci_);
      window_.enableTimer(Timer2, true);
    } else if (BGM_Kind == 2) {
      switch (musicFileTypeOf(BGM_File)) {
        case MusicFileType::Wav:
          WAV_PlayLoop(mci_, utf8OfWide(widePathOf(BGM_File)));
          break;
        case MusicFileType::Mp3:
          MP3_OpenPlay(mci_, utf8OfWide(widePathOf(BGM_File)));
          window_.enableTimer(Timer1, true);
          break;
        case MusicFileType::None:
          break;
      }
    }
  }

  void onTimer(UINT_PTR id) {
    if (id == Timer1) MP3_Watch(mci_);
    if (id == Timer2) {
      CD_Watch(mci_, BGM_Track);
      window_.enableTimer(Timer2, CD_Watching != 0);
    }
    if (id == Timer3) watchRenderer();
  }

  void watchRenderer() {
    bool found = FindWindowW(nullptr, L"Vantrel_VC") != nullptr;
    HANDLE process = renderer_.process();
    bool running = process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    long elapsed = static_cast<long>(GetTickCount() - startTick_);
    if (watch_.shouldEnd(found, running, elapsed)) {
      window_.enableTimer(Timer3, false);
      window_.unload();
    }
  }

  // Stops the music, gives the cursor back and ends the host, whatever the
  // reason for the unload.
  void onUnload() {
    if (window_.timerEnabled(Timer2)) {
      window_.enableTimer(Timer2, false);
      CD_Close(mci_);
    }
    if (BGM_Kind == 2) {
      MusicFileType type = musicFileTypeOf(BGM_File);
      if (type == MusicFileType::Wav) WAV_Stop(mci_);
      if (type == MusicFileType::Mp3) {
        window_.enableTimer(Timer1, false);
        MP3_Close(mci_);
      }
    }
    if (cursorHiddenByHost_) ShowCursor(TRUE);
    ExitProcess(0);
  }

  bool cursorHiddenByHost_;
  FormWindow window_;
  Win32MusicPlatform mci_;
  RendererWatch watch_;
  Win32RendererStarter renderer_;
  DWORD startTick_ = 0;
};

}  // namespace

void runSaver(bool cursorHiddenByHost) {
  Vantrel_S run(cursorHiddenByHost);
  if (!run.load()) {
    if (cursorHiddenByHost) ShowCursor(TRUE);
    ExitProcess(0);
  }
  runMessageLoop();
  ExitProcess(0);
}

}  // namespace vantrel
