#include "ui_driver.h"

#include <cstdio>
#include <cstdlib>
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

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        std::string(className) != "#32770") {
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

void ClickDialogButton(HWND dialog, int controlId) {
    HWND button = GetDlgItem(dialog, controlId);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

bool SaveWindowBitmap(HWND window, const std::string& path) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up, as BMP files store rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<unsigned char> pixels(rowBytes * static_cast<DWORD>(height));
    bool ok = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                        reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!ok) {
        return false;
    }

    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    ok = std::fwrite(&header, sizeof header, 1, file) == 1 &&
         std::fwrite(&info, sizeof info, 1, file) == 1 &&
         std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
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
