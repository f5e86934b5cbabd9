#include "hostsim/screenshot.h"

#include "hostsim/script.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};
struct MemoryDc {
    HDC dc;
    ~MemoryDc() { DeleteDC(dc); }
};
struct Bitmap {
    HBITMAP bitmap;
    ~Bitmap() { DeleteObject(bitmap); }
};
struct FileCloser {
    void operator()(FILE* file) const noexcept { fclose(file); }
};

}  // namespace

void SaveWindowScreenshot(HWND window, const std::wstring& path) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) throw StepError("the window has no rectangle");
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) throw StepError("the window is empty");

    ScreenDc screen;
    MemoryDc memory{CreateCompatibleDC(screen.dc)};
    Bitmap picture{CreateCompatibleBitmap(screen.dc, width, height)};
    if (!screen.dc || !memory.dc || !picture.bitmap) throw StepError("no device context for the picture");
    const HGDIOBJ previous = SelectObject(memory.dc, picture.bitmap);
    const BOOL copied = BitBlt(memory.dc, 0, 0, width, height, screen.dc, rect.left, rect.top, SRCCOPY);
    SelectObject(memory.dc, previous);
    if (!copied) throw StepError("the screen could not be copied");

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    info.biSizeImage = stride * static_cast<DWORD>(height);
    std::vector<unsigned char> pixels(info.biSizeImage);
    if (!GetDIBits(memory.dc, picture.bitmap, 0, static_cast<UINT>(height), pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        throw StepError("the picture could not be read");

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + info.biSizeImage;
    std::unique_ptr<FILE, FileCloser> file(_wfopen(path.c_str(), L"wb"));
    if (!file || fwrite(&header, sizeof header, 1, file.get()) != 1 || fwrite(&info, sizeof info, 1, file.get()) != 1 ||
        fwrite(pixels.data(), 1, pixels.size(), file.get()) != pixels.size())
        throw StepError("the picture could not be written");
}
