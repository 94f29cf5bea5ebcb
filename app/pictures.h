#pragma once
// The embedded pictures: GIFs decoded with WIC into 32-bit bitmaps with alpha (their
// transparent index becomes alpha 0), 24-bit bitmaps taken as they are.
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include "win32/com_ptr.h"
#include "win32/scoped_handles.h"

namespace zintar {

// Loads the window's pictures. One loader serves all of them, so COM and the WIC factory
// are set up once, at the first GIF, and released with the loader.
class PictureLoader {
  public:
    explicit PictureLoader(HINSTANCE instance) : instance_(instance) {}
    ~PictureLoader();
    PictureLoader(const PictureLoader&) = delete;
    PictureLoader& operator=(const PictureLoader&) = delete;

    // An empty handle when the resource is missing or cannot be decoded; the image then
    // shows its parent's surface only.
    win32::ScopedBitmap Load(int resourceId);

  private:
    win32::ScopedBitmap DecodeGif(const BYTE* data, DWORD size);
    IWICImagingFactory* Factory();

    HINSTANCE instance_;
    HRESULT comStatus_ = E_FAIL; // CoInitializeEx's answer, once tried
    bool comTried_ = false;
    win32::ComPtr<IWICImagingFactory> factory_;
};

} // namespace zintar
