// A map file read by the loader of 타른, then the view drawn.
#include "folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vela::fuzz::LoadTownWith("Tarn.map", data, size);
    return 0;
}
