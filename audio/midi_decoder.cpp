#include "audio/midi_decoder.h"

#include <algorithm>
#include <vector>

#include "audio/midi_synth.h"

namespace {

// Gain of the synthesizer in percent (its own default is 70). A dense minute of
// nine instruments in triads over drums peaks at +3 dBFS at 70, clipping; at
// 43 it peaks near -1 dBFS, so the mixer gets no clipped samples at volume 1.
constexpr int kAmplification = 43;

std::size_t ReadCallback(SDL_RWops* rw, void* buffer, std::size_t size, std::size_t count) {
  if (size == 0 || count == 0) return 0;
  return static_cast<ByteReader*>(rw->data)->read(buffer, size * count) / size;
}

Sint64 SeekCallback(SDL_RWops* rw, Sint64 offset, int whence) {
  auto* reader = static_cast<ByteReader*>(rw->data);
  std::int64_t base = 0;
  if (whence == RW_SEEK_CUR) base = reader->tell();
  if (whence == RW_SEEK_END) base = reader->size();
  return reader->seek(base + offset) ? reader->tell() : -1;
}

// The reader belongs to the decoder, which outlives the song's reading.
int CloseCallback(SDL_RWops*) { return 0; }

class MidiDecoder final : public Decoder {
 public:
  explicit MidiDecoder(std::unique_ptr<ByteReader> reader)
      : reader_(std::move(reader)),
        source_{ReadCallback, SeekCallback, CloseCallback, reader_.get()} {}
  ~MidiDecoder() override { Timidity_FreeSong(song_); }
  MidiDecoder(const MidiDecoder&) = delete;
  MidiDecoder& operator=(const MidiDecoder&) = delete;

  bool load() {
    song_ = LoadMidiSong(&source_);
    if (!song_) return false;
    Timidity_Start(song_);
    Timidity_SetVolume(song_, kAmplification);
    return true;
  }

  AudioFormat format() const override { return {kMidiRate, 2}; }
  std::int64_t lengthFrames() const override { return song_->samples; }
  std::size_t read(float* out, std::size_t frames) override;
  bool seek(std::int64_t frame) override;

 private:
  bool renderBlock();

  std::unique_ptr<ByteReader> reader_;
  SDL_RWops source_;
  MidiSong* song_ = nullptr;
  std::vector<std::int16_t> block_ = std::vector<std::int16_t>(kMidiBlockFrames * 2);
  std::size_t blockFill_ = 0;  // frames in block_
  std::size_t blockRead_ = 0;  // frames of block_ already handed out
};

// The synthesizer is asked for one whole block at a time: it writes a block
// only once it is complete, and the last, partial one at the end of the song.
bool MidiDecoder::renderBlock() {
  const int bytes = Timidity_PlaySome(song_, block_.data(), kMidiBlockFrames * 4);
  blockFill_ = bytes > 0 ? static_cast<std::size_t>(bytes) / 4 : 0;
  blockRead_ = 0;
  return blockFill_ > 0;
}

std::size_t MidiDecoder::read(float* out, std::size_t frames) {
  std::size_t done = 0;
  while (done < frames) {
    if (blockRead_ == blockFill_ && !renderBlock()) break;
    const std::size_t n = std::min(frames - done, blockFill_ - blockRead_);
    const std::int16_t* from = block_.data() + blockRead_ * 2;
    std::transform(from, from + n * 2, out + done * 2, [](std::int16_t s) { return s / 32768.0f; });
    blockRead_ += n;
    done += n;
  }
  return done;
}

bool MidiDecoder::seek(std::int64_t frame) {
  if (frame < 0 || frame > song_->samples) return false;
  Timidity_SeekSample(song_, static_cast<Sint32>(frame));
  blockFill_ = blockRead_ = 0;
  return true;
}

}  // namespace

std::unique_ptr<Decoder> OpenMidiDecoder(std::unique_ptr<ByteReader> reader) {
  if (!reader) return nullptr;
  auto decoder = std::make_unique<MidiDecoder>(std::move(reader));
  return decoder->load() ? std::move(decoder) : nullptr;
}
