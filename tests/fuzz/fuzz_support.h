#pragma once
// Shared by the fuzzers: reading the raw input as wide texts, and the rounding rule that
// every number must obey.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/converter/typed_codes.h"

// A broken invariant stops the run; libFuzzer then saves the input as a crash artifact.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace zintar::fuzz {

// The input three ways: one unit per byte (where mutations find ASCII numbers quickly), per
// little-endian 16-bit unit (UTF-16 as on Windows, lone surrogates included) and per 32-bit
// unit (with a 32-bit wchar_t also values past U+10FFFF and negative ones).
inline std::vector<std::wstring> WideTexts(const uint8_t* data, size_t size) {
    const auto units = [&](size_t width) {
        std::wstring text;
        for (size_t i = 0; i + width <= size; i += width) {
            uint32_t unit = 0;
            for (size_t byte = width; byte-- > 0;)
                unit = unit << 8 | uint32_t{data[i + byte]};
            text.push_back(static_cast<wchar_t>(unit));
        }
        return text;
    };
    return {units(1), units(2), units(4)};
}

// Nearest integer with halves to the even one inside the 16-bit range, its ends outside.
inline void CheckRounding(double x) {
    const int n = RoundToInteger(x);
    if (std::isnan(x)) {
        FUZZ_CHECK(n == 0);
    } else if (x >= 32767.5) {
        FUZZ_CHECK(n == 32767);
    } else if (x < -32768.5) {
        FUZZ_CHECK(n == -32768);
    } else {
        const double distance = std::fabs(n - x);
        FUZZ_CHECK(distance <= 0.5);
        FUZZ_CHECK(distance < 0.5 || n % 2 == 0);
    }
}

} // namespace zintar::fuzz
