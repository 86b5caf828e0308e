#pragma once
// The records of one loaded playback file, kept as byte offsets into the file
// (never one string per record), so that files of hundreds of megabytes load
// in one pass and hold a few bytes a record. Playback, the record lists and
// the export read records only through a store: its count, and record i as
// bytes, each read from the file on demand.
//
// The file stays open while its records are in the store: what was loaded
// stays readable when the file is deleted, replaced or saved over under its
// name, and bytes another program cuts off read as missing, never as a fault.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_reader.h"

namespace recorder {

// File offsets in blocks of 64 Ki entries: any entry in constant time, no
// copy of the whole table while it grows, and 4 bytes an entry for files
// under 4 GiB (8 above).
class OffsetTable {
 public:
  void reset(bool wide);
  void push(std::uint64_t value);
  std::uint64_t operator[](std::size_t i) const {
    const std::size_t block = i >> kBlockBits, at = i & kBlockMask;
    return wide_ ? wideBlocks_[block][at] : narrowBlocks_[block][at];
  }
  std::size_t size() const { return size_; }

 private:
  static constexpr std::size_t kBlockBits = 16;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
  static constexpr std::size_t kBlockMask = kBlockSize - 1;
  bool wide_ = false;
  std::size_t size_ = 0;
  std::vector<std::unique_ptr<std::uint32_t[]>> narrowBlocks_;
  std::vector<std::unique_ptr<std::uint64_t[]>> wideBlocks_;
};

class RecordStore : public platform::ListSource {
 public:
  // Record counts are 32-bit: a longer file loads this many records, as if
  // it ended there.
  static constexpr std::int32_t kMaxRecords = 2147483646;
  // The file is read in pieces of this size (a piece grows to hold a longer
  // CSV row).
  static constexpr std::size_t kReadBuffer = std::size_t{2} << 20;

  // Empties the store and lets go of its file.
  void clear();
  // Empties the store and opens the file at `path`; throws FileError.
  void open(const std::string& path);

  // Reads the open file once, front to back, every line one record.
  //
  // The line rule: a line ends at a CR, and an LF right after that CR belongs
  // to the line end; a CR followed directly by CR LF stays in the line as its
  // last byte and the CR LF ends the line (an EFIS capture line, written CR CR
  // LF, is one 52-byte record as the port delivers it); an LF anywhere else is
  // text. Every line is a record, empty ones included; text after the last
  // line end is a last line, and the end of the file right after a line end
  // adds none.
  //
  // Throws FileError on a read failure; the records read before it stay.
  void readLines(std::size_t bufferBytes = kReadBuffer);

  // Reads the open file once as a Dynon CSV file: the lines up to the header
  // row are searched for the column titled "EMS raw data" (the title within
  // the 13 bytes after a comma, so never in the first column), and each later
  // row gives one record, the field of that column less its first 3 and its
  // last byte. The header row and rows with fewer commas add none. A field
  // shorter than 4 bytes, or one that ends its row, stops the reading with
  // RunError(5); the records before it stay. Throws FileError on a read
  // failure.
  void readCsvColumn(std::size_t bufferBytes = kReadBuffer);

  std::int32_t count() const override { return count_; }
  // Record i (0 <= i < count()) as loaded; empty outside the store, and
  // shorter where another program has since cut the file.
  std::string record(std::int32_t i) const;
  std::string entry(std::int32_t i) const override { return record(i); }
  std::size_t longestEntry() const override { return longest_; }

 private:
  enum class Kind { Lines, Fields };
  void added(std::size_t length);
  bool full() const { return count_ >= kMaxRecords; }

  platform::FileReader file_;
  Kind kind_ = Kind::Lines;
  // Lines: where each line starts, and after the last one where the next
  // would start (its line end included). Fields: where each record starts,
  // and its length.
  OffsetTable starts_;
  OffsetTable lengths_;
  std::int32_t count_ = 0;
  std::size_t longest_ = 0;
};

}  // namespace recorder
