#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>

namespace platform {

namespace {

std::string errorDescription(int number) {
  const std::string_view text = fileErrorText(number);
  if (!text.empty()) return std::string(text);
  return "File error " + std::to_string(number);
}

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Raises the file error for an operating-system error number met on `path`;
// a missing entry is told apart from a missing folder of the path.
[[noreturn]] void fail(int osError, const std::string& path) {
  const std::error_code ec(osError, std::generic_category());
  const bool folderMissing = osError == ENOENT && !folderExists(parentOf(path));
  throw FileError(fileErrorNumber(ec, folderMissing), path);
}

int openFile(const std::string& path, int flags) {
  int fd;
  do {
    fd = fileLayer().open(path, flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Writes all of data; returns 0 or the error number. `written` counts the
// bytes that went out, also when it fails.
int writeAll(int fd, std::string_view data, std::size_t& written) {
  FileLayer& io = fileLayer();
  written = 0;
  while (written < data.size()) {
    const std::ptrdiff_t n = io.write(fd, data.data() + written, data.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    // A write that takes nothing makes no progress: the device is full.
    if (n == 0) return ENOSPC;
    written += static_cast<std::size_t>(n);
  }
  return 0;
}

int writeAll(int fd, std::string_view data) {
  std::size_t written = 0;
  return writeAll(fd, data, written);
}

void writeWithFlags(const std::string& path, std::string_view data, int flags) {
  const std::string p = nativePath(path);
  const int fd = openFile(p, O_WRONLY | O_CREAT | flags);
  if (fd < 0) fail(errno, p);
  int e = writeAll(fd, data);
  if (fileLayer().close(fd) != 0 && e == 0) e = errno;
  if (e != 0) fail(e, p);
}

// Cuts the file back to `size`; a file of the caller's own making goes again.
bool cutBack(FileLayer& io, const std::string& path, int fd, std::int64_t size, bool created) {
  bool ok;
  if (fd >= 0) {
    ok = io.truncate(fd, size) == 0;
    io.close(fd);
  } else {
    // The file was closed already: open it again to cut it.
    const int again = openFile(path, O_WRONLY);
    ok = again >= 0 && io.truncate(again, size) == 0;
    if (again >= 0) io.close(again);
  }
  if (ok && created && size == 0) ::unlink(path.c_str());
  return ok;
}

// "<name>.tmp-<digits>": a temporary file of an atomic write of `name`.
bool isTemporaryOf(std::string_view entry, std::string_view name, long& pid) {
  const std::string prefix = std::string(name) + ".tmp-";
  if (entry.size() <= prefix.size() || entry.substr(0, prefix.size()) != prefix) return false;
  const std::string_view digits = entry.substr(prefix.size());
  if (digits.size() > 9) return false;
  pid = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    pid = pid * 10 + (c - '0');
  }
  return true;
}

// Removes the temporary files that interrupted writes of `path` left in its
// folder: those of processes that are gone, and any of this one.
void removeLeftovers(const std::string& path) {
  const std::string folder = parentOf(path);
  const std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> stale;
  while (const dirent* d = ::readdir(dir)) {
    long pid = 0;
    if (!isTemporaryOf(d->d_name, name, pid)) continue;
    // A save of another running program may still be under way.
    if (pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
      stale.push_back(folder + "/" + d->d_name);
  }
  ::closedir(dir);
  for (const std::string& s : stale) ::unlink(s.c_str());
}

// A file about to be replaced by a new one: false when there is none yet.
// The file a link points to is replaced, not the link (p becomes its path);
// a folder is refused (75), and so is a file that exists and may not be
// written (70), which is never replaced behind the user's back.
bool replaceable(std::string& p, struct stat& st) {
  if (::stat(p.c_str(), &st) != 0) return false;
  struct stat lst {};
  if (::lstat(p.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
    std::error_code ec;
    const auto target = std::filesystem::canonical(p, ec);
    if (!ec) p = target.string();
  }
  if (S_ISDIR(st.st_mode)) fail(EISDIR, p);
  if (::access(p.c_str(), W_OK) != 0) fail(errno, p);
  return true;
}

// Writes data over the start of an existing file and then cuts the file to
// its length, never truncating first: an interruption leaves the new text's
// beginning and the old text's end.
void overwriteInPlace(const std::string& p, std::string_view data) {
  FileLayer& io = fileLayer();
  const int fd = openFile(p, O_WRONLY);
  if (fd < 0) fail(errno, p);
  int e = writeAll(fd, data);
  if (e == 0 && io.truncate(fd, static_cast<std::int64_t>(data.size())) != 0) e = errno;
  if (e == 0 && ::fsync(fd) != 0) e = errno;
  if (io.close(fd) != 0 && e == 0) e = errno;
  if (e != 0) fail(e, p);
}

DateTime localTime(std::int64_t seconds, std::int64_t nanoseconds) {
  const std::time_t tt = static_cast<std::time_t>(seconds);
  std::tm tm{};
  DateTime t;
  if (::localtime_r(&tt, &tm) == nullptr) return t;
  t.year = tm.tm_year + 1900;
  t.month = tm.tm_mon + 1;
  t.day = tm.tm_mday;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  t.second = std::min(tm.tm_sec, 59);
  t.millisecond = static_cast<int>(nanoseconds / 1'000'000);
  return t;
}

// Fills size, times and kind of one folder entry; false when it has gone.
bool describeEntry(int dirFd, const char* name, FolderEntry& e) {
#ifdef STATX_BTIME
  constexpr unsigned kMask = STATX_BASIC_STATS | STATX_BTIME;
  struct statx sx {};
  int r = ::statx(dirFd, name, AT_STATX_SYNC_AS_STAT, kMask, &sx);
  // A dangling link still shows, with its own size and times.
  if (r != 0 && errno == ENOENT)
    r = ::statx(dirFd, name, AT_STATX_SYNC_AS_STAT | AT_SYMLINK_NOFOLLOW, kMask, &sx);
  if (r == 0) {
    e.size = sx.stx_size;
    e.isFolder = S_ISDIR(sx.stx_mode);
    e.modified = localTime(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
    // Where the file system keeps no birth time the change time stands in.
    const auto& born = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime : sx.stx_ctime;
    e.created = localTime(born.tv_sec, born.tv_nsec);
    e.createdAt = static_cast<std::int64_t>(born.tv_sec) * 1'000'000'000 + born.tv_nsec;
    return true;
  }
  if (errno != ENOSYS) return false;
#endif
  struct stat st {};
  if (::fstatat(dirFd, name, &st, 0) != 0 && ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
    return false;
  e.size = static_cast<std::uint64_t>(st.st_size);
  e.isFolder = S_ISDIR(st.st_mode);
  e.modified = localTime(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
  e.created = localTime(st.st_ctim.tv_sec, st.st_ctim.tv_nsec);
  e.createdAt = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
  return true;
}

bool isDriveLetter(std::string_view s) {
  return s.size() >= 2 && s[1] == ':' && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

void slashes(std::string& s) {
  std::replace(s.begin(), s.end(), '\\', '/');
}

}  // namespace

std::string_view fileErrorText(int number) {
  switch (number) {
    case fileerr::BadFileNameOrNumber:
      return "Bad Filename or Number";
    case fileerr::FileNotFound:
      return "File not Found";
    case fileerr::BadFileMode:
      return "Bad File Mode";
    case fileerr::FileAlreadyOpen:
      return "File already open";
    case fileerr::DeviceIO:
      return "Device I/o problem";
    case fileerr::FileAlreadyExists:
      return "File already exists";
    case fileerr::BadRecordLength:
      return "Bad Record length";
    case fileerr::DiskFull:
      return "Disk full";
    case fileerr::InputPastEnd:
      return "Input past end of file";
    case fileerr::BadRecordNumber:
      return "Bad Record Number";
    case fileerr::BadFileName:
      return "Bad Filename";
    case fileerr::TooManyFiles:
      return "To many files at the same time";
    case fileerr::DeviceUnavailable:
      return "Device unavailable";
    case fileerr::PermissionDenied:
      return "Permission denied";
    case fileerr::DiskNotReady:
      return "Disk not ready";
    case fileerr::DiskMediaError:
      return "Disk media error";
    case fileerr::RenameAcrossDrives:
      return "Can't rename files across different drives";
    case fileerr::PathFileAccess:
      return "Path/File access error";
    case fileerr::PathNotFound:
      return "Path not found";
    default:
      return {};
  }
}

int fileErrorNumber(const std::error_code& ec, bool folderMissing) {
  if (!ec) return 0;
  if (ec.category() != std::generic_category() && ec.category() != std::system_category())
    return fileerr::PathFileAccess;
  switch (ec.value()) {
    case ENOENT:
      return folderMissing ? fileerr::PathNotFound : fileerr::FileNotFound;
    case ENOTDIR:
      return fileerr::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return fileerr::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
      return fileerr::DiskFull;
    case EISDIR:
      return fileerr::PathFileAccess;
    case EMFILE:
    case ENFILE:
      return fileerr::TooManyFiles;
    case EIO:
      return fileerr::DeviceIO;
    case ENXIO:
    case ENODEV:
      return fileerr::DeviceUnavailable;
    case ENAMETOOLONG:
    case EINVAL:
      return fileerr::BadFileName;
    case EEXIST:
      return fileerr::FileAlreadyExists;
    case EXDEV:
      return fileerr::RenameAcrossDrives;
    default:
      return fileerr::PathFileAccess;
  }
}

FileError::FileError(int number, const std::string& path, std::size_t landed)
    : RunError(number, errorDescription(number)), path_(path), landed_(landed) {}

// ---- File layer

int FileLayer::open(const std::string& path, int flags, unsigned mode) {
  return ::open(path.c_str(), flags, static_cast<mode_t>(mode));
}
std::ptrdiff_t FileLayer::write(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}
int FileLayer::truncate(int fd, std::int64_t length) {
  return ::ftruncate(fd, static_cast<off_t>(length));
}
int FileLayer::close(int fd) {
  return ::close(fd);
}

namespace {
FileLayer*& currentLayer() {
  // Never destroyed: writes at the program's very end (the last way out runs
  // after static objects may have gone) still find it.
  static FileLayer* const system = new FileLayer;
  static FileLayer* current = system;
  return current;
}
}  // namespace

FileLayer& fileLayer() {
  return *currentLayer();
}

ScopedFileLayer::ScopedFileLayer(FileLayer& layer) : previous_(currentLayer()) {
  currentLayer() = &layer;
}
ScopedFileLayer::~ScopedFileLayer() {
  currentLayer() = previous_;
}

// ---- Writing

void appendBytes(const std::string& path, std::string_view data) {
  const std::string p = nativePath(path);
  FileLayer& io = fileLayer();
  bool created = false;
  int fd = openFile(p, O_WRONLY | O_APPEND);
  if (fd < 0 && errno == ENOENT) {
    fd = openFile(p, O_WRONLY | O_APPEND | O_CREAT | O_EXCL);
    created = fd >= 0;
    if (fd < 0 && errno == EEXIST) fd = openFile(p, O_WRONLY | O_APPEND);
  }
  if (fd < 0) fail(errno, p);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int e = errno;
    io.close(fd);
    fail(e, p);
  }
  const std::int64_t before = st.st_size;
  std::size_t written = 0;
  int e = writeAll(fd, data, written);
  if (e == 0) {
    if (io.close(fd) == 0) return;
    // Whether the bytes reached the file is unknown: they are taken back.
    e = errno;
    fd = -1;
  }
  const std::size_t landed = cutBack(io, p, fd, before, created) ? 0 : written;
  const std::error_code ec(e, std::generic_category());
  throw FileError(fileErrorNumber(ec), p, landed);
}

void writeBytes(const std::string& path, std::string_view data) {
  writeWithFlags(path, data, O_TRUNC);
}

void writeBytesAtomic(const std::string& path, std::string_view data) {
  std::string p = nativePath(path);
  struct stat st {};
  const bool exists = replaceable(p, st);

  const std::string tmp = p + ".tmp-" + std::to_string(::getpid());
  const int fd = openFile(tmp, O_WRONLY | O_CREAT | O_TRUNC);
  if (fd < 0) {
    const int e = errno;
    // A folder we may not create files in, holding a file we may write: the
    // file is written in place, without truncating it first.
    if (exists && (e == EACCES || e == EPERM || e == EROFS)) {
      overwriteInPlace(p, data);
      removeLeftovers(p);
      return;
    }
    fail(e, p);
  }
  if (exists) ::fchmod(fd, st.st_mode & 07777);
  int e = writeAll(fd, data);
  if (e == 0 && ::fsync(fd) != 0) e = errno;
  if (fileLayer().close(fd) != 0 && e == 0) e = errno;
  if (e == 0 && ::rename(tmp.c_str(), p.c_str()) != 0) e = errno;
  if (e != 0) {
    ::unlink(tmp.c_str());
    fail(e, p);
  }
  // Make the new name durable too; a failure here loses nothing written.
  const int dirFd = openFile(parentOf(p), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    fileLayer().close(dirFd);
  }
  removeLeftovers(p);
}

// ---- Lines waiting for their file

void PendingLines::appendTo(const std::string& path) {
  if (text_.empty()) return;
  try {
    appendBytes(path, text_);
  } catch (const FileError& e) {
    const std::size_t landed = std::min(e.landed(), text_.size());
    if (landed > 0) {
      // The file now ends inside a line unless the bytes that stayed ended one.
      begun_ = text_[landed - 1] != '\n';
      text_.erase(0, landed);
      if (text_.empty()) begun_ = false;
    }
    throw;
  }
  text_.clear();
  begun_ = false;
}

std::size_t PendingLines::dropOldest(std::size_t limit) {
  if (text_.size() <= limit) return 0;
  // A line begun in the file is kept whole.
  std::size_t from = 0;
  if (begun_) {
    const std::size_t lf = text_.find('\n');
    from = lf == std::string::npos ? text_.size() : lf + 1;
  }
  if (from >= text_.size()) return 0;
  // The first line that starts at least `excess` bytes after `from`.
  const std::size_t excess = text_.size() - limit;
  const std::size_t lf = text_.find('\n', from + excess - 1);
  const std::size_t cut = lf == std::string::npos ? text_.size() : lf + 1;
  const auto dropped =
      static_cast<std::size_t>(std::count(text_.begin() + static_cast<std::ptrdiff_t>(from),
                                          text_.begin() + static_cast<std::ptrdiff_t>(cut), '\n'));
  text_.erase(from, cut - from);
  return dropped;
}

void PendingLines::addInFront(std::string_view lines) {
  if (begun_) return;
  text_.insert(0, lines);
}

void PendingLines::clear() {
  text_.clear();
  begun_ = false;
}

std::string readBytes(const std::string& path) {
  const std::string p = nativePath(path);
  const int fd = openFile(p, O_RDONLY);
  if (fd < 0) fail(errno, p);
  std::string out;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_size > 0) out.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      fail(e, p);
    }
    if (n == 0) break;
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return out;
}

void removeFile(const std::string& path) {
  const std::string p = nativePath(path);
  if (::unlink(p.c_str()) != 0) fail(errno, p);
}

void removeListedFile(const std::string& path) {
  const std::string p = nativePath(path);
  struct stat st {};
  if (::lstat(p.c_str(), &st) != 0) {
    if (errno == ENOENT) return;
    fail(errno, p);
  }
  if (S_ISDIR(st.st_mode)) fail(EISDIR, p);
  if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) fail(EACCES, p);
  if (::unlink(p.c_str()) != 0 && errno != ENOENT) fail(errno, p);
}

// ---- A file written anew

namespace {

constexpr std::size_t kWriterBuffer = std::size_t{256} << 10;

}  // namespace

NewFileWriter::NewFileWriter(const std::string& path) : path_(nativePath(path)) {
  struct stat st {};
  const bool exists = replaceable(path_, st);
  temporary_ = path_ + ".tmp-" + std::to_string(::getpid());
  fd_ = openFile(temporary_, O_WRONLY | O_CREAT | O_TRUNC);
  // The error is the file's own: a missing folder, a folder that takes no file.
  if (fd_ < 0) fail(errno, path_);
  if (exists) ::fchmod(fd_, st.st_mode & 07777);
  buffer_.reserve(kWriterBuffer);
}

NewFileWriter::~NewFileWriter() {
  if (fd_ < 0) return;
  fileLayer().close(fd_);
  ::unlink(temporary_.c_str());
}

void NewFileWriter::write(std::string_view bytes) {
  if (failed_ || fd_ < 0) throw FileError(fileerr::BadFileNameOrNumber, path_);
  buffer_ += bytes;
  if (buffer_.size() >= kWriterBuffer) flush();
}

void NewFileWriter::flush() {
  if (buffer_.empty() || failed_) return;
  std::size_t written = 0;
  const int e = writeAll(fd_, buffer_, written);
  if (e == 0) {
    size_ += buffer_.size();
    buffer_.clear();
    return;
  }
  failed_ = true;
  // Only whole lines stay: what reached the file after the last line end of
  // the bytes that landed is cut off again.
  const std::size_t lf = written == 0 ? std::string::npos : buffer_.rfind('\n', written - 1);
  const std::size_t keep = lf == std::string::npos ? 0 : lf + 1;
  if (fileLayer().truncate(fd_, static_cast<std::int64_t>(size_ + keep)) == 0) size_ += keep;
  buffer_.clear();
  fail(e, path_);
}

void NewFileWriter::close() {
  if (fd_ < 0) return;
  // A last write that fails still leaves the whole lines that reached the
  // file in place; its error is told after that.
  std::optional<FileError> lastWrite;
  try {
    flush();
  } catch (const FileError& error) {
    lastWrite = error;
  }
  int e = 0;
  if (fileLayer().close(fd_) != 0) e = errno;
  fd_ = -1;
  if (e == 0 && ::rename(temporary_.c_str(), path_.c_str()) != 0) e = errno;
  if (e != 0) {
    ::unlink(temporary_.c_str());
    fail(e, path_);
  }
  if (lastWrite) throw *lastWrite;
}

void createFolder(const std::string& path) {
  const std::string p = nativePath(path);
  std::error_code ec;
  std::filesystem::create_directories(p, ec);
  if (ec) throw FileError(fileErrorNumber(ec, ec.value() == ENOENT), p);
}

bool fileExists(const std::string& path) {
  const std::string p = nativePath(path);
  struct stat st {};
  return !p.empty() && ::stat(p.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool folderExists(const std::string& path) {
  const std::string p = nativePath(path);
  struct stat st {};
  return !p.empty() && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<FolderEntry> listFolder(const std::string& path) {
  const std::string p = nativePath(path);
  DIR* dir = ::opendir(p.empty() ? "." : p.c_str());
  if (dir == nullptr) {
    const int e = errno;
    // The listed folder itself is the missing part of the path.
    throw FileError(fileErrorNumber(std::error_code(e, std::generic_category()), e == ENOENT), p);
  }
  const std::string prefix = p.empty() ? std::string() : (p.back() == '/' ? p : p + "/");
  std::vector<FolderEntry> entries;
  for (;;) {
    errno = 0;
    const dirent* d = ::readdir(dir);
    if (d == nullptr) {
      if (errno != 0) {
        const int e = errno;
        ::closedir(dir);
        fail(e, p);
      }
      break;
    }
    const std::string_view name = d->d_name;
    if (name == "." || name == "..") continue;
    FolderEntry entry;
    entry.name = std::string(name);
    entry.path = prefix + entry.name;
    if (describeEntry(::dirfd(dir), d->d_name, entry)) entries.push_back(std::move(entry));
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return entries;
}

std::string nativePath(std::string_view settingPath) {
  if (isDriveLetter(settingPath)) {
    std::string rest(settingPath.substr(2));
    slashes(rest);
    std::string home = homeFolder();
    if (rest.empty() || rest == "/") return home;
    if (rest.front() != '/') rest.insert(rest.begin(), '/');
    while (!home.empty() && home.back() == '/') home.pop_back();
    return home + rest;
  }
  std::string p(settingPath);
  slashes(p);
  return p;
}

std::string joinPath(std::string_view folder, std::string_view fileName) {
  std::string f = nativePath(folder);
  std::string name(fileName);
  slashes(name);
  if (f.empty()) return name;
  const std::size_t first = name.find_first_not_of('/');
  name.erase(0, first == std::string::npos ? name.size() : first);
  if (f.back() != '/') f.push_back('/');
  return f + name;
}

PathParts splitPath(std::string_view path) {
  PathParts parts;
  if (isDriveLetter(path)) parts.drive = std::string(path.substr(0, 2));
  const std::size_t sep = path.find_last_of("/\\");
  if (sep == std::string_view::npos) {
    parts.name = std::string(path.substr(parts.drive.size()));
  } else {
    parts.folder = std::string(path.substr(0, sep));
    // The root keeps its separator: "/x" lies in "/", "C:\x" in "C:\".
    if (parts.folder.size() == parts.drive.size()) parts.folder = std::string(path.substr(0, sep + 1));
    parts.name = std::string(path.substr(sep + 1));
  }
  const std::size_t dot = parts.name.rfind('.');
  if (dot == std::string::npos) {
    parts.baseName = parts.name;
  } else {
    parts.baseName = parts.name.substr(0, dot);
    parts.extension = parts.name.substr(dot + 1);
  }
  return parts;
}

std::string programFolder() {
  if (const char* dir = std::getenv("TALBREN_PROGRAM_DIR"); dir != nullptr && *dir != '\0') return dir;
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return exe.parent_path().string();
  const auto cwd = std::filesystem::current_path(ec);
  return ec ? std::string(".") : cwd.string();
}

std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  passwd pw{};
  passwd* result = nullptr;
  char buf[4096];
  if (::getpwuid_r(::getuid(), &pw, buf, sizeof buf, &result) == 0 && result != nullptr &&
      result->pw_dir != nullptr && *result->pw_dir != '\0')
    return result->pw_dir;
  return "/";
}

}  // namespace platform
