#include "ui/main_window/pictures.h"

#include <cstring>

#include "core/pictures/picture_dpi.h"
#include "core/pictures/picture_scale.h"
#include "ui/common/resource_ids.h"

namespace zintar {

namespace {

constexpr LONG kLargestPicture = 4096; // far beyond any picture of the window
constexpr WORD kAlphaBits = 32;
constexpr DWORD kBytesPerAlphaPixel = 4;

// A picture's identifier at each embedded scale: its 96 dpi one plus a step per scale.
constexpr int ScaledPictureId(int resourceId, size_t scale) {
    return resourceId + static_cast<int>(scale) * IDB_SCALE_STEP;
}
static_assert(ScaledPictureId(IDB_IMGLANGENG, 2) == IDB_IMGLANGENG_144);
static_assert(ScaledPictureId(IDB_IMGLANGHUN_HL, 1) == IDB_IMGLANGHUN_HL_120);
static_assert(ScaledPictureId(IDB_IMAGE2, 3) == IDB_IMAGE2_192);
static_assert(kEmbeddedPictureDpis[1] == 120 && kEmbeddedPictureDpis[2] == 144 &&
              kEmbeddedPictureDpis[3] == 192);

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

// The bitmap's pixels as 32-bit premultiplied ones, top row first; a picture without alpha
// is opaque.
PixelImage PixelsOf(HBITMAP bitmap) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0 ||
        info.bmWidth > kLargestPicture || info.bmHeight > kLargestPicture)
        return {};
    PixelImage image{info.bmWidth, info.bmHeight,
                     std::vector<uint32_t>(static_cast<size_t>(info.bmWidth) * info.bmHeight)};
    BITMAPINFO request{};
    request.bmiHeader = {sizeof(BITMAPINFOHEADER),
                         info.bmWidth,
                         -info.bmHeight,
                         1,
                         kAlphaBits,
                         BI_RGB,
                         0,
                         0,
                         0,
                         0,
                         0};
    win32::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc || GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(info.bmHeight), image.pixels.data(),
                         &request, DIB_RGB_COLORS) != info.bmHeight)
        return {};
    if (info.bmBitsPixel != kAlphaBits)
        for (uint32_t& pixel : image.pixels)
            pixel |= 0xFF000000u;
    return image;
}

win32::ScopedBitmap BitmapOf(const PixelImage& image) {
    if (image.pixels.empty())
        return {};
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, kAlphaBits, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win32::ScopedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
    GdiFlush();
    return bitmap;
}

win32::ScopedBitmap LoadResourceBitmap(HINSTANCE instance, int resourceId) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_BITMAP);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (const BITMAPINFOHEADER* header = AlphaBitmapHeader(data, SizeofResource(instance, found)))
        return AlphaBitmapFrom(*header);
    return win32::ScopedBitmap(static_cast<HBITMAP>(LoadImageW(
        instance, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

} // namespace

win32::ScopedBitmap PictureLoader::Load(int resourceId, int dpi) const {
    PictureSource source = PictureSourceFor(dpi);
    win32::ScopedBitmap bitmap =
        LoadResourceBitmap(instance_, ScaledPictureId(resourceId, source.index));
    if (!bitmap && source.index != 0) {
        // A module without the larger pictures still has the design.
        source = {0, kEmbeddedPictureDpis[0]};
        bitmap = LoadResourceBitmap(instance_, resourceId);
    }
    BITMAP info{};
    if (dpi == source.dpi || !bitmap || !GetObjectW(bitmap.get(), sizeof(info), &info))
        return bitmap;
    return BitmapOf(ScalePicture(PixelsOf(bitmap.get()), MulDiv(info.bmWidth, dpi, source.dpi),
                                 MulDiv(info.bmHeight, dpi, source.dpi)));
}

} // namespace zintar
