// A map file read by the loader of 타른.
#include "folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vela::fuzz::LoadTownWith("Tarn.map", data, size);
    return 0;
}
