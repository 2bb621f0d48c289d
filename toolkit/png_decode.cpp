#include "toolkit/png_decode.h"

#include <png.h>

#include <cstring>

namespace {

// No picture of ours comes near this side; a forged header must not
// make us ask for gigabytes.
constexpr png_uint_32 kLargestSide = 32767;
// Largest ancillary chunk or decompressed text libpng may hold, and how many
// such chunks it may keep: far above anything a picture of ours carries.
constexpr png_alloc_size_t kLargestChunk = 1 << 20;
constexpr png_uint_32 kMostCachedChunks = 128;

struct MemorySource {
  const png_byte* bytes;
  std::size_t size;
  std::size_t offset;
};

struct DecodeJob {
  MemorySource source;
  PngRows* rows;
};

// libpng reports errors through this function and expects it not to return;
// the jump lands at the setjmp of decodeRows, or at libpng's own while the
// read struct is being created. Nothing with a destructor lives in between.
[[noreturn]] void jumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Warnings (bad ancillary chunks, odd gamma) are not the program's business.
void ignoreWarning(png_structp, png_const_charp) {}

void readFromMemory(png_structp png, png_bytep out, std::size_t count) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (count > source->size - source->offset) png_error(png, "truncated");
  std::memcpy(out, source->bytes + source->offset, count);
  source->offset += count;
}

// Every picture arrives as 8-bit blue, green, red and perhaps alpha: palette
// and grey expanded, 16 bits per channel cut to 8, the order that of a DIB.
// Interlaced pictures are combined into whole rows. libpng applies these
// requests only when made before png_read_update_info. Gives the passes.
int requestDibRows(png_structp png, png_infop info) {
  png_byte colourType = png_get_color_type(png, info);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_gray_to_rgb(png);
  }
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  png_set_bgr(png);
  return png_set_interlace_handling(png);
}

// libpng only warns about an ancillary chunk longer than its limit and then
// allocates and zeroes the length the file claims, so a 41-byte file can ask
// for 2 GB. The rows need no ancillary chunk (no gamma, colour profile or
// text is applied), so all of them are skipped unread; the limits still bound
// whatever libpng does keep.
void limitMemory(png_structp png) {
  png_set_user_limits(png, kLargestSide, kLargestSide);
  png_set_chunk_malloc_max(png, kLargestChunk);
  png_set_chunk_cache_max(png, kMostCachedChunks);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
}

// Each pass of an interlaced picture fills in more pixels of the same rows.
void readAllRows(png_structp png, unsigned char* top, std::size_t stride, int height, int passes) {
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 0; y < height; ++y) png_read_row(png, top + stride * y, nullptr);
}

// False when libpng gives up (the jump), when the row memory is refused or
// when the colour layout is not one we store.
bool decodeRows(png_structp png, png_infop info, DecodeJob& job) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &job.source, readFromMemory);
  limitMemory(png);
  png_read_info(png, info);
  int passes = requestDibRows(png, info);
  png_read_update_info(png, info);
  PngShape shape;
  shape.width = static_cast<int>(png_get_image_width(png, info));
  shape.height = static_cast<int>(png_get_image_height(png, info));
  shape.channels = png_get_channels(png, info);
  if (shape.channels != 3 && shape.channels != 4) return false;
  std::size_t stride = 0;
  unsigned char* top = job.rows->rowsFor(shape, stride);
  if (!top || stride < png_get_rowbytes(png, info)) return false;
  readAllRows(png, top, stride, shape.height, passes);
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

bool decodePng(const void* data, std::size_t size, PngRows& rows) {
  if (!data || size < 8) return false;
  if (png_sig_cmp(static_cast<png_const_bytep>(data), 0, 8)) return false;
  DecodeJob job{{static_cast<const png_byte*>(data), size, 0}, &rows};
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpOnError, ignoreWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  bool decoded = info && decodeRows(png, info, job);
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  return decoded;
}
