// The audio operations the players call, under their own names. Byte counts
// and positions are 16-bit PCM of the stream's own rate and channel count.
#pragma once

#include <cstdint>

using AudioHandle = std::uint32_t;

inline constexpr std::uint32_t kVolumeAttribute = 2;
inline constexpr std::uint32_t kPositionBytes = 0;
inline constexpr std::uint32_t kActiveStopped = 0;
inline constexpr std::uint32_t kActivePlaying = 1;
inline constexpr std::uint32_t kActiveStalled = 2;  // reserved, never reported
inline constexpr std::uint32_t kActivePaused = 3;
inline constexpr int kDefaultDevice = -1;
inline constexpr int kNoSoundDevice = 0;

// Call from one thread at a time; the first successful call wins, later ones fail.
bool BASS_Init(int device, std::uint32_t frequency, std::uint32_t flags, void* window,
               const void* classId);
// Call from one thread at a time (the program's); 0 on any failure.
AudioHandle BASS_StreamCreateFile(bool fromMemory, const void* file, std::int64_t offset,
                                  std::int64_t length, std::uint32_t flags);
// Call from one thread at a time (the program's); never waits for the mixer.
bool BASS_ChannelPlay(AudioHandle handle, bool restart);
// Call from one thread at a time (the program's); never waits for the mixer.
bool BASS_ChannelPause(AudioHandle handle);
// Call from one thread at a time (the program's); safe while the stream plays.
bool BASS_StreamFree(AudioHandle handle);
// Call from one thread at a time (the program's); volume is clamped to [0, 1].
bool BASS_ChannelSetAttribute(AudioHandle handle, std::uint32_t attribute, float value);
// Call from one thread at a time (the program's); the seek itself runs on the mixer.
bool BASS_ChannelSetPosition(AudioHandle handle, std::int64_t position, std::uint32_t mode);
// Call from one thread at a time (the program's).
std::uint32_t BASS_ChannelIsActive(AudioHandle handle);
// Call from one thread at a time (the program's); -1 for an invalid handle.
std::int64_t BASS_ChannelGetLength(AudioHandle handle, std::uint32_t mode);
// Call from one thread at a time (the program's); -1 for an invalid handle.
std::int64_t BASS_ChannelGetPosition(AudioHandle handle, std::uint32_t mode);
// Call from one thread at a time (the program's); negative for an invalid handle.
double BASS_ChannelBytes2Seconds(AudioHandle handle, std::int64_t bytes);
// Our addition: `next` plays from the output frame right after the last frame
// of `current`, in the same block, without fade; its volume is what was set
// on it. `next` must be a created stream that has never been played; 0 drops
// whatever was queued. A stream queued before is replaced (not freed: the
// caller owns it). False for an invalid `current`, an invalid `next`, or a
// `current` that has already ended (or already handed over to a follower).
// Call from one thread at a time (the program's); never waits for the mixer.
bool AudioQueueNext(AudioHandle current, AudioHandle next);
// Our addition: posts `message` (wParam 0, lParam 0) to `window` on the
// program's behalf whenever a playing stream ends or hands over to the stream
// queued after it, so a program that waits for messages wakes at once. Null
// window: no message.
// Any thread; the message is posted from the mixer thread.
void AudioNotifyEnds(void* window, unsigned message);
