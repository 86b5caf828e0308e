#include "platform/files.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include "platform/file_reader.h"
#include "support/faulty_files.h"
#include "support/test_platform.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <future>
#include <optional>
#include <string>

namespace platform {
namespace {

namespace fs = std::filesystem;

// Sets or clears one environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "talbren-files-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::string in(const std::string& name) const { return dir_ + "/" + name; }

  // The file error number an operation raises, or 0.
  template <typename F>
  static int errorOf(F&& f) {
    try {
      f();
    } catch (const FileError& e) {
      return e.number();
    }
    return 0;
  }

  std::string dir_;
};

TEST(FileErrorText, SharedTable) {
  struct Case {
    int number;
    const char* text;
  };
  const Case cases[] = {
      {52, "Bad Filename or Number"},
      {53, "File not Found"},
      {54, "Bad File Mode"},
      {55, "File already open"},
      {57, "Device I/o problem"},
      {58, "File already exists"},
      {59, "Bad Record length"},
      {61, "Disk full"},
      {62, "Input past end of file"},
      {63, "Bad Record Number"},
      {64, "Bad Filename"},
      {67, "To many files at the same time"},
      {68, "Device unavailable"},
      {70, "Permission denied"},
      {71, "Disk not ready"},
      {72, "Disk media error"},
      {74, "Can't rename files across different drives"},
      {75, "Path/File access error"},
      {76, "Path not found"},
  };
  for (const auto& c : cases) EXPECT_EQ(fileErrorText(c.number), c.text) << c.number;
  for (int n : {0, 6, 51, 56, 60, 65, 69, 73, 77}) EXPECT_EQ(fileErrorText(n), "") << n;
}

TEST(FileErrorNumber, OperatingSystemErrors) {
  struct Case {
    int os;
    bool folderMissing;
    int number;
  };
  const Case cases[] = {
      {ENOENT, false, 53}, {ENOENT, true, 76},  {ENOTDIR, false, 76},      {EACCES, false, 70},
      {EPERM, false, 70},  {EROFS, false, 70},  {ENOSPC, false, 61},       {EDQUOT, false, 61},
      {EISDIR, false, 75}, {EMFILE, false, 67}, {ENFILE, false, 67},       {EIO, false, 57},
      {ENXIO, false, 68},  {ENODEV, false, 68}, {ENAMETOOLONG, false, 64}, {EINVAL, false, 64},
      {EEXIST, false, 58}, {EXDEV, false, 74},  {EBUSY, false, 75},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fileErrorNumber(std::error_code(c.os, std::generic_category()), c.folderMissing), c.number)
        << c.os;
    EXPECT_EQ(fileErrorNumber(std::error_code(c.os, std::system_category()), c.folderMissing), c.number)
        << c.os;
  }
  EXPECT_EQ(fileErrorNumber(std::make_error_code(std::future_errc::no_state)), 75);
}

TEST(FileError, DescriptionIsTheTableText) {
  const FileError known(53, "/x/y");
  EXPECT_EQ(known.number(), 53);
  EXPECT_STREQ(known.what(), "File not Found");
  EXPECT_EQ(known.path(), "/x/y");
  const FileError other(99, "/x");
  EXPECT_EQ(other.description(), "File error 99");
  const RunError& asRunError = known;
  EXPECT_EQ(asRunError.number(), 53);
}

TEST_F(FilesTest, BytesRoundTrip) {
  const std::string data("A\0B\r\n\xFF\x80z", 8);
  writeBytes(in("f.DAT"), data);
  EXPECT_EQ(readBytes(in("f.DAT")), data);
  appendBytes(in("f.DAT"), "tail\r\n");
  EXPECT_EQ(readBytes(in("f.DAT")), data + "tail\r\n");
  writeBytes(in("f.DAT"), "new");
  EXPECT_EQ(readBytes(in("f.DAT")), "new");
  appendBytes(in("g.TXT"), "created");
  EXPECT_EQ(readBytes(in("g.TXT")), "created");
  writeBytes(in("empty"), "");
  EXPECT_EQ(readBytes(in("empty")), "");
}

TEST_F(FilesTest, MissingFileAndMissingFolderAreToldApart) {
  writeBytes(in("plain"), "x");
  EXPECT_EQ(errorOf([&] { readBytes(in("absent.TXT")); }), 53);
  EXPECT_EQ(errorOf([&] { readBytes(in("nofolder/absent.TXT")); }), 76);
  EXPECT_EQ(errorOf([&] { writeBytes(in("nofolder/new.TXT"), "x"); }), 76);
  EXPECT_EQ(errorOf([&] { appendBytes(in("nofolder/new.TXT"), "x"); }), 76);
  EXPECT_EQ(errorOf([&] { writeBytesAtomic(in("nofolder/new.XML"), "x"); }), 76);
  EXPECT_EQ(errorOf([&] { readBytes(in("plain/under-a-file")); }), 76);
  EXPECT_EQ(errorOf([&] { removeFile(in("absent.TXT")); }), 53);
  EXPECT_EQ(errorOf([&] { removeFile(in("nofolder/absent.TXT")); }), 76);
  EXPECT_EQ(errorOf([&] { listFolder(in("nofolder")); }), 76);
}

TEST_F(FilesTest, FolderWhereAFileIsExpected) {
  createFolder(in("sub"));
  EXPECT_EQ(errorOf([&] { readBytes(in("sub")); }), 75);
  EXPECT_EQ(errorOf([&] { writeBytes(in("sub"), "x"); }), 75);
  EXPECT_EQ(errorOf([&] { removeFile(in("sub")); }), 75);
}

TEST_F(FilesTest, ErrorCarriesThePathAndText) {
  try {
    readBytes(in("absent.TXT"));
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.path(), in("absent.TXT"));
    EXPECT_STREQ(e.what(), "File not Found");
  }
}

TEST_F(FilesTest, CreateFolderWithParentsAndExistenceChecks) {
  createFolder(in("a/b/c"));
  createFolder(in("a/b/c"));  // already there: fine
  EXPECT_TRUE(folderExists(in("a/b/c")));
  EXPECT_FALSE(fileExists(in("a/b/c")));
  writeBytes(in("a/b/c/f"), "x");
  EXPECT_TRUE(fileExists(in("a/b/c/f")));
  EXPECT_FALSE(folderExists(in("a/b/c/f")));
  EXPECT_FALSE(fileExists(in("none")));
  EXPECT_FALSE(folderExists(in("none")));
  EXPECT_FALSE(fileExists(""));
  EXPECT_NE(errorOf([&] { createFolder(in("a/b/c/f/g")); }), 0);
  removeFile(in("a/b/c/f"));
  EXPECT_FALSE(fileExists(in("a/b/c/f")));
}

TEST_F(FilesTest, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
  writeBytes(in("cfg.XML"), "old content");
  ::chmod(in("cfg.XML").c_str(), 0640);
  writeBytesAtomic(in("cfg.XML"), "new content\r\n");
  EXPECT_EQ(readBytes(in("cfg.XML")), "new content\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(in("cfg.XML").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  writeBytesAtomic(in("fresh.XML"), "first");
  EXPECT_EQ(readBytes(in("fresh.XML")), "first");
  const auto entries = listFolder(dir_);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "cfg.XML");
  EXPECT_EQ(entries[1].name, "fresh.XML");
}

TEST_F(FilesTest, AtomicWriteOverAFolderFailsAndKeepsIt) {
  createFolder(in("cfg.XML"));
  writeBytes(in("cfg.XML/inside"), "kept");
  EXPECT_EQ(errorOf([&] { writeBytesAtomic(in("cfg.XML"), "new"); }), 75);
  EXPECT_TRUE(folderExists(in("cfg.XML")));
  EXPECT_EQ(readBytes(in("cfg.XML/inside")), "kept");
  const auto entries = listFolder(dir_);
  ASSERT_EQ(entries.size(), 1u) << "a temporary file was left behind";
  EXPECT_EQ(entries[0].name, "cfg.XML");
}

TEST_F(FilesTest, AtomicWriteNeverReplacesAReadOnlyFile) {
  writeBytes(in("cfg.XML"), "old content");
  testsupport::ReadOnlyFile readOnly(in("cfg.XML"));
  if (!readOnly.ok()) GTEST_SKIP() << "cannot make a file read-only here";
  EXPECT_EQ(errorOf([&] { writeBytesAtomic(in("cfg.XML"), "new"); }), 70);
  EXPECT_EQ(readBytes(in("cfg.XML")), "old content");
  EXPECT_EQ(listFolder(dir_).size(), 1u);
  EXPECT_EQ(errorOf([&] { writeBytes(in("cfg.XML"), "new"); }), 70);
}

// An append that fails part-way leaves the file exactly as it was, however
// far it got; the same bytes appended again later land once.
TEST_F(FilesTest, FailedAppendLeavesTheFileAsItWas) {
  const testsupport::WriteFault cases[] = {
      {"disk full part-way through", 7, ENOSPC, 0, "Disk full"},
      {"disk full after several short writes", 9, ENOSPC, 4, "Disk full"},
      {"disk full before the first byte", 0, ENOSPC, 0, "Disk full"},
      {"I/O error part-way through", 5, EIO, 3, "Device I/o problem"},
  };
  const std::string batch = "line 3\r\nline 4\r\nline 5\r\n";
  for (const testsupport::WriteFault& c : cases) {
    SCOPED_TRACE(c.what);
    writeBytes(in("rec.TXT"), "line 1\r\nline 2\r\n");
    testsupport::FaultyFiles faults;
    faults.fill(c);
    try {
      appendBytes(in("rec.TXT"), batch);
      ADD_FAILURE() << "the append did not fail";
    } catch (const FileError& e) {
      EXPECT_EQ(e.what(), std::string(c.message));
      EXPECT_EQ(e.landed(), 0u);
    }
    EXPECT_EQ(readBytes(in("rec.TXT")), "line 1\r\nline 2\r\n");
    // A file the failed append would have created is not left behind.
    EXPECT_NE(errorOf([&] { appendBytes(in("new.DAT"), batch); }), 0);
    EXPECT_FALSE(fileExists(in("new.DAT")));
    faults.makeRoom();
    appendBytes(in("rec.TXT"), batch);
    EXPECT_EQ(readBytes(in("rec.TXT")), "line 1\r\nline 2\r\n" + batch);
  }
}

// Lines wait for their file: a failed append keeps them all, and where the
// cut back failed too, only what did not reach the file is written next.
// Dropping the oldest lines never drops a line already begun in the file.
TEST_F(FilesTest, PendingLinesLeaveOnlyByWholeAppends) {
  PendingLines lines;
  lines.add("a1\r\na2\r\n");
  {
    testsupport::FaultyFiles faults;
    faults.fill(3);
    EXPECT_NE(errorOf([&] { lines.appendTo(in("f.TXT")); }), 0);
    EXPECT_EQ(lines.text(), "a1\r\na2\r\n");
    EXPECT_FALSE(fileExists(in("f.TXT")));
    faults.failCut = true;
    faults.fill(3);
    writeBytes(in("f.TXT"), "");
    EXPECT_NE(errorOf([&] { lines.appendTo(in("f.TXT")); }), 0);
  }
  // Three bytes stayed: "a1\r". The rest follows them, once.
  EXPECT_EQ(readBytes(in("f.TXT")), "a1\r");
  EXPECT_EQ(lines.text(), "\na2\r\n");
  lines.add("a3\r\na4\r\n");
  // Over the limit: the oldest whole lines go, the begun one stays.
  EXPECT_EQ(lines.dropOldest(6), 2u);
  EXPECT_EQ(lines.text(), "\na4\r\n");
  lines.appendTo(in("f.TXT"));
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(readBytes(in("f.TXT")), "a1\r\na4\r\n");
  // Nothing begun: whole lines from the front.
  lines.add("b1\r\nb2\r\nb3\r\n");
  EXPECT_EQ(lines.dropOldest(100), 0u);
  EXPECT_EQ(lines.dropOldest(5), 2u);
  EXPECT_EQ(lines.text(), "b3\r\n");
  EXPECT_EQ(lines.dropOldest(0), 1u);
  EXPECT_TRUE(lines.empty());
}

// A file whose folder takes no new file is written in place: at every step
// of the write the file holds the new text's beginning and the old text's
// end, never less than was there; at the end exactly the new text.
TEST_F(FilesTest, InPlaceWriteNeverEmptiesTheFile) {
  const std::string oldText = "old old old old old old\r\n";
  for (const char* fresh : {"new text, longer than the old one\r\n", "new\r\n"}) {
    const std::string newText = fresh;
    SCOPED_TRACE(newText);
    writeBytes(in("cfg.XML"), oldText);
    testsupport::FaultyFiles faults;
    faults.refuseNew = ".tmp-";
    faults.chunk = 4;
    std::vector<std::string> states;
    faults.afterStep = [&] { states.push_back(readBytes(in("cfg.XML"))); };
    writeBytesAtomic(in("cfg.XML"), newText);
    EXPECT_EQ(readBytes(in("cfg.XML")), newText);
    ASSERT_FALSE(states.empty());
    for (const std::string& st : states) {
      bool newBeginningOldEnd = st == newText;
      for (std::size_t k = 0; k <= newText.size(); ++k)
        newBeginningOldEnd =
            newBeginningOldEnd || st == newText.substr(0, k) + (k < oldText.size() ? oldText.substr(k) : "");
      EXPECT_TRUE(newBeginningOldEnd) << st;
    }
  }
}

// Temporary files that interrupted saves left beside the file go with the
// next save, those of a program still saving excepted.
TEST_F(FilesTest, AtomicWriteRemovesTheLeftoversOfInterruptedWrites) {
  writeBytes(in("cfg.XML"), "old");
  // A process that has ended: a child reaped at once.
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  const std::string stale = in("cfg.XML.tmp-" + std::to_string(gone));
  const std::string live = in("cfg.XML.tmp-" + std::to_string(::getppid()));
  const std::string other = in("other.XML.tmp-" + std::to_string(gone));
  for (const std::string& f : {stale, live, other}) writeBytes(f, "<half a sav");
  writeBytesAtomic(in("cfg.XML"), "new");
  EXPECT_FALSE(fileExists(stale));
  EXPECT_TRUE(fileExists(live));
  EXPECT_TRUE(fileExists(other));
  EXPECT_EQ(readBytes(in("cfg.XML")), "new");
}

TEST_F(FilesTest, ListingIsSortedWithSizesAndTimes) {
  writeBytes(in("b.txt"), "hello");
  writeBytes(in("a.DAT"), "");
  writeBytes(in("C.TXT"), std::string(70000, 'x'));
  createFolder(in("sub"));
  // Sizes beyond 32 bits: a sparse file takes no space.
  writeBytes(in("big.DAT"), "");
  fs::resize_file(in("big.DAT"), 5'368'709'120ULL);

  const std::time_t now = std::time(nullptr);
  const auto entries = listFolder(dir_ + "/");
  ASSERT_EQ(entries.size(), 5u);
  const char* names[] = {"C.TXT", "a.DAT", "b.txt", "big.DAT", "sub"};
  const std::uint64_t sizes[] = {70000, 0, 5, 5'368'709'120ULL};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& e = entries[i];
    EXPECT_EQ(e.name, names[i]);
    EXPECT_EQ(e.path, dir_ + "/" + names[i]);
    EXPECT_EQ(e.isFolder, i == 4) << e.name;
    if (i < 4) {
      EXPECT_EQ(e.size, sizes[i]) << e.name;
    }
    for (const DateTime& t : {e.created, e.modified}) {
      std::tm tm{};
      tm.tm_year = t.year - 1900;
      tm.tm_mon = t.month - 1;
      tm.tm_mday = t.day;
      tm.tm_hour = t.hour;
      tm.tm_min = t.minute;
      tm.tm_sec = t.second;
      tm.tm_isdst = -1;
      EXPECT_LE(std::abs(std::difftime(std::mktime(&tm), now)), 120.0) << e.name;
    }
  }
}

// A file written anew takes the old one's place only when closed: a reader
// of the old file keeps its bytes, and no temporary file stays behind.
TEST_F(FilesTest, NewFileReplacesTheOldOneWhichItsReaderStillReads) {
  writeBytes(in("loaded.DAT"), "loaded record\r\n");
  ::chmod(in("loaded.DAT").c_str(), 0640);
  const FileReader reader(in("loaded.DAT"));
  {
    NewFileWriter out(in("loaded.DAT"));
    out.write("row 1\r\n");
    out.write(std::string(300000, 'x') + "\r\n");
    EXPECT_EQ(readBytes(in("loaded.DAT")), "loaded record\r\n");
    out.close();
  }
  EXPECT_EQ(readBytes(in("loaded.DAT")), "row 1\r\n" + std::string(300000, 'x') + "\r\n");
  std::string old(15, '\0');
  EXPECT_EQ(reader.readAt(0, old.data(), old.size()), 15u);
  EXPECT_EQ(old, "loaded record\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(in("loaded.DAT").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(listFolder(dir_).size(), 1u);

  // Never closed: nothing changes and nothing stays behind.
  {
    NewFileWriter out(in("loaded.DAT"));
    out.write("lost\r\n");
  }
  EXPECT_EQ(readBytes(in("loaded.DAT")).substr(0, 7), "row 1\r\n");
  EXPECT_EQ(listFolder(dir_).size(), 1u);
}

TEST_F(FilesTest, NewFileIsRefusedWhereOpeningItForWritingWouldBe) {
  EXPECT_EQ(errorOf([&] { NewFileWriter out(in("missing/out.txt")); }), 76);
  EXPECT_FALSE(folderExists(in("missing")));
  createFolder(in("folder"));
  EXPECT_EQ(errorOf([&] { NewFileWriter out(in("folder")); }), 75);
  writeBytes(in("kept.txt"), "kept");
  testsupport::ReadOnlyFile readOnly(in("kept.txt"));
  if (!readOnly.ok()) GTEST_SKIP() << "cannot make a file read-only here";
  EXPECT_EQ(errorOf([&] { NewFileWriter out(in("kept.txt")); }), 70);
  readOnly.release();
  EXPECT_EQ(readBytes(in("kept.txt")), "kept");
  EXPECT_EQ(listFolder(dir_).size(), 2u);
}

// A write that fails part-way leaves the whole lines that reached the file;
// closing puts them in place.
TEST_F(FilesTest, NewFileKeepsTheWholeLinesOfAFailedWrite) {
  const testsupport::WriteFault cases[] = {
      {"disk full in a line", 25, ENOSPC, 0, "Disk full"},
      {"disk full in short writes", 25, ENOSPC, 3, "Disk full"},
      {"I/O error before any byte", 0, EIO, 0, "Device I/o problem"},
  };
  for (const testsupport::WriteFault& c : cases) {
    SCOPED_TRACE(c.what);
    {
      testsupport::FaultyFiles faults;
      faults.fill(c);
      NewFileWriter out(in("out.txt"));
      out.write("line one\r\nline two\r\nline three\r\n");
      try {
        out.close();
        ADD_FAILURE() << "the close did not fail";
      } catch (const FileError& e) {
        EXPECT_EQ(e.what(), std::string(c.message));
      }
    }
    EXPECT_EQ(readBytes(in("out.txt")), c.room > 0 ? "line one\r\nline two\r\n" : "");
  }
}

TEST_F(FilesTest, RemovingAListedFileTakesExactlyThatFile) {
  for (const char* name : {"a*b", "ab", "aXb"}) writeBytes(in(name), "x");
  removeListedFile(in("a*b"));
  EXPECT_FALSE(fileExists(in("a*b")));
  EXPECT_TRUE(fileExists(in("ab")));
  EXPECT_TRUE(fileExists(in("aXb")));
  // Gone already: removed.
  EXPECT_EQ(errorOf([&] { removeListedFile(in("a*b")); }), 0);
  // Never a folder, never a read-only file (also for a user who could).
  createFolder(in("sub"));
  EXPECT_EQ(errorOf([&] { removeListedFile(in("sub")); }), 75);
  EXPECT_TRUE(folderExists(in("sub")));
  ::chmod(in("ab").c_str(), 0444);
  EXPECT_EQ(errorOf([&] { removeListedFile(in("ab")); }), 70);
  EXPECT_TRUE(fileExists(in("ab")));
}

TEST(NativePath, DriveLettersMapToTheHomeFolder) {
  ScopedEnv home("HOME", "/home/pilot");
  struct Case {
    const char* setting;
    const char* native;
  };
  const Case cases[] = {
      {"C:\\RAZERI VAREROZE", "/home/pilot/RAZERI VAREROZE"},
      {"D:\\a\\b", "/home/pilot/a/b"},
      {"c:/x", "/home/pilot/x"},
      {"C:", "/home/pilot"},
      {"C:\\", "/home/pilot"},
      {"C:data", "/home/pilot/data"},
      {"/tmp/x", "/tmp/x"},
      {"rel\\sub\\f.txt", "rel/sub/f.txt"},
      {"rel/f.txt", "rel/f.txt"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(nativePath(c.setting), c.native) << c.setting;

  ScopedEnv slashHome("HOME", "/home/pilot/");
  EXPECT_EQ(nativePath("C:\\x"), "/home/pilot/x");
}

TEST(JoinPath, OneSeparator) {
  ScopedEnv home("HOME", "/home/pilot");
  EXPECT_EQ(joinPath("C:\\RAZERI VAREROZE", "TBRC_121026.TXT"),
            "/home/pilot/RAZERI VAREROZE/TBRC_121026.TXT");
  EXPECT_EQ(joinPath("C:\\dir\\", "a"), "/home/pilot/dir/a");
  EXPECT_EQ(joinPath("/tmp/", "a"), "/tmp/a");
  EXPECT_EQ(joinPath("/tmp", "a"), "/tmp/a");
  EXPECT_EQ(joinPath("", "a"), "a");
  EXPECT_EQ(joinPath("/opt/prog", "\\Recorder.ico"), "/opt/prog/Recorder.ico");
  EXPECT_EQ(joinPath("/opt/prog", "photo\\GPS_GREEN_Small.bmp"), "/opt/prog/photo/GPS_GREEN_Small.bmp");
}

TEST(SplitPath, FolderNameAndExtension) {
  struct Case {
    const char* path;
    PathParts parts;
  };
  const Case cases[] = {
      {"/home/u/RAZERI VAREROZE/TBRC_EFIS_101908_14.DAT",
       {"", "/home/u/RAZERI VAREROZE", "TBRC_EFIS_101908_14.DAT", "TBRC_EFIS_101908_14", "DAT"}},
      {"log.csv", {"", "", "log.csv", "log", "csv"}},
      {"/x.TXT", {"", "/", "x.TXT", "x", "TXT"}},
      {"C:\\a\\b.txt", {"C:", "C:\\a", "b.txt", "b", "txt"}},
      {"C:\\b.txt", {"C:", "C:\\", "b.txt", "b", "txt"}},
      {"dir.d/noext", {"", "dir.d", "noext", "noext", ""}},
      {"a/b.c.d", {"", "a", "b.c.d", "b.c", "d"}},
  };
  for (const auto& c : cases) {
    const PathParts p = splitPath(c.path);
    EXPECT_EQ(p.drive, c.parts.drive) << c.path;
    EXPECT_EQ(p.folder, c.parts.folder) << c.path;
    EXPECT_EQ(p.name, c.parts.name) << c.path;
    EXPECT_EQ(p.baseName, c.parts.baseName) << c.path;
    EXPECT_EQ(p.extension, c.parts.extension) << c.path;
  }
}

TEST(ProgramFolder, EnvironmentFirstThenExecutableFolder) {
  {
    ScopedEnv dir("TALBREN_PROGRAM_DIR", "/opt/talbren");
    EXPECT_EQ(programFolder(), "/opt/talbren");
  }
  for (const char* value : {static_cast<const char*>(nullptr), ""}) {
    ScopedEnv dir("TALBREN_PROGRAM_DIR", value);
    const std::string folder = programFolder();
    EXPECT_TRUE(fileExists(joinPath(folder, "test_platform"))) << folder;
  }
}

TEST(HomeFolder, FromEnvironmentOrAccount) {
  {
    ScopedEnv home("HOME", "/home/pilot");
    EXPECT_EQ(homeFolder(), "/home/pilot");
  }
  ScopedEnv noHome("HOME", nullptr);
  const passwd* account = ::getpwuid(::getuid());
  if (account != nullptr && account->pw_dir != nullptr && *account->pw_dir != '\0') {
    EXPECT_EQ(homeFolder(), account->pw_dir);
  } else {
    EXPECT_FALSE(homeFolder().empty());
  }
}

}  // namespace
}  // namespace platform
