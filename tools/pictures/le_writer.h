// Little-endian byte output for the Windows bitmap and icon headers.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace zintar::pictures {

class LittleEndianWriter {
  public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Bitmap rows are padded to a multiple of four bytes.
constexpr std::size_t paddedRowBytes(int width, int bitsPerPixel) {
    return (std::size_t(width) * bitsPerPixel + 31) / 32 * 4;
}

} // namespace zintar::pictures
