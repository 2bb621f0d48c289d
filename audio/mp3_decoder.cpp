// libmpg123's offsets are off_t; MinGW's off_t is 32 bits unless asked for 64,
// and the 64-bit build of the library exports the "_64" names, which the
// header selects when _FILE_OFFSET_BITS is 64.
#define _FILE_OFFSET_BITS 64
#include "audio/mp3_decoder.h"

#include <mpg123.h>
#include <sys/types.h>

#include <algorithm>
#include <cstdio>

#include "audio/xing_header.h"

static_assert(sizeof(off_t) == 8, "libmpg123 is used with 64-bit offsets");

namespace {

// A decoder that keeps answering "OK" without output is treated as finished.
constexpr int kMaxEmptyReads = 64;

mpg123_ssize_t ReadCallback(void* reader, void* buffer, size_t count) {
  return static_cast<mpg123_ssize_t>(static_cast<ByteReader*>(reader)->read(buffer, count));
}

off_t SeekCallback(void* handle, off_t offset, int whence) {
  auto* reader = static_cast<ByteReader*>(handle);
  std::int64_t base = 0;
  if (whence == SEEK_CUR) base = reader->tell();
  if (whence == SEEK_END) base = reader->size();
  return reader->seek(base + offset) ? reader->tell() : -1;
}

// libmpg123's synthesis puts this many samples of its own before a layer III
// stream's first; its gapless mode drops them together with the encoder delay.
constexpr long kDecoderDelay = 529;

// Quiet, gapless or not, float output at any rate, and no limit on resynchronising, so a
// damaged region is skipped instead of ending the track.
bool Configure(mpg123_handle* handle, bool gapless) {
  if (mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0) != MPG123_OK) return false;
  if (mpg123_param(handle, gapless ? MPG123_ADD_FLAGS : MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0) !=
      MPG123_OK)
    return false;
  if (mpg123_param(handle, MPG123_RESYNC_LIMIT, -1, 0) != MPG123_OK) return false;
  mpg123_format_none(handle);
  const long* rates = nullptr;
  size_t count = 0;
  mpg123_rates(&rates, &count);
  for (size_t i = 0; i < count; ++i)
    if (mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32) !=
        MPG123_OK)
      return false;
  return count > 0;
}

// After the first frame only its own rate and channel count are accepted, so
// a stream that changes format midway is converted by libmpg123.
bool FixFormat(mpg123_handle* handle, AudioFormat& format) {
  long rate = 0;
  int channels = 0;
  int encoding = 0;
  if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK) return false;
  if (rate <= 0 || (channels != 1 && channels != 2) || encoding != MPG123_ENC_FLOAT_32)
    return false;
  mpg123_format_none(handle);
  if (mpg123_format(handle, rate, channels, MPG123_ENC_FLOAT_32) != MPG123_OK) return false;
  format = {static_cast<std::uint32_t>(rate), static_cast<std::uint32_t>(channels)};
  return true;
}

// The encoder delay is known only from a LAME/Info header, and that header
// also carries the exact sample count; MPG123_ACCURATE says nothing of the
// length (it is 1 on any freshly opened file).
long EncoderDelay(mpg123_handle* handle) {
  long delay = -1;
  return mpg123_getstate(handle, MPG123_ENC_DELAY, &delay, nullptr) == MPG123_OK ? delay : -1;
}

bool LengthIsExact(mpg123_handle* handle) { return EncoderDelay(handle) >= 0; }

// No MPEG audio frame carries more than 64 samples per byte (the densest,
// low-rate MPEG 2.5 and free-format streams stay far below), so a length
// claiming more than that for the file's size is not the file's.
bool LengthFits(off_t length, std::int64_t bytes) {
  constexpr std::int64_t kMostFramesPerByte = 64;
  return length > 0 && bytes > 0 && length / kMostFramesPerByte <= bytes;
}

}  // namespace

std::unique_ptr<Mp3Decoder> Mp3Decoder::Open(std::unique_ptr<ByteReader> reader) {
  if (!reader) return nullptr;
  static const bool initialised = mpg123_init() == MPG123_OK;
  if (!initialised) return nullptr;
  mpg123_handle* handle = mpg123_new(nullptr, nullptr);
  if (!handle) return nullptr;
  std::unique_ptr<Mp3Decoder> decoder(new Mp3Decoder(std::move(reader), handle));
  return decoder->start() ? std::move(decoder) : nullptr;
}

Mp3Decoder::Mp3Decoder(std::unique_ptr<ByteReader> reader, mpg123_handle_struct* handle)
    : reader_(std::move(reader)), handle_(handle) {}

Mp3Decoder::~Mp3Decoder() {
  mpg123_close(handle_);
  mpg123_delete(handle_);
}

// Without a LAME/Xing header the length is an estimate from the first frames;
// a scan of every frame header makes it exact. So does a header that counts
// more bytes than the file holds (its length is that of the whole file the
// cut one came from), and one that claims more sound than any file of this
// size can hold: a damaged or forged header can claim days in a few bytes,
// and a seek towards that length had libmpg123 search for a minute for
// frames that do not exist.
bool Mp3Decoder::start() {
  const bool headerInDoubt = XingPromiseInDoubt(*reader_);
  if (!open(true)) return false;
  const bool trusted = !headerInDoubt && LengthIsExact(handle_) &&
                       LengthFits(mpg123_length(handle_), reader_->size());
  if (!trusted) return openCounted();
  length_ = mpg123_length(handle_);
  return mpg123_seek(handle_, 0, SEEK_SET) == 0;
}

bool Mp3Decoder::open(bool gapless) {
  mpg123_close(handle_);
  if (!reader_->seek(0) || !Configure(handle_, gapless)) return false;
  if (mpg123_replace_reader_handle(handle_, ReadCallback, SeekCallback, nullptr) != MPG123_OK)
    return false;
  return mpg123_open_handle(handle_, reader_.get()) == MPG123_OK && FixFormat(handle_, format_);
}

// Once the scan finds fewer frames than the LAME/Info header promised,
// libmpg123 drops its gapless mode altogether, and a file cut short would
// start with the encoder's delay: some 25 ms of lead-in before its first
// sample, heard as a gap after the track before it. So the frames are
// counted with that mode off, and the lead-in the header tells of is
// skipped here; the end plays as far as the frames go.
bool Mp3Decoder::openCounted() {
  if (!open(false) || mpg123_scan(handle_) != MPG123_OK) return false;
  const off_t frames = mpg123_length(handle_);
  if (!LengthFits(frames, reader_->size())) return false;
  const long delay = EncoderDelay(handle_);
  lead_ = delay >= 0 && delay + kDecoderDelay < frames ? delay + kDecoderDelay : 0;
  length_ = frames - lead_;
  return mpg123_seek(handle_, lead_, SEEK_SET) == lead_;
}

// A damaged stream can decode to more frames than its scan counted (the
// decoder finds frames where the scan of headers did not); the reported
// length is what plays, so the stream ends there.
std::size_t Mp3Decoder::read(float* out, std::size_t frames) {
  const std::int64_t left = std::max<std::int64_t>(length_ - position_, 0);
  frames = static_cast<std::size_t>(std::min(static_cast<std::int64_t>(frames), left));
  const std::size_t frameBytes = sizeof(float) * format_.channels;
  std::size_t done = 0;
  int emptyReads = 0;
  while (!finished_ && done < frames * frameBytes) {
    size_t got = 0;
    const int result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out) + done,
                                   frames * frameBytes - done, &got);
    done += got;
    emptyReads = got == 0 ? emptyReads + 1 : 0;
    if ((result != MPG123_OK && result != MPG123_NEW_FORMAT) || emptyReads > kMaxEmptyReads)
      finished_ = true;
  }
  position_ += static_cast<std::int64_t>(done / frameBytes);
  return done / frameBytes;
}

bool Mp3Decoder::seek(std::int64_t frame) {
  finished_ = false;
  const off_t at = mpg123_seek(handle_, static_cast<off_t>(frame + lead_), SEEK_SET);
  if (at < 0) return false;
  position_ = std::max<std::int64_t>(at - lead_, 0);
  return true;
}
