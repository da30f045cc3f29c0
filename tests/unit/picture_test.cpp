// A view saved as a PNG file.
#include <windows.h>

#include <wincodec.h>
#include <vector>
#include "view/readout.h"
#include "window/keys/picture.h"
#include "tests/unit/support.h"

// The pixels of a PNG file, through the system's imaging component; empty when it cannot be read.
static std::vector<DWORD> readPng(const wchar_t* path, UINT* width, UINT* height) {
    std::vector<DWORD> pixels;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* converted = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, (void**)&factory)) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame, &converted)) &&
        SUCCEEDED(converted->GetSize(width, height))) {
        pixels.resize(*width * *height);
        converted->CopyPixels(nullptr, *width * 4, pixels.size() * 4, (BYTE*)pixels.data());
    }
    for (IUnknown* held :
         {(IUnknown*)converted, (IUnknown*)frame, (IUnknown*)decoder, (IUnknown*)factory})
        if (held)
            held->Release();
    CoUninitialize();
    return pixels;
}

TEST_CASE("a view saved as PNG loads back with the view's size and pixels") {
    FlatFrame frame(kZoom8, "bwbwbwbwbwbwbwbwbwbwbwbwb", 1);
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    lstrcatW(path, L"qilo-unit-表.png");
    HBITMAP view = copyViewBitmap(&magnifier);
    REQUIRE(writePng(view, path) == S_OK);
    DeleteObject(view);
    UINT width = 0, height = 0;
    std::vector<DWORD> pixels = readPng(path, &width, &height);
    DeleteFileW(path);
    REQUIRE((width == 192 && height == 128));
    int differing = 0;
    for (UINT i = 0; i < pixels.size(); ++i)
        differing += (pixels[i] & 0xFFFFFF) !=
                     (frame.back.bits[(1 + i / 192) * 194 + 1 + i % 192] & 0xFFFFFF);
    CHECK(differing == 0);
}
