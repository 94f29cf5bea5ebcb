// RoundToInteger over arbitrary doubles (NaNs, infinities, subnormals and the halves near
// the 16-bit ends included): the rounding rule for each, and order kept between neighbours.
#include <cstring>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    double previous = 0;
    for (size_t i = 0; i + sizeof(double) <= size; i += sizeof(double)) {
        double x;
        std::memcpy(&x, data + i, sizeof x);
        zintar::fuzz::CheckRounding(x);
        if (i > 0 && previous <= x)
            FUZZ_CHECK(zintar::RoundToInteger(previous) <= zintar::RoundToInteger(x));
        previous = x;
    }
    return 0;
}
