#pragma once
// Windows only: a Win32 file handle owned by one object, and reading or writing a whole
// file through one, for the files the add-in reads and replaces and for the simulated
// machine's disk.
#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace corvane::platform {

// A Win32 handle, closed on destruction (or by close()).
class Win32Handle {
public:
    explicit Win32Handle(HANDLE h) : h_(h) {}
    Win32Handle(Win32Handle&& other) noexcept : h_(std::exchange(other.h_, INVALID_HANDLE_VALUE)) {}
    Win32Handle(const Win32Handle&) = delete;
    Win32Handle& operator=(const Win32Handle&) = delete;
    Win32Handle& operator=(Win32Handle&&) = delete;
    ~Win32Handle() { close(); }

    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    void close() {
        if (valid()) CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE h_;
};

// Writes all of `data` (WriteFile takes at most a DWORD at a time); false when a write
// fails, GetLastError() then telling why.
inline bool WriteWhole(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk = data.size() > 0x10000000U ? 0x10000000U : static_cast<DWORD>(data.size());
        DWORD written = 0;
        if (!WriteFile(file, data.data(), chunk, &written, nullptr)) return false;
        data.remove_prefix(written);
    }
    return true;
}

// Appends what is left of the file to `out`, to its end; false when a read fails,
// GetLastError() then telling why.
inline bool ReadWhole(HANDLE file, std::string& out) {
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) return false;
        if (got == 0) return true;
        out.append(chunk, got);
    }
}

}  // namespace corvane::platform
