#pragma once
// Files and folders as the subsystems use them: byte I/O, listings, deletion,
// folder creation, the path rule for settings, and the one mapping from
// operating-system errors to the program's error numbers and texts.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/datetime.h"
#include "platform/vb.h"

namespace platform {

// File error numbers of the run-time.
namespace fileerr {
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIO = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int BadRecordLength = 59;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int BadRecordNumber = 63;
inline constexpr int BadFileName = 64;
inline constexpr int TooManyFiles = 67;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int DiskMediaError = 72;
inline constexpr int RenameAcrossDrives = 74;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
}  // namespace fileerr

// The shared table of file-error texts: 52 "Bad Filename or Number" ... 76 "Path
// not found"; empty for a number outside the table. Each operation adds its
// own line breaks and headings around it.
std::string_view fileErrorText(int number);

// Maps an operating-system error to a file error number (ENOENT on the file 53,
// on a folder of the path 76, EACCES/EPERM/EROFS 70, ENOSPC 61, EISDIR 75, ...).
int fileErrorNumber(const std::error_code& ec, bool folderMissing = false);

class FileError : public RunError {
 public:
  FileError(int number, const std::string& path, std::size_t landed = 0);
  const std::string& path() const { return path_; }
  // For a failed append: how many leading bytes of the data stayed in the
  // file because cutting them back failed as well (0 as a rule). The caller
  // writes only the rest next time, never the same bytes twice.
  std::size_t landed() const { return landed_; }

 private:
  std::string path_;
  std::size_t landed_ = 0;
};

// The system calls under every write of a file. The program uses the
// system's own; a test puts a layer of its own in place to make a write fail
// part-way (a short write, a full disk, an I/O error) or to refuse a file.
class FileLayer {
 public:
  virtual ~FileLayer() = default;
  // As open(2), write(2), ftruncate(2) and close(2): -1 with errno set on a
  // failure; write may take fewer bytes than it was given.
  virtual int open(const std::string& path, int flags, unsigned mode);
  virtual std::ptrdiff_t write(int fd, const char* data, std::size_t size);
  virtual int truncate(int fd, std::int64_t length);
  virtual int close(int fd);
};
// The layer in use.
FileLayer& fileLayer();
// Puts a layer in place for as long as the guard lives.
class ScopedFileLayer {
 public:
  explicit ScopedFileLayer(FileLayer& layer);
  ~ScopedFileLayer();
  ScopedFileLayer(const ScopedFileLayer&) = delete;
  ScopedFileLayer& operator=(const ScopedFileLayer&) = delete;

 private:
  FileLayer* previous_;
};

// All of these throw FileError.
//
// Appends data so that it lands whole or not at all: when a write fails or
// falls short, the file is cut back to the size it had before (a file the
// append created is removed again), so a failed append leaves the file
// exactly as it was and the same data can simply be appended again later.
void appendBytes(const std::string& path, std::string_view data);
void writeBytes(const std::string& path, std::string_view data);
// Writes a temporary file in the same folder, then renames it over the target,
// so a crash never leaves a truncated file. Where no temporary file can be
// made (a folder that takes no new files, holding a file that may be
// written), the new bytes are written over the old ones and the file is then
// cut to their length: an interruption leaves the new text's beginning and
// the old text's end, never an empty file. Temporary files that interrupted
// writes of the same file left behind are removed.
void writeBytesAtomic(const std::string& path, std::string_view data);
std::string readBytes(const std::string& path);
void removeFile(const std::string& path);
// Removes one file of a folder listing: exactly that name (never a pattern)
// and never a folder (75). A file whose owner write permission is off is
// read-only and stays (70); a file already gone counts as removed.
void removeListedFile(const std::string& path);

// A file written anew, as a stream: the bytes go to a temporary file beside
// it, which takes the file's place under its name when closed. A reader that
// holds the old file open (a loaded playback file saved over) keeps reading
// its bytes. An existing file that may not be written is refused (70) as
// opening it for writing would be; a missing folder is 76 and is not created.
// Writes are gathered in a buffer; one that fails is cut back to the last
// whole line that reached the file, so the file never ends in a torn line.
class NewFileWriter {
 public:
  // Throws FileError.
  explicit NewFileWriter(const std::string& path);
  // A writer never closed takes its temporary file away again.
  ~NewFileWriter();
  NewFileWriter(const NewFileWriter&) = delete;
  NewFileWriter& operator=(const NewFileWriter&) = delete;

  // Throws FileError; after a failure nothing more is written.
  void write(std::string_view bytes);
  // Writes what is gathered and puts the file in place: after a failed write
  // with the lines that reached it. Throws FileError; then the old file stays.
  void close();

 private:
  void flush();
  std::string path_;
  std::string temporary_;
  int fd_ = -1;
  bool failed_ = false;
  std::uint64_t size_ = 0;  // bytes in the file
  std::string buffer_;
};
// Creates the folder and any missing parents; an existing folder is fine.
void createFolder(const std::string& path);

// Lines waiting to be appended to one file (each line ends LF). They leave
// only through a whole append, so a line is never written twice or torn;
// what a failed append could not take back is taken off the front.
class PendingLines {
 public:
  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }
  const std::string& text() const { return text_; }
  void add(std::string_view lines) { text_ += lines; }
  // Puts lines in front of everything held; nothing when the front finishes
  // a line begun in the file, which must come first.
  void addInFront(std::string_view lines);
  // Appends all of it to the file and empties itself; on a failure keeps
  // what is not in the file and throws the FileError.
  void appendTo(const std::string& path);
  // Drops the oldest whole lines until at most `limit` bytes are held; a line
  // already begun in the file stays, so it is finished and not torn. Returns
  // how many lines were dropped.
  std::size_t dropOldest(std::size_t limit);
  // Forgets everything, a line begun in the file too.
  void clear();

 private:
  std::string text_;
  // The front of text_ finishes a line whose beginning is in the file.
  bool begun_ = false;
};

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

struct FolderEntry {
  std::string name;  // file name without folder
  std::string path;  // full native path
  std::uint64_t size = 0;
  DateTime created;  // local time (the change time where no birth time is kept)
  // The same instant in nanoseconds since the epoch, for ordering files by it.
  std::int64_t createdAt = 0;
  DateTime modified;
  bool isFolder = false;
};
// Entries of a folder, sorted by name; throws FileError when it cannot be read.
std::vector<FolderEntry> listFolder(const std::string& path);

// The path rule of settings: a Windows-style path keeps working. "C:\" (any
// drive letter) maps to the user's home folder and backslashes are
// separators; a POSIX path is used as it is. "C:\RAZERI VAREROZE" becomes
// "<home>/RAZERI VAREROZE".
std::string nativePath(std::string_view settingPath);
// Joins a folder (a setting, mapped by nativePath) and a file name with one
// separator.
std::string joinPath(std::string_view folder, std::string_view fileName);

struct PathParts {
  std::string drive;      // "C:" style prefix, usually empty here
  std::string folder;     // parent folder
  std::string name;       // file name with extension
  std::string baseName;   // file name without extension
  std::string extension;  // without the point, as written
};
PathParts splitPath(std::string_view path);

// The program folder: TALBREN_PROGRAM_DIR when set, else the executable's folder.
std::string programFolder();
// The user's home folder (HOME), used for drive-letter paths.
std::string homeFolder();

}  // namespace platform
