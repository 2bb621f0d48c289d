#include "audio/device_output.h"

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstring>

namespace {

// Eight blocks of 10 ms: enough that a late wake-up of the mixer is not
// heard, little enough that the position, which subtracts what is queued
// here, and the sound stay close together.
constexpr std::uint32_t kBlocksPerSecond = 100;
constexpr std::size_t kBufferCount = 8;
// Queued buffers come back every 10 ms while the device plays. None back for
// this long means the sound server has gone: waveOutWrite still succeeds then,
// but the buffers are never handed back. Long enough that a loaded machine
// starving Wine's audio thread for a moment is not taken for a lost device.
constexpr auto kStallLimit = std::chrono::milliseconds(1500);

WAVEFORMATEX StereoPcm16(std::uint32_t rate) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = rate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 4;
  format.nAvgBytesPerSec = rate * 4;
  return format;
}

}  // namespace

struct DeviceOutput::Buffer {
  WAVEHDR header{};
  std::vector<std::int16_t> samples;
};

// With no sound server waveOutOpen fails (MMSYSERR_BADDEVICEID), which is
// where a missing device shows and the caller falls back to the silent output.
std::unique_ptr<DeviceOutput> DeviceOutput::Open(int device, std::uint32_t rate) {
  const UINT id = device < 0 ? WAVE_MAPPER : static_cast<UINT>(device - 1);
  WAVEFORMATEX format = StereoPcm16(rate);
  HWAVEOUT handle = nullptr;
  if (waveOutOpen(&handle, id, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return nullptr;
  return std::unique_ptr<DeviceOutput>(new DeviceOutput(handle, rate));
}

DeviceOutput::DeviceOutput(void* device, std::uint32_t rate)
    : device_(device), rate_(rate), block_(rate / kBlocksPerSecond), buffers_(kBufferCount) {
  for (Buffer& buffer : buffers_) {
    buffer.samples.resize(2 * block_);
    buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
    buffer.header.dwBufferLength = static_cast<DWORD>(buffer.samples.size() * sizeof(std::int16_t));
    waveOutPrepareHeader(static_cast<HWAVEOUT>(device_), &buffer.header, sizeof(WAVEHDR));
    buffer.header.dwFlags |= WHDR_DONE;
  }
}

DeviceOutput::~DeviceOutput() {
  auto* device = static_cast<HWAVEOUT>(device_);
  waveOutReset(device);
  for (Buffer& buffer : buffers_) waveOutUnprepareHeader(device, &buffer.header, sizeof(WAVEHDR));
  waveOutClose(device);
}

// The driver sets WHDR_DONE from its own thread when it has played a buffer;
// the flags are read atomically, with acquire order, so the read is neither
// torn nor hoisted out of the loop and what the driver wrote before is seen.
void DeviceOutput::reap() {
  while (inFlight_ > 0) {
    const DWORD flags =
        std::atomic_ref<DWORD>(buffers_[oldest_].header.dwFlags).load(std::memory_order_acquire);
    if (!(flags & WHDR_DONE)) break;
    oldest_ = (oldest_ + 1) % buffers_.size();
    --inFlight_;
    played_ += static_cast<std::int64_t>(block_);
    lastReturn_ = std::chrono::steady_clock::now();
  }
}

bool DeviceOutput::canWrite() {
  reap();
  return inFlight_ < buffers_.size();
}

void DeviceOutput::write(const std::int16_t* stereo) {
  Buffer& buffer = buffers_[(oldest_ + inFlight_) % buffers_.size()];
  std::memcpy(buffer.samples.data(), stereo, buffer.samples.size() * sizeof(std::int16_t));
  buffer.header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
  if (waveOutWrite(static_cast<HWAVEOUT>(device_), &buffer.header, sizeof(WAVEHDR)) !=
      MMSYSERR_NOERROR) {
    buffer.header.dwFlags |= WHDR_DONE;
    writeFailed_ = true;
  }
  if (inFlight_ == 0) lastReturn_ = std::chrono::steady_clock::now();
  ++inFlight_;
}

// The driver's buffers come back one block at a time; half a block is the
// longest the mixer can sleep without the queue running short.
std::chrono::microseconds DeviceOutput::untilWritable() {
  if (canWrite()) return std::chrono::microseconds(0);
  return std::chrono::microseconds(500'000 / kBlocksPerSecond);
}

// Buffers handed back count as played. waveOutGetPosition was tried: under
// Wine it runs ahead of the wall clock (2.07 s of sound after 2.0 s), while
// the buffers handed back stay just behind it.
std::int64_t DeviceOutput::playedFrames() {
  reap();
  return played_;
}

bool DeviceOutput::failed() {
  reap();
  if (writeFailed_) return true;
  return inFlight_ > 0 && std::chrono::steady_clock::now() - lastReturn_ > kStallLimit;
}
