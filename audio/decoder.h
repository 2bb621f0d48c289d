// What the mixer needs of a decoder: interleaved float frames and seeking.
#pragma once

#include <cstddef>
#include <cstdint>

struct AudioFormat {
  std::uint32_t rate = 0;
  std::uint32_t channels = 0;
};

class Decoder {
 public:
  virtual ~Decoder() = default;
  virtual AudioFormat format() const = 0;
  // Length in frames as far as it is known now; the stream corrects it at the end.
  virtual std::int64_t lengthFrames() const = 0;
  // Frames decoded into out (format().channels floats each); 0 when nothing more decodes.
  virtual std::size_t read(float* out, std::size_t frames) = 0;
  virtual bool seek(std::int64_t frame) = 0;
};
