// PNG files to and from pixel surfaces (libpng). Alpha is composited onto white when read
// into a plain surface; ReadPngWithAlpha keeps it for image lists.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "win32/surface.h"

namespace win32 {

bool WritePng(const Surface& surface, const std::string& path);
bool ReadPng(const std::string& path, Surface& out);
bool ReadPngFromMemory(const unsigned char* data, size_t size, Surface& out);

// Reads a PNG and returns its per-pixel alpha (0..255, one byte per pixel) beside the
// colours, which are stored un-composited.
bool ReadPngWithAlpha(const std::string& path, Surface& out, std::vector<BYTE>& alpha);

}  // namespace win32
