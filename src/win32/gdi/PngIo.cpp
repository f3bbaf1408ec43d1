#include <png.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "win32/png_io.h"

namespace win32 {
namespace {

constexpr int kMaxAlpha = 255;
constexpr int kRgbaChannels = 4;

bool DecodeImage(png_image& image, Surface& out, std::vector<BYTE>* alpha) {
  if (PNG_IMAGE_FAILED(image)) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<png_byte> buffer(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  const int w = static_cast<int>(image.width);
  const int h = static_cast<int>(image.height);
  out.bitsPerPixel = 32;
  out.Resize(w, h);
  if (alpha) alpha->assign(static_cast<size_t>(w * h), 0);
  for (int i = 0; i < w * h; ++i) {
    const png_byte* p = &buffer[static_cast<size_t>(i * kRgbaChannels)];
    const int a = p[3];
    if (alpha) {
      (*alpha)[static_cast<size_t>(i)] = static_cast<BYTE>(a);
      out.pixels[static_cast<size_t>(i)] = RGB(p[0], p[1], p[2]);
    } else {
      // Composite onto white so transparent areas read as the usual white background.
      auto over = [a](int c) { return static_cast<BYTE>((c * a + kMaxAlpha * (kMaxAlpha - a)) / kMaxAlpha); };
      out.pixels[static_cast<size_t>(i)] = RGB(over(p[0]), over(p[1]), over(p[2]));
    }
  }
  return true;
}

bool ReadFile(const std::string& path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !bytes.empty();
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path) {
  if (surface.width <= 0 || surface.height <= 0) return false;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(surface.width);
  image.height = static_cast<png_uint_32>(surface.height);
  image.format = PNG_FORMAT_RGB;
  constexpr int kRgbChannels = 3;
  std::vector<png_byte> buffer(static_cast<size_t>(surface.width * surface.height * kRgbChannels));
  for (size_t i = 0; i < surface.pixels.size(); ++i) {
    const COLORREF c = surface.pixels[i];
    buffer[i * kRgbChannels] = GetRValue(c);
    buffer[i * kRgbChannels + 1] = GetGValue(c);
    buffer[i * kRgbChannels + 2] = GetBValue(c);
  }
  const bool ok = png_image_write_to_file(&image, path.c_str(), 0, buffer.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

bool ReadPngFromMemory(const unsigned char* data, size_t size, Surface& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  png_image_begin_read_from_memory(&image, data, size);
  return DecodeImage(image, out, nullptr);
}

bool ReadPng(const std::string& path, Surface& out) {
  std::vector<unsigned char> bytes;
  return ReadFile(path, bytes) && ReadPngFromMemory(bytes.data(), bytes.size(), out);
}

bool ReadPngWithAlpha(const std::string& path, Surface& out, std::vector<BYTE>& alpha) {
  std::vector<unsigned char> bytes;
  if (!ReadFile(path, bytes)) return false;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  png_image_begin_read_from_memory(&image, bytes.data(), bytes.size());
  return DecodeImage(image, out, &alpha);
}

}  // namespace win32
