// A small tool for the end-to-end tests under Wine, standing in for the shell:
//   tray_helper tooltips         prints the text of every notification-area tooltip, in brackets
//   tray_helper remove-icon      removes the main window's icon, as a crashed shell loses it
//   tray_helper taskbar-created  tells the main window the notification area was recreated
//   tray_helper clipboard        prints the clipboard's text as Windows programs see it,
//                                in brackets, or nothing when it holds none
//   tray_helper hang-clipboard   takes the clipboard with text promised for later (delayed
//                                rendering), says "owning", and handles no message again;
//                                ends when its standard input closes
//   tray_helper copy TEXT        puts TEXT on the clipboard as Unicode text, and ends
//   tray_helper copy-secret TEXT the same with the marks a password manager puts beside it
//   tray_helper clipboard-marks  prints each of those marks the clipboard holds, one a
//                                line: its name, and for a permission "=" and its DWORD
//   tray_helper notepad-text     prints the text of notepad's edit box, in brackets
//   tray_helper settings         prints each value "String" under Software\Textmend as
//                                key, type number and the data in brackets, tab-separated;
//                                a text as stored, with or without its terminator

#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND FindMainWindow() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t className[32] = {};
            wchar_t caption[64] = {};
            GetClassNameW(window, className, 32);
            GetWindowTextW(window, caption, 64);
            if (std::wstring(className) == L"TextmendForm" &&
                std::wstring(caption).rfind(L"Textmend ", 0) == 0) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string ToUtf8(const std::wstring& text) {
    std::string out(text.size() * 4, '\0');
    out.resize(static_cast<size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                            static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

// The tooltips belong to another process: the tool record and the text buffer
// are placed in its memory, asked for there, and read back.
std::vector<std::wstring> ToolTexts(HWND tooltip) {
    std::vector<std::wstring> texts;
    DWORD processId = 0;
    GetWindowThreadProcessId(tooltip, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return texts;
    }
    constexpr size_t kTextChars = 1024;
    const size_t size = sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t);
    auto* remote = static_cast<unsigned char*>(
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    const auto count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; remote != nullptr && i < count; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
        const std::wstring blank(kTextChars, L'\0');
        WriteProcessMemory(process, remote, &tool, sizeof(tool), nullptr);
        WriteProcessMemory(process, tool.lpszText, blank.data(), kTextChars * sizeof(wchar_t),
                           nullptr);
        if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(remote))) {
            continue;
        }
        ReadProcessMemory(process, remote, &tool, sizeof(tool), nullptr);
        tool.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
        WriteProcessMemory(process, remote, &tool, sizeof(tool), nullptr);
        SendMessageW(tooltip, TTM_GETTEXTW, kTextChars, reinterpret_cast<LPARAM>(remote));
        std::wstring text(kTextChars, L'\0');
        ReadProcessMemory(process, remote + sizeof(TTTOOLINFOW), text.data(),
                          kTextChars * sizeof(wchar_t), nullptr);
        text.resize(wcsnlen(text.c_str(), kTextChars));
        texts.push_back(text);
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return texts;
}

// The tooltips of the process that keeps the notification area.
int PrintTooltips() {
    DWORD shell = 0;
    GetWindowThreadProcessId(FindWindowW(L"Shell_TrayWnd", nullptr), &shell);
    if (shell == 0) {
        return 1;
    }
    struct Search {
        DWORD shell;
        std::vector<HWND> tooltips;
    } search{shell, {}};
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            auto* search = reinterpret_cast<Search*>(result);
            wchar_t className[32] = {};
            GetClassNameW(window, className, 32);
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            if (std::wstring(className) == TOOLTIPS_CLASSW && processId == search->shell) {
                search->tooltips.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND tooltip : search.tooltips) {
        for (const std::wstring& text : ToolTexts(tooltip)) {
            // Brackets show the text's own leading and trailing blanks.
            std::printf("[%s]\n", ToUtf8(text).c_str());
        }
    }
    return 0;
}

int RemoveIcon() {
    HWND main = FindMainWindow();
    if (main == nullptr) {
        return 2;
    }
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = main;
    record.uID = 1;
    return Shell_NotifyIconA(NIM_DELETE, &record) ? 0 : 1;
}

int TaskbarCreated() {
    HWND main = FindMainWindow();
    if (main == nullptr) {
        return 2;
    }
    return PostMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0) ? 0 : 1;
}

int PrintClipboard() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) {
        return 0;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        std::printf("[%s]\n",
                    ToUtf8(std::wstring(text, wcsnlen(text, GlobalSize(data) / 2))).c_str());
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 0;
}

int HangClipboard() {
    HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr || !OpenClipboard(window)) {
        return 1;
    }
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, nullptr);
    CloseClipboard();
    std::printf("owning\n");
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
}

constexpr const wchar_t* kExcludeMark = L"ExcludeClipboardContentFromMonitorProcessing";
constexpr const wchar_t* kPermissionMarks[] = {L"CanIncludeInClipboardHistory",
                                               L"CanUploadToCloudClipboard"};

void PutBytes(UINT format, const void* bytes, size_t size) {
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(data), bytes, size);
    GlobalUnlock(data);
    SetClipboardData(format, data);
}

int Copy(const std::wstring& text, bool secret) {
    if (!OpenClipboard(nullptr)) {
        return 1;
    }
    EmptyClipboard();
    PutBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    if (secret) {
        const DWORD refused = 0;
        PutBytes(RegisterClipboardFormatW(kExcludeMark), &refused, sizeof(refused));
        for (const wchar_t* mark : kPermissionMarks) {
            PutBytes(RegisterClipboardFormatW(mark), &refused, sizeof(refused));
        }
    }
    CloseClipboard();
    return 0;
}

int PrintClipboardMarks() {
    if (!OpenClipboard(nullptr)) {
        return 1;
    }
    if (IsClipboardFormatAvailable(RegisterClipboardFormatW(kExcludeMark))) {
        std::printf("%s\n", ToUtf8(kExcludeMark).c_str());
    }
    for (const wchar_t* mark : kPermissionMarks) {
        HANDLE data = GetClipboardData(RegisterClipboardFormatW(mark));
        if (data == nullptr) {
            continue;
        }
        const auto* value = static_cast<const DWORD*>(GlobalLock(data));
        if (value != nullptr && GlobalSize(data) >= sizeof(DWORD)) {
            std::printf("%s=%lu\n", ToUtf8(mark).c_str(), *value);
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 0;
}

// Asked of the box itself: a copy through the clipboard would race the paste
// being checked, which notepad takes from the clipboard when it gets to it.
int PrintNotepadText() {
    HWND edit = FindWindowExW(FindWindowW(L"Notepad", nullptr), nullptr, L"Edit", nullptr);
    if (edit == nullptr) {
        return 2;
    }
    // Asked by message: GetWindowTextLength reads another program's windows from
    // the system's copy of their caption, which typing does not change.
    const auto length = static_cast<size_t>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    std::printf("[%s]\n", ToUtf8(text).c_str());
    return 0;
}

int PrintSettings() {
    HKEY settings = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Textmend", 0, KEY_READ, &settings) !=
        ERROR_SUCCESS) {
        return 0;
    }
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 256;
        if (RegEnumKeyExW(settings, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY key = nullptr;
        if (RegOpenKeyExW(settings, name, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            continue;
        }
        DWORD type = 0;
        DWORD size = 0;
        std::wstring data;
        if (RegQueryValueExW(key, L"String", nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            data.resize(size / sizeof(wchar_t) + 1);
            RegQueryValueExW(key, L"String", nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                             &size);
            data.resize(size / sizeof(wchar_t));
            if (!data.empty() && data.back() == L'\0') {
                data.pop_back();
            }
            std::printf("%s\t%lu\t[%s]\n", ToUtf8(name).c_str(), type, ToUtf8(data).c_str());
        }
        RegCloseKey(key);
    }
    RegCloseKey(settings);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Texts go out byte for byte: their own CR LF pairs must not become CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"tooltips") {
        return PrintTooltips();
    }
    if (command == L"remove-icon") {
        return RemoveIcon();
    }
    if (command == L"taskbar-created") {
        return TaskbarCreated();
    }
    if (command == L"clipboard") {
        return PrintClipboard();
    }
    if (command == L"hang-clipboard") {
        return HangClipboard();
    }
    if ((command == L"copy" || command == L"copy-secret") && argc > 2) {
        return Copy(argv[2], command == L"copy-secret");
    }
    if (command == L"clipboard-marks") {
        return PrintClipboardMarks();
    }
    if (command == L"settings") {
        return PrintSettings();
    }
    if (command == L"notepad-text") {
        return PrintNotepadText();
    }
    std::fprintf(stderr,
                 "usage: tray_helper tooltips | remove-icon | taskbar-created | clipboard | "
                 "hang-clipboard | copy TEXT | copy-secret TEXT | clipboard-marks | settings | "
                 "notepad-text\n");
    return 2;
}
