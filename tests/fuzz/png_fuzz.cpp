// PNG bytes decoded from memory into rows the target owns.
#include <cstdint>
#include <vector>

#include "toolkit/png_decode.h"

namespace {

// Like the toolkit's own bitmaps, a picture too large for memory is refused.
constexpr std::size_t kMostBytes = 64u << 20;

class VectorRows final : public PngRows {
 public:
  unsigned char* rowsFor(const PngShape& shape, std::size_t& stride) override {
    if (shape.width <= 0 || shape.height <= 0) return nullptr;
    stride = static_cast<std::size_t>(shape.width) * static_cast<std::size_t>(shape.channels);
    stride = (stride + 3) & ~std::size_t{3};  // a DIB's rows are whole 32-bit words
    if (stride * static_cast<std::size_t>(shape.height) > kMostBytes) return nullptr;
    pixels_.assign(stride * static_cast<std::size_t>(shape.height), 0);
    return pixels_.data();
  }

 private:
  std::vector<unsigned char> pixels_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  VectorRows rows;
  decodePng(data, size, rows);
  return 0;
}
