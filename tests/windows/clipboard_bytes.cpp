// Reads the Windows clipboard from inside Wine, where the bridge to the X
// clipboard would turn the report's CR LF into LF before an X client sees it.
//   clipboard_bytes mark FILE   puts a marker text on the clipboard
//   clipboard_bytes read FILE   writes the clipboard's Unicode text to FILE as
//                               UTF-8, byte for byte; exit 1 if there is none
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool openClipboard()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(100);
    }
    return false;
}

int mark()
{
    static const wchar_t marker[] = L"vantor-e2e-marker";
    if (!openClipboard())
        return 1;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof marker);
    std::memcpy(GlobalLock(memory), marker, sizeof marker);
    GlobalUnlock(memory);
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return set ? 0 : 1;
}

int read(const wchar_t *path)
{
    if (!openClipboard())
        return 1;
    std::string bytes;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const auto *text = static_cast<const wchar_t *>(GlobalLock(data));
        const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        bytes.resize(size > 0 ? size - 1 : 0);
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
        GlobalUnlock(data);
    }
    CloseClipboard();
    FILE *out = _wfopen(path, L"wb");
    if (!out)
        return 1;
    fwrite(bytes.data(), 1, bytes.size(), out);
    fclose(out);
    return bytes.empty() ? 1 : 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc == 3 && std::wcscmp(argv[1], L"mark") == 0)
        return mark();
    if (argc == 3 && std::wcscmp(argv[1], L"read") == 0)
        return read(argv[2]);
    std::fputs("usage: clipboard_bytes mark|read FILE\n", stderr);
    return 2;
}
