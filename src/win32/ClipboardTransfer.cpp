#include "win32/ClipboardTransfer.h"

#include <array>
#include <cstring>
#include <new>
#include <utility>

#include "win32/ClipboardSession.h"
#include "win32/Utf.h"
#include "win32/Win32Error.h"

namespace textmend {
namespace {

// Formats by which password managers and the like mark a copy as not to be
// watched: the first by being there at all, the other two by a DWORD of 0.
UINT ExcludeFromMonitoringFormat() {
    static const UINT format =
        RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    return format;
}

const std::array<UINT, 2>& PermissionFormats() {
    static const std::array<UINT, 2> formats = {
        RegisterClipboardFormatW(L"CanIncludeInClipboardHistory"),
        RegisterClipboardFormatW(L"CanUploadToCloudClipboard"),
    };
    return formats;
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
// TransferTimeoutError() when it has not by the deadline, or when the transfer
// was abandoned meanwhile, so that it never opens the clipboard. A clipboard
// without an owner has nobody to ask.
void WaitForOwner(TransferDeadline deadline, TransferWatch* watch) {
    if (HWND owner = GetClipboardOwner(); owner != nullptr) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        DWORD_PTR answer = 0;
        // An owner that went away meanwhile has nothing left to render.
        if ((left.count() <= 0 ||
             SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                 static_cast<UINT>(left.count()), &answer) == 0) &&
            IsWindow(owner)) {
            throw TransferTimeoutError();
        }
    }
    if (watch != nullptr && watch->Abandoned()) {
        throw TransferTimeoutError();
    }
}

// Whether a permission the copy carries is refused, which marks it as private.
// Runs with the clipboard open.
bool PermissionRefused() {
    for (const UINT format : PermissionFormats()) {
        HANDLE data = GetClipboardData(format);
        if (data == nullptr || GlobalSize(data) < sizeof(DWORD)) {
            continue;
        }
        const LockedBlock locked(data);
        const auto* permission = static_cast<const DWORD*>(locked.data());
        if (permission != nullptr && *permission == 0) {
            return true;
        }
    }
    return false;
}

bool PermissionAvailable() {
    for (const UINT format : PermissionFormats()) {
        if (IsClipboardFormatAvailable(format)) {
            return true;
        }
    }
    return false;
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

// A movable block holding size bytes copied from bytes; the caller owns it.
HGLOBAL MemoryBlock(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
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
        std::memcpy(locked.data(), bytes, size);
    }
    return block;
}

HGLOBAL UnicodeBlock(const std::string& text) {
    const std::wstring wide = Utf8ToWide(text);
    return MemoryBlock(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

// Puts block on the open clipboard in format, which then owns it; frees it and
// throws when the clipboard refuses it.
void Put(UINT format, HGLOBAL block) {
    if (SetClipboardData(format, block) == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(block);
        ThrowSystemError(error);
    }
}

// The marks of a secret text, put before it: a text the marks could not go
// with is not put at all.
void PutSecretMarks() {
    const DWORD refused = 0;
    Put(ExcludeFromMonitoringFormat(), MemoryBlock(&refused, sizeof(refused)));
    for (const UINT format : PermissionFormats()) {
        Put(format, MemoryBlock(&refused, sizeof(refused)));
    }
}

}  // namespace

StepError TransferTimeoutError() {
    return SystemError(ERROR_TIMEOUT);
}

ClipboardContent ReadClipboardContent(HWND window, TransferDeadline deadline,
                                      TransferWatch* watch) {
    ClipboardContent content;
    // Which formats there are is known without asking the owner.
    content.hasText = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    content.secret = IsClipboardFormatAvailable(ExcludeFromMonitoringFormat()) != FALSE;
    const bool permissionMark = PermissionAvailable();
    if (!content.hasText && (content.secret || !permissionMark)) {
        return content;
    }
    WaitForOwner(deadline, watch);
    ClipboardSession session(window);
    content.secret = content.secret || (permissionMark && PermissionRefused());
    if (content.hasText) {
        content.text = UnicodeText();
    }
    return content;
}

WriteFailures WriteClipboardText(HWND window, const std::string& text, bool secret,
                                 TransferDeadline deadline, TransferWatch* watch) {
    WriteFailures failures;
    bool opened = false;
    HGLOBAL block = nullptr;
    try {
        block = UnicodeBlock(text);
        // Emptying tells the owner that its data goes, and waits for it to hear.
        WaitForOwner(deadline, watch);
        ClipboardSession session(window);
        opened = true;
        if (!EmptyClipboard()) {
            failures.empty = LastSystemError();
        }
        const auto put = [&] {
            if (secret) {
                PutSecretMarks();
            }
            Put(CF_UNICODETEXT, std::exchange(block, nullptr));
        };
        if (watch == nullptr) {
            put();
        } else if (!watch->Land(put)) {
            throw TransferTimeoutError();
        }
    } catch (const StepError& failure) {
        failures.empty = opened ? failures.empty : failure;
        failures.put = failure;
    } catch (const std::bad_alloc&) {
        failures.empty = opened ? failures.empty : OutOfMemoryError();
        failures.put = OutOfMemoryError();
    }
    if (block != nullptr) {
        GlobalFree(block);
    }
    return failures;
}

}  // namespace textmend
