#include "screen/png_file.h"

#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "files/durable_file.h"

namespace vela {

namespace {

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

uint32_t get32(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

void putChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put32(out, uint32_t(data.size()));
    std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, out.data() + start, uInt(out.size() - start));
    put32(out, uint32_t(crc));
}

const uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

}  // namespace

RgbImage RgbFrom555(const uint16_t* pixels, int width, int height) {
    RgbImage image{width, height, std::vector<uint8_t>(std::size_t(width) * height * 3)};
    for (std::size_t i = 0; i < std::size_t(width) * height; ++i) {
        uint16_t p = pixels[i];
        uint8_t r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
        image.rgb[i * 3] = uint8_t(r << 3 | r >> 2);
        image.rgb[i * 3 + 1] = uint8_t(g << 3 | g >> 2);
        image.rgb[i * 3 + 2] = uint8_t(b << 3 | b >> 2);
    }
    return image;
}

bool WritePng(const std::string& path, const RgbImage& image, std::string* error) {
    std::vector<uint8_t> raw;
    raw.reserve(std::size_t(image.height) * (image.width * 3 + 1));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);  // no filter
        const uint8_t* row = image.rgb.data() + std::size_t(y) * image.width * 3;
        raw.insert(raw.end(), row, row + image.width * 3);
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 6) != Z_OK) {
        if (error) *error = "cannot compress " + path;
        return false;
    }
    packed.resize(packedSize);

    std::vector<uint8_t> file(kSignature, kSignature + 8);
    std::vector<uint8_t> header;
    put32(header, uint32_t(image.width));
    put32(header, uint32_t(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", packed);
    putChunk(file, "IEND", {});

    std::string reason;
    if (ReplaceFile(path, file, reason)) return true;
    if (error) *error = reason;
    return false;
}

bool ReadPng(const std::string& path, RgbImage& image) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < 8 + 25 || std::memcmp(file.data(), kSignature, 8) != 0) return false;
    std::vector<uint8_t> packed;
    std::size_t pos = 8;
    while (pos + 12 <= file.size()) {
        uint32_t len = get32(&file[pos]);
        if (pos + 12 + len > file.size()) return false;
        const uint8_t* type = &file[pos + 4];
        const uint8_t* data = &file[pos + 8];
        if (std::memcmp(type, "IHDR", 4) == 0) {
            image.width = int(get32(data));
            image.height = int(get32(data + 4));
            if (data[8] != 8 || data[9] != 2 || data[12] != 0) return false;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            packed.insert(packed.end(), data, data + len);
        }
        pos += 12 + len;
    }
    if (image.width <= 0 || image.height <= 0) return false;
    std::size_t stride = std::size_t(image.width) * 3;
    std::vector<uint8_t> raw(image.height * (stride + 1));
    uLongf rawSize = uLongf(raw.size());
    if (uncompress(raw.data(), &rawSize, packed.data(), uLong(packed.size())) != Z_OK || rawSize != raw.size())
        return false;
    image.rgb.assign(image.height * stride, 0);
    // Only filter 0 (none) is produced by WritePng; decode the others too so
    // goldens edited with other tools still compare.
    for (int y = 0; y < image.height; ++y) {
        uint8_t filter = raw[y * (stride + 1)];
        const uint8_t* src = &raw[y * (stride + 1) + 1];
        uint8_t* dst = &image.rgb[y * stride];
        const uint8_t* up = y > 0 ? &image.rgb[(y - 1) * stride] : nullptr;
        for (std::size_t x = 0; x < stride; ++x) {
            int a = x >= 3 ? dst[x - 3] : 0, b = up ? up[x] : 0, c = (up && x >= 3) ? up[x - 3] : 0;
            int pred = 0;
            switch (filter) {
                case 0: pred = 0; break;
                case 1: pred = a; break;
                case 2: pred = b; break;
                case 3: pred = (a + b) / 2; break;
                case 4: {
                    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
                    pred = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
                    break;
                }
                default: return false;
            }
            dst[x] = uint8_t(src[x] + pred);
        }
    }
    return true;
}

}  // namespace vela
