#include "png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zintar::pictures {
namespace {

// Deflate writes its bits from the least significant one up; Huffman codes go in from their
// most significant bit, so they are reversed on the way.
class BitWriter {
  public:
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            bit(value >> i & 1);
        }
    }
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            bit(value >> i & 1);
        }
    }
    std::vector<std::uint8_t> take() {
        if (used_ != 0) {
            bytes_.push_back(current_);
        }
        return std::move(bytes_);
    }

  private:
    void bit(std::uint32_t b) {
        current_ = static_cast<std::uint8_t>(current_ | b << used_);
        if (++used_ == 8) {
            bytes_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }
    std::vector<std::uint8_t> bytes_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of the deflate format.
void symbol(BitWriter& out, int s) {
    if (s < 144) {
        out.code(0x30 + s, 8);
    } else if (s < 256) {
        out.code(0x190 + s - 144, 9);
    } else if (s < 280) {
        out.code(s - 256, 7);
    } else {
        out.code(0xC0 + s - 280, 8);
    }
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr int kLongestCopy = 258;
constexpr int kShortestCopy = 3;
constexpr int kFarthestCopy = 32768;

template <std::size_t N> int codeFor(const std::array<int, N>& base, int value) {
    return static_cast<int>(std::upper_bound(base.begin(), base.end(), value) - base.begin()) - 1;
}

void copy(BitWriter& out, int length, int distance) {
    const int l = codeFor(kLengthBase, length);
    symbol(out, 257 + l);
    out.bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    const int d = codeFor(kDistanceBase, distance);
    out.code(static_cast<std::uint32_t>(d), 5);
    out.bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

int matchLength(const std::vector<std::uint8_t>& data, std::size_t at, std::size_t distance) {
    if (distance == 0 || distance > at || distance > kFarthestCopy) {
        return 0;
    }
    const std::size_t most = std::min<std::size_t>(kLongestCopy, data.size() - at);
    std::size_t n = 0;
    while (n < most && data[at + n] == data[at + n - distance]) {
        ++n;
    }
    return static_cast<int>(n);
}

std::vector<std::uint8_t> deflate(const std::vector<std::uint8_t>& data, std::size_t rowBytes) {
    BitWriter out;
    out.bits(1, 1); // the last block
    out.bits(1, 2); // fixed codes
    for (std::size_t at = 0; at < data.size();) {
        const int byPixel = matchLength(data, at, 4);
        const int byRow = matchLength(data, at, rowBytes);
        const int best = std::max(byPixel, byRow);
        if (best >= kShortestCopy) {
            copy(out, best, static_cast<int>(best == byRow ? rowBytes : 4));
            at += static_cast<std::size_t>(best);
        } else {
            symbol(out, data[at]);
            ++at;
        }
    }
    symbol(out, 256); // end of block
    return out.take();
}

std::uint32_t adler32(const std::vector<std::uint8_t>& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
        }
    }
    return ~crc;
}

void bigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void chunk(std::vector<std::uint8_t>& out, std::string_view type,
           const std::vector<std::uint8_t>& data) {
    bigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    bigEndian(out, crc32(out.data() + start, out.size() - start));
}

} // namespace

std::vector<std::uint8_t> encodePng(const IconImage& picture) {
    const int size = picture.size;
    const std::size_t rowBytes = 1 + 4 * std::size_t(size);
    std::vector<std::uint8_t> rows;
    rows.reserve(rowBytes * size);
    for (int y = 0; y < size; ++y) {
        rows.push_back(0); // no filter
        for (int x = 0; x < size; ++x) {
            const Rgba& c = picture.at(x, y);
            rows.insert(rows.end(), {c.r, c.g, c.b, c.a});
        }
    }

    std::vector<std::uint8_t> header;
    bigEndian(header, static_cast<std::uint32_t>(size));
    bigEndian(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace

    std::vector<std::uint8_t> stream = {0x78, 0x01}; // deflate, 32 KiB window, no dictionary
    const std::vector<std::uint8_t> body = deflate(rows, rowBytes);
    stream.insert(stream.end(), body.begin(), body.end());
    bigEndian(stream, adler32(rows));

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", stream);
    chunk(png, "IEND", {});
    return png;
}

} // namespace zintar::pictures
