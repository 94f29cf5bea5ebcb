#include "app/pictures.h"

namespace zintar {

namespace {
constexpr wchar_t kGifResourceType[] = L"GIF";
constexpr UINT kLargestPicture = 4096; // far beyond any picture of the window
} // namespace

PictureLoader::~PictureLoader() {
    factory_.reset(); // released before COM goes
    if (SUCCEEDED(comStatus_))
        CoUninitialize();
}

IWICImagingFactory* PictureLoader::Factory() {
    if (!comTried_) {
        comTried_ = true;
        // A thread that already chose the other apartment model still has COM; WIC works there.
        comStatus_ = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(factory_.put()));
    }
    return factory_.get();
}

win32::ScopedBitmap PictureLoader::Load(int resourceId) {
    if (HRSRC gif = FindResourceW(instance_, MAKEINTRESOURCEW(resourceId), kGifResourceType)) {
        HGLOBAL loaded = LoadResource(instance_, gif);
        const DWORD size = SizeofResource(instance_, gif);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (!data || size == 0)
            return {};
        return DecodeGif(static_cast<const BYTE*>(data), size);
    }
    return win32::ScopedBitmap(static_cast<HBITMAP>(LoadImageW(
        instance_, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

win32::ScopedBitmap PictureLoader::DecodeGif(const BYTE* data, DWORD size) {
    IWICImagingFactory* factory = Factory();
    if (!factory)
        return {};
    win32::ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), size)))
        return {};
    win32::ComPtr<IWICBitmapDecoder> decoder;
    win32::ComPtr<IWICBitmapFrameDecode> frame;
    win32::ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) ||
        FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return {};
    UINT width = 0, height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > kLargestPicture || height > kLargestPicture)
        return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down, like WIC's rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::ScopedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits))))
        return {};
    GdiFlush();
    return bitmap;
}

} // namespace zintar
