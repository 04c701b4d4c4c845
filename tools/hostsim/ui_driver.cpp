#include "ui_driver.h"
#include "framework/wide_text.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

struct DialogSearch {
    std::string text;
    HWND found = nullptr;
};

bool HasText(HWND window, const std::string& text) {
    return WindowText(window).find(text) != std::string::npos;
}

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    if (HasText(child, search->text)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

bool IsOurVisibleDialog(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return process == GetCurrentProcessId() && IsWindowVisible(window) &&
           std::string(className) == "#32770";
}

BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    if (IsOurVisibleDialog(window) && WindowText(window) == search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    if (!IsOurVisibleDialog(window)) {
        return TRUE;
    }
    DialogSearch inner{search->text, nullptr};
    if (HasText(window, search->text)) {
        inner.found = window;
    } else {
        EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&inner));
    }
    if (inner.found != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND WaitForDialogContaining(const std::string& text, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        DialogSearch search{text, nullptr};
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND WaitForDialogCaptioned(const std::string& caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        DialogSearch search{caption, nullptr};
        EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::string DialogItemText(HWND dialog, int controlId) {
    HWND item = GetDlgItem(dialog, controlId);
    return item != nullptr ? WindowText(item) : std::string();
}

std::string MessageBoxText(HWND box) {
    return DialogItemText(box, 0xFFFF);
}

void ClickDialogButton(HWND dialog, int controlId) {
    HWND button = GetDlgItem(dialog, controlId);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

std::wstring StoredWindowText(HWND window) {
    wchar_t text[1024] = {};
    int copied = InternalGetWindowText(window, text, 1024);
    return std::wstring(text, static_cast<std::size_t>(copied > 0 ? copied : 0));
}

std::wstring StoredItemText(HWND dialog, int controlId) {
    HWND item = GetDlgItem(dialog, controlId);
    return item != nullptr ? StoredWindowText(item) : std::wstring();
}

std::wstring FromCodePage1251(const std::string& bytes) {
    return WideFromCodePage(bytes, 1251);
}

std::string DescribeWide(const std::wstring& text) {
    std::string described;
    for (wchar_t unit : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%s%04X", described.empty() ? "" : " ",
                      static_cast<unsigned>(unit));
        described += hex;
    }
    return "[" + described + "]";
}

void PostButtonClick(HWND dialog, int controlId) {
    PostMessageW(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

int ButtonCheckState(HWND dialog, int controlId) {
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutW(GetDlgItem(dialog, controlId), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG,
                             2000, &state)) {
        return -1;
    }
    return static_cast<int>(state);
}

namespace {

// The window's on-screen pixels, top row first, as 0x00RRGGBB values.
std::vector<DWORD> CaptureWindowPixels(HWND window, int& width, int& height) {
    RECT rect;
    width = height = 0;
    if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) {
        return {};
    }
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top row first
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    bool ok = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                        reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!ok) {
        return {};
    }
    return pixels;
}

COLORREF FromPixel(DWORD pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

COLORREF DominantColour(HWND window, int inset) {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels = CaptureWindowPixels(window, width, height);
    std::map<DWORD, int> counts;
    for (int y = inset; y < height - inset; ++y) {
        for (int x = inset; x < width - inset; ++x) {
            counts[pixels[static_cast<std::size_t>(y * width + x)] & 0xFFFFFF]++;
        }
    }
    if (counts.empty()) {
        return CLR_INVALID;
    }
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it->second > best->second) {
            best = it;
        }
    }
    return FromPixel(best->first);
}

COLORREF ScreenColourAt(HWND window, int x, int y) {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels = CaptureWindowPixels(window, width, height);
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return CLR_INVALID;
    }
    return FromPixel(pixels[static_cast<std::size_t>(y * width + x)]);
}

std::string DescribeColour(COLORREF colour) {
    if (colour == CLR_INVALID) {
        return "no colour (not captured)";
    }
    return "RGB(" + std::to_string(GetRValue(colour)) + ", " + std::to_string(GetGValue(colour)) +
           ", " + std::to_string(GetBValue(colour)) + ")";
}

bool SaveWindowBitmap(HWND window, const std::string& path) {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels = CaptureWindowPixels(window, width, height);
    if (pixels.empty()) {
        return false;
    }
    for (DWORD& pixel : pixels) {
        pixel |= 0xFF000000u;  // opaque: the screen has no alpha, viewers read 0 as clear
    }
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top row first, as captured
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD pixelBytes = static_cast<DWORD>(pixels.size() * sizeof(DWORD));
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + pixelBytes;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool ok = std::fwrite(&header, sizeof header, 1, file) == 1 &&
              std::fwrite(&info, sizeof info, 1, file) == 1 &&
              std::fwrite(pixels.data(), 1, pixelBytes, file) == pixelBytes;
    return std::fclose(file) == 0 && ok;
}

std::string ArtifactPath(const std::string& name) {
    const char* folder = std::getenv("HOSTSIM_ARTIFACTS");
    if (folder == nullptr || *folder == '\0') {
        return name;
    }
    std::string path = folder;
    if (path.back() != '\\' && path.back() != '/') {
        path += '\\';
    }
    return path + name;
}
