#include <windows.h>
#include <shlobj.h>
#include <wincodec.h>

#include "window/keys/picture.h"

#include "common/inifile.h"
#include "common/texts.h"
#include "view/readout.h"
#include "window/state.h"

// Releases a COM interface when it goes out of scope.
template <class T>
struct Held {
    T* p = nullptr;
    ~Held() {
        if (p)
            p->Release();
    }
};

// The imaging component's steps, each run only while all before it succeeded.
static HRESULT encodePng(IWICImagingFactory* factory, HBITMAP bitmap, const wchar_t* path) {
    Held<IWICBitmap> source;
    Held<IWICStream> stream;
    Held<IWICBitmapEncoder> encoder;
    Held<IWICBitmapFrameEncode> frame;
    UINT width = 0, height = 0;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    HRESULT hr = factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, &source.p);
    if (SUCCEEDED(hr))
        hr = source.p->GetSize(&width, &height);
    if (SUCCEEDED(hr))
        hr = factory->CreateStream(&stream.p);
    if (SUCCEEDED(hr))
        hr = stream.p->InitializeFromFilename(path, GENERIC_WRITE);
    if (SUCCEEDED(hr))
        hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.p);
    if (SUCCEEDED(hr))
        hr = encoder.p->Initialize(stream.p, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = encoder.p->CreateNewFrame(&frame.p, nullptr);
    if (SUCCEEDED(hr))
        hr = frame.p->Initialize(nullptr);
    if (SUCCEEDED(hr))
        hr = frame.p->SetSize(width, height);
    if (SUCCEEDED(hr))
        hr = frame.p->SetPixelFormat(&format);
    if (SUCCEEDED(hr))
        hr = frame.p->WriteSource(source.p, nullptr);
    if (SUCCEEDED(hr))
        hr = frame.p->Commit();
    if (SUCCEEDED(hr))
        hr = encoder.p->Commit();
    return hr;
}

HRESULT writePng(HBITMAP bitmap, const wchar_t* path) {
    HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HRESULT hr;
    {
        Held<IWICImagingFactory> factory;
        hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p));
        if (SUCCEEDED(hr))
            hr = encodePng(factory.p, bitmap, path);
    }
    if (SUCCEEDED(initialized))
        CoUninitialize();
    if (FAILED(hr))
        DeleteFileW(path);
    return hr;
}

// SAVE_FOLDER (from the current directory when relative), or the user's Pictures folder; made
// when it does not exist yet.
static HRESULT pictureFolder(wchar_t* folder) {
    const wchar_t* chosen = magnifier.settings.saveFolder;
    if (!chosen[0])
        return SHGetFolderPathW(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder);
    DWORD length = GetFullPathNameW(chosen, MAX_PATH, folder, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        lstrcpynW(folder, chosen, MAX_PATH);
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    }
    int made = SHCreateDirectoryExW(nullptr, folder, nullptr);
    if (made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS)
        return S_OK;
    return HRESULT_FROM_WIN32(made);
}

// "Qilo 2026-12-07 153012.png" in the folder; a second picture in the same second gets " (2)",
// and so on. FALSE when the name does not fit.
static BOOL newPicturePath(wchar_t* path, const wchar_t* folder) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    int length = lstrlenW(folder);
    const wchar_t* separator = length > 0 && folder[length - 1] == L'\\' ? L"" : L"\\";
    for (int n = 1; n < 100; ++n) {
        wchar_t name[48], suffix[8] = L"";
        if (n > 1)
            wsprintfW(suffix, L" (%d)", n);
        wsprintfW(name, L"Qilo %04d-%02d-%02d %02d%02d%02d%s.png", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond, suffix);
        if (length + lstrlenW(separator) + lstrlenW(name) >= MAX_PATH)
            return FALSE;
        wsprintfW(path, L"%s%s%s", folder, separator, name);
        if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES)
            return TRUE;
    }
    return FALSE;
}

static void tellPictureFailure(HWND window, const wchar_t* path, HRESULT hr) {
    wchar_t message[1024];
    DWORD error = HRESULT_FACILITY(hr) == FACILITY_WIN32 ? HRESULT_CODE(hr) : (DWORD)hr;
    describeFailure(message, ARRAYSIZE(message), text(kPictureSaveFailed), path, error);
    MessageBoxW(window, message, text(kDisplayName), MB_OK | MB_ICONERROR);
}

void saveViewAsPicture(HWND window) {
    if (!magnifier.surfaces.windowDC)
        return;
    wchar_t folder[MAX_PATH] = L"", path[MAX_PATH];
    HRESULT hr = pictureFolder(folder);
    if (SUCCEEDED(hr) && !newPicturePath(path, folder))
        hr = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    if (FAILED(hr)) {
        tellPictureFailure(window, folder, hr);
        return;
    }
    HBITMAP bitmap = copyViewBitmap(&magnifier);
    hr = writePng(bitmap, path);
    DeleteObject(bitmap);
    if (FAILED(hr))
        tellPictureFailure(window, path, hr);
}
