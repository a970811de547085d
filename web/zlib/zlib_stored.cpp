#include "zlib.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uLong kBlock = 65535;  // the most bytes one stored block holds

uLong adler32(const Bytef* bytes, uLong length) {
    uLong a = 1, b = 0;
    for (uLong i = 0; i < length; ++i) {
        a = (a + bytes[i]) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

}  // namespace

uLong crc32(uLong crc, const Bytef* bytes, uInt length) {
    static const auto table = [] {
        struct { uLong entry[256]; } t{};
        for (uLong n = 0; n < 256; ++n) {
            uLong c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320UL ^ (c >> 1) : c >> 1;
            t.entry[n] = c;
        }
        return t;
    }();
    crc ^= 0xFFFFFFFFUL;
    for (uInt i = 0; i < length; ++i) crc = table.entry[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFUL;
}

uLong compressBound(uLong sourceLength) { return sourceLength + 5 * (sourceLength / kBlock + 1) + 6; }

int compress2(Bytef* dest, uLongf* destLength, const Bytef* source, uLong sourceLength, int) {
    if (*destLength < compressBound(sourceLength)) return Z_BUF_ERROR;
    Bytef* out = dest;
    *out++ = 0x78;  // deflate, 32 KB window
    *out++ = 0x01;  // no dictionary, fastest; the header is a multiple of 31
    uLong done = 0;
    do {
        uLong length = std::min(kBlock, sourceLength - done);
        *out++ = done + length == sourceLength ? 1 : 0;  // the last block or not, stored
        const uLong inverse = ~length & 0xFFFF;
        *out++ = Bytef(length);
        *out++ = Bytef(length >> 8);
        *out++ = Bytef(inverse);
        *out++ = Bytef(inverse >> 8);
        std::memcpy(out, source + done, length);
        out += length;
        done += length;
    } while (done < sourceLength);
    uLong sum = adler32(source, sourceLength);
    for (int s = 24; s >= 0; s -= 8) *out++ = Bytef(sum >> s);
    *destLength = uLongf(out - dest);
    return Z_OK;
}

int uncompress(Bytef* dest, uLongf* destLength, const Bytef* source, uLong sourceLength) {
    if (sourceLength < 6 || (source[0] & 0x0F) != 8 || (source[0] << 8 | source[1]) % 31 != 0) return Z_DATA_ERROR;
    uLong in = 2, out = 0;
    for (bool last = false; !last;) {
        if (in + 5 > sourceLength || (source[in] & 0x06) != 0) return Z_DATA_ERROR;  // stored blocks only
        last = source[in] & 1;
        uLong length = source[in + 1] | uLong(source[in + 2]) << 8;
        if ((length ^ (source[in + 3] | uLong(source[in + 4]) << 8)) != 0xFFFF) return Z_DATA_ERROR;
        in += 5;
        if (in + length > sourceLength) return Z_DATA_ERROR;
        if (out + length > *destLength) return Z_BUF_ERROR;
        std::memcpy(dest + out, source + in, length);
        in += length;
        out += length;
    }
    if (in + 4 > sourceLength) return Z_DATA_ERROR;
    uLong sum = uLong(source[in]) << 24 | uLong(source[in + 1]) << 16 | uLong(source[in + 2]) << 8 | source[in + 3];
    if (sum != adler32(dest, out)) return Z_DATA_ERROR;
    *destLength = out;
    return Z_OK;
}
