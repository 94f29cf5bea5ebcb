#pragma once
// The display scales the pictures are embedded for, and which of them a window at any DPI
// draws from.
#include <array>
#include <cstddef>

namespace zintar {

inline constexpr std::array<int, 4> kEmbeddedPictureDpis = {96, 120, 144, 192};

struct PictureSource {
    std::size_t index; // into kEmbeddedPictureDpis
    int dpi;
};

// The picture drawn for the DPI when there is one. Otherwise the smallest one drawn larger,
// resampled down: shrinking keeps a sharp edge within a pixel, where enlarging the 96 dpi
// picture spreads it over two. Above the largest, that one, resampled up.
constexpr PictureSource PictureSourceFor(int dpi) {
    for (std::size_t i = 0; i < kEmbeddedPictureDpis.size(); ++i)
        if (kEmbeddedPictureDpis[i] >= dpi)
            return {i, kEmbeddedPictureDpis[i]};
    return {kEmbeddedPictureDpis.size() - 1, kEmbeddedPictureDpis.back()};
}

} // namespace zintar
