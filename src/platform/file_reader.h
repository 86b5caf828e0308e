#pragma once
// A file opened for reading and kept open: read once from front to back, then
// at any offset for as long as it stays open. Reading goes through the open
// file, never a mapping, so what it held stays readable when the file is
// deleted or replaced under its name, and bytes another program cuts off
// simply read as missing instead of stopping the program.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class FileReader {
 public:
  FileReader() = default;
  // Opens the file at `path` (a setting path, mapped by nativePath); throws
  // FileError: 53 no such file, 76 no such folder, 70 not allowed, 75 a folder.
  explicit FileReader(const std::string& path);
  ~FileReader();
  FileReader(FileReader&& other) noexcept;
  FileReader& operator=(FileReader&& other) noexcept;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  void close();
  // The native path and the size the file had when it was opened.
  const std::string& path() const { return path_; }
  std::uint64_t size() const { return size_; }

  // Reads the next bytes from the current position into buffer; 0 at the
  // end. Throws FileError (57 on a device error).
  std::size_t read(char* buffer, std::size_t n);
  // Reads up to n bytes at offset; fewer where the file now ends, none on a
  // failure. Never throws and never moves the current position.
  std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t n) const;

 private:
  int fd_ = -1;
  std::string path_;
  std::uint64_t size_ = 0;
};

}  // namespace platform
