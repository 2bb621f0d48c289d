// Plays one file through the audio library's real output for the e2e test:
//   play_file PATH VOLUME SECONDS
// prints which output played ("device" or "silent") and the position reached.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "audio/audio.h"
#include "audio/test_hooks.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: play_file PATH VOLUME SECONDS\n");
    return 2;
  }
  if (!BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr)) return 3;
  const AudioHandle stream = BASS_StreamCreateFile(false, argv[1], 0, 0, 0);
  if (!stream) return 4;
  // The players' order: the volume first, so the very first block has it.
  BASS_ChannelSetAttribute(stream, kVolumeAttribute, static_cast<float>(std::atof(argv[2])));
  BASS_ChannelPlay(stream, false);
  Sleep(static_cast<DWORD>(std::atof(argv[3]) * 1000));
  const double position =
      BASS_ChannelBytes2Seconds(stream, BASS_ChannelGetPosition(stream, kPositionBytes));
  std::printf("%s %.3f\n", AudioTestUsesSilentOutput() ? "silent" : "device", position);
  BASS_StreamFree(stream);
  return 0;
}
