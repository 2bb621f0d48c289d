#include "png_fixture.h"

#include <png.h>

namespace {

void appendBytes(png_structp png, png_bytep data, std::size_t size) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

void flushNothing(png_structp) {}

void writeHeader(png_structp png, png_infop info, const PngPicture& picture) {
  png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colourType,
               picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (picture.palette.empty()) return;
  std::vector<png_color> colours;
  for (std::size_t i = 0; i + 2 < picture.palette.size(); i += 3)
    colours.push_back({picture.palette[i], picture.palette[i + 1], picture.palette[i + 2]});
  png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
}

}  // namespace

std::vector<unsigned char> encodePng(const PngPicture& picture) {
  std::vector<unsigned char> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, appendBytes, flushNothing);
  writeHeader(png, info, picture);
  png_write_info(png, info);
  std::vector<png_bytep> rowPointers;
  std::size_t stride = picture.rows.size() / picture.height;
  for (int y = 0; y < picture.height; ++y)
    rowPointers.push_back(const_cast<png_bytep>(picture.rows.data() + stride * y));
  png_write_image(png, rowPointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}
