#include "win32/ClipboardTransfer.h"

#include <cwchar>
#include <new>

#include "win32/ClipboardSession.h"
#include "win32/Utf.h"
#include "win32/Win32Error.h"

namespace textmend {
namespace {

// Formats by which password managers and the like mark a copy as not to be watched.
UINT ExcludeFromMonitoringFormat() {
    static const UINT format =
        RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    return format;
}

UINT HistoryPermissionFormat() {
    static const UINT format = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
    return format;
}

// A memory block locked for the span of one scope, unlocked on every way out.
class LockedBlock {
  public:
    explicit LockedBlock(HANDLE block) : block_(block), data_(GlobalLock(block)) {}
    ~LockedBlock() {
        if (data_ != nullptr) {
            GlobalUnlock(block_);
        }
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    void* data() const { return data_; }

  private:
    HANDLE block_;
    void* data_;
};

// Waits until the clipboard's owner answers a message that does nothing; throws
// TransferTimeoutError() when it has not by the deadline. A clipboard without an
// owner has nobody to ask.
void WaitForOwner(TransferDeadline deadline) {
    HWND owner = GetClipboardOwner();
    if (owner == nullptr) {
        return;
    }
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    DWORD_PTR answer = 0;
    if (left.count() <= 0 ||
        SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            static_cast<UINT>(left.count()), &answer) == 0) {
        // An owner that went away meanwhile has nothing left to render.
        if (IsWindow(owner)) {
            throw TransferTimeoutError();
        }
    }
}

// Whether the copy forbids the clipboard history, which marks it as private.
// Runs with the clipboard open.
bool HistoryForbidden() {
    HANDLE data = GetClipboardData(HistoryPermissionFormat());
    if (data == nullptr || GlobalSize(data) < sizeof(DWORD)) {
        return false;
    }
    const LockedBlock locked(data);
    const auto* permission = static_cast<const DWORD*>(locked.data());
    return permission != nullptr && *permission == 0;
}

// Runs with the clipboard open.
std::string UnicodeText() {
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        ThrowLastError();
    }
    const LockedBlock locked(data);
    const auto* chars = static_cast<const wchar_t*>(locked.data());
    if (chars == nullptr) {
        ThrowLastError();
    }
    // The block may be larger than the text, and a careless writer may leave out
    // the terminating NUL: never read past the block.
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    const size_t length = wcsnlen(chars, capacity);
    return WideToUtf8(std::wstring_view(chars, length));
}

HGLOBAL UnicodeBlock(const std::string& text) {
    const std::wstring wide = Utf8ToWide(text);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (block == nullptr) {
        ThrowLastError();
    }
    {
        const LockedBlock locked(block);
        if (locked.data() == nullptr) {
            const DWORD error = GetLastError();
            GlobalFree(block);
            ThrowSystemError(error);
        }
        std::wmemcpy(static_cast<wchar_t*>(locked.data()), wide.c_str(), wide.size() + 1);
    }
    return block;
}

}  // namespace

StepError TransferTimeoutError() {
    return SystemError(ERROR_TIMEOUT);
}

ClipboardContent ReadClipboardContent(HWND window, TransferDeadline deadline) {
    ClipboardContent content;
    // Which formats there are is known without asking the owner.
    content.hasText = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    content.secret = IsClipboardFormatAvailable(ExcludeFromMonitoringFormat()) != FALSE;
    const bool historyMark = IsClipboardFormatAvailable(HistoryPermissionFormat()) != FALSE;
    if (!content.hasText && (content.secret || !historyMark)) {
        return content;
    }
    WaitForOwner(deadline);
    ClipboardSession session(window);
    content.secret = content.secret || (historyMark && HistoryForbidden());
    if (content.hasText) {
        content.text = UnicodeText();
    }
    return content;
}

WriteFailures WriteClipboardText(HWND window, const std::string& text, TransferDeadline deadline) {
    WriteFailures failures;
    HGLOBAL block = nullptr;
    try {
        block = UnicodeBlock(text);
        // Emptying tells the owner that its data goes, and waits for it to hear.
        WaitForOwner(deadline);
        ClipboardSession session(window);
        if (!EmptyClipboard()) {
            failures.empty = LastSystemError();
        }
        if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) {
            failures.put = LastSystemError();
        } else {
            block = nullptr;  // the clipboard's now
        }
    } catch (const StepError& failure) {
        failures.empty = failures.empty.value_or(failure);
        failures.put = failure;
    } catch (const std::bad_alloc&) {
        failures.empty = failures.put = OutOfMemoryError();
    }
    if (block != nullptr) {
        GlobalFree(block);
    }
    return failures;
}

}  // namespace textmend
