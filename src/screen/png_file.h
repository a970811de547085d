// Writing and reading 8-bit RGB PNG files: screenshots, harness shots,
// golden images and the data builder's contact sheets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vela {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3, rows top first
};

// A picture of a 5-5-5 surface (bits 14..10 red, 9..5 green, 4..0 blue).
RgbImage RgbFrom555(const uint16_t* pixels, int width, int height);

// Returns false when the file cannot be written, with the reason in error
// when it is given.
bool WritePng(const std::string& path, const RgbImage& image, std::string* error = nullptr);
// Returns false when the file is missing or not an 8-bit RGB PNG we wrote.
bool ReadPng(const std::string& path, RgbImage& image);

}  // namespace vela
