// The few zlib calls the PNG code makes, for the WebAssembly builds: there
// is no zlib for emscripten on a machine without network access. Pictures
// are stored, not compressed (zlib_stored.cpp); the pixels are the same.
#pragma once

#include <cstddef>

using uLong = unsigned long;
using uLongf = unsigned long;
using uInt = unsigned int;
using Bytef = unsigned char;

constexpr int Z_OK = 0;
constexpr int Z_DATA_ERROR = -3;
constexpr int Z_BUF_ERROR = -5;

uLong crc32(uLong crc, const Bytef* bytes, uInt length);
uLong compressBound(uLong sourceLength);
// Writes a zlib stream of stored blocks; the level is ignored.
int compress2(Bytef* dest, uLongf* destLength, const Bytef* source, uLong sourceLength, int level);
// Reads a zlib stream of stored blocks (what compress2 writes); a stream of
// compressed blocks is Z_DATA_ERROR.
int uncompress(Bytef* dest, uLongf* destLength, const Bytef* source, uLong sourceLength);
