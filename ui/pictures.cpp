#include "ui/pictures.h"

#include <cstring>

namespace zintar {

namespace {

constexpr LONG kLargestPicture = 4096; // far beyond any picture of the window
constexpr WORD kAlphaBits = 32;
constexpr DWORD kBytesPerAlphaPixel = 4;

// The bitmap resource's header, if it is one the window draws with its alpha: 32 bits per
// pixel, uncompressed, no colour table, and as many pixel bytes as the header promises.
const BITMAPINFOHEADER* AlphaBitmapHeader(const void* data, DWORD size) {
    if (!data || size < sizeof(BITMAPINFOHEADER))
        return nullptr;
    const auto* header = static_cast<const BITMAPINFOHEADER*>(data);
    const LONG height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    if (header->biSize != sizeof(BITMAPINFOHEADER) || header->biPlanes != 1 ||
        header->biBitCount != kAlphaBits || header->biCompression != BI_RGB ||
        header->biClrUsed != 0 || header->biWidth <= 0 || header->biWidth > kLargestPicture ||
        height <= 0 || height > kLargestPicture)
        return nullptr;
    const DWORD pixelBytes =
        static_cast<DWORD>(header->biWidth) * static_cast<DWORD>(height) * kBytesPerAlphaPixel;
    if (size - sizeof(BITMAPINFOHEADER) < pixelBytes)
        return nullptr;
    return header;
}

// LoadImage may pass the pixels through a device context on the way, which need not keep
// the fourth byte; copying them into a DIB section of the same format keeps the alpha.
win32::ScopedBitmap AlphaBitmapFrom(const BITMAPINFOHEADER& header) {
    BITMAPINFO info{};
    info.bmiHeader = header;
    void* bits = nullptr;
    win32::ScopedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    std::memcpy(bits, &header + 1,
                static_cast<size_t>(header.biWidth) * static_cast<size_t>(height) *
                    kBytesPerAlphaPixel);
    GdiFlush();
    return bitmap;
}

} // namespace

win32::ScopedBitmap PictureLoader::Load(int resourceId) const {
    HRSRC found = FindResourceW(instance_, MAKEINTRESOURCEW(resourceId), RT_BITMAP);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(instance_, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (const BITMAPINFOHEADER* header = AlphaBitmapHeader(data, SizeofResource(instance_, found)))
        return AlphaBitmapFrom(*header);
    return win32::ScopedBitmap(static_cast<HBITMAP>(LoadImageW(
        instance_, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

} // namespace zintar
