#pragma once

#include <cstdint>
#include <string>

namespace tolkar {

// A file opened by name for the length of one operation, over the system's own
// calls. Every failure raises EInOutError with the code the program reports.
class NamedFile
{
  public:
    enum class Access
    {
        Read,
        ReadWriteExisting, // never creates the file
    };

    NamedFile(const std::string& name, Access access);
    NamedFile(const NamedFile&) = delete;
    NamedFile& operator=(const NamedFile&) = delete;
    // Closes quietly when an error is already on its way; Close() reports.
    ~NamedFile();

    std::uint64_t Size();
    // Reads up to size bytes at offset; fewer only at the end of the file.
    std::size_t ReadAt(char* buffer, std::size_t size, std::uint64_t offset);
    // Writes all the bytes at the end of the file.
    void Append(const char* data, std::size_t size);
    void Truncate(std::uint64_t size);
    // For clean-up after a failure, whose own error is the one to report.
    bool TryTruncate(std::uint64_t size) noexcept;
    void Close();

    // Creates an empty file if there is none by that name. Reports nothing.
    static void CreateIfMissing(const std::string& name) noexcept;

  private:
    std::intptr_t handle_;
};

} // namespace tolkar
