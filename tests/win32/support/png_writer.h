// A small PNG writer for the tests' screenshots: 8-bit RGB, the image data in stored (not
// compressed) deflate blocks, so it needs no compression library.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// rgb holds height rows of width pixels, top row first, three bytes (red, green, blue) a pixel.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
