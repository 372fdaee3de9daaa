#include <algorithm>
#include <windows.h>

#include "InOutError.h"
#include "NamedFile.h"

namespace tolkar {
namespace {

HANDLE Handle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

// The program's codes are the system's own error codes here; only the second
// disk-full code is folded into the usual one.
[[noreturn]] void RaiseLastError()
{
    const DWORD error = ::GetLastError();
    throw EInOutError(error == ERROR_HANDLE_DISK_FULL ? ERROR_DISK_FULL : static_cast<int>(error));
}

} // namespace

NamedFile::NamedFile(const std::string& name, Access access)
{
    const bool read = access == Access::Read;
    const HANDLE file =
        ::CreateFileA(name.c_str(), read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        RaiseLastError();
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

NamedFile::~NamedFile()
{
    if (handle_ != 0) {
        ::CloseHandle(Handle(handle_));
    }
}

std::uint64_t NamedFile::Size()
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(Handle(handle_), &size)) {
        RaiseLastError();
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t NamedFile::ReadAt(char* buffer, std::size_t size, std::uint64_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED at = {};
        const std::uint64_t position = offset + done;
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(Handle(handle_), buffer + done, want, &got, &at)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            RaiseLastError();
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

void NamedFile::Append(const char* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED atEnd = {};
        atEnd.Offset = 0xFFFFFFFF; // both halves all ones: write at the end of the file
        atEnd.OffsetHigh = 0xFFFFFFFF;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD wrote = 0;
        if (!::WriteFile(Handle(handle_), data + done, want, &wrote, &atEnd)) {
            RaiseLastError();
        }
        done += wrote;
    }
}

void NamedFile::Truncate(std::uint64_t size)
{
    if (!TryTruncate(size)) {
        RaiseLastError();
    }
}

bool NamedFile::TryTruncate(std::uint64_t size) noexcept
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(Handle(handle_), position, nullptr, FILE_BEGIN) &&
           ::SetEndOfFile(Handle(handle_));
}

void NamedFile::Close()
{
    const HANDLE file = Handle(handle_);
    handle_ = 0;
    if (!::CloseHandle(file)) {
        RaiseLastError();
    }
}

void NamedFile::CreateIfMissing(const std::string& name) noexcept
{
    // OPEN_ALWAYS makes the file only if it is missing and never empties it.
    const HANDLE file =
        ::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
}

} // namespace tolkar
