#pragma once
// Basic value types shared by every subsystem: the 16-bit Boolean, OLE colours
// and the run-time error that a failing step raises.

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>

namespace platform {

// A Boolean shared between procedures is a 16-bit integer holding 0 (false) or
// -1 (true); any non-zero value tests as true.
class VbBool {
 public:
  constexpr VbBool() = default;
  constexpr VbBool(bool b) : v_(b ? -1 : 0) {}  // NOLINT(google-explicit-constructor)
  static constexpr VbBool fromRaw(std::int16_t raw) {
    VbBool b;
    b.v_ = raw;
    return b;
  }
  constexpr explicit operator bool() const { return v_ != 0; }
  constexpr bool isTrue() const { return v_ != 0; }
  constexpr std::int16_t raw() const { return v_; }
  constexpr bool operator!() const { return v_ == 0; }
  friend constexpr bool operator==(VbBool a, VbBool b) { return (a.v_ != 0) == (b.v_ != 0); }
  friend constexpr bool operator==(VbBool a, bool b) { return (a.v_ != 0) == b; }

 private:
  std::int16_t v_ = 0;
};

// Colours are OLE colour integers &HBBGGRR; system colours have the top bit set
// (&H8000000F is the button face). Only the views convert them.
using OleColor = std::uint32_t;

namespace color {
inline constexpr OleColor Black = 0x000000;
inline constexpr OleColor Blue = 0xFF0000;
inline constexpr OleColor Red = 0x0000FF;          // 255
inline constexpr OleColor Green = 0x008000;        // 32768, dark green
inline constexpr OleColor MidGreen = 0x00C000;     // 49152
inline constexpr OleColor BrightGreen = 0x00FF00;  // 65280
inline constexpr OleColor Yellow = 0x00FFFF;
inline constexpr OleColor White = 0xFFFFFF;
inline constexpr OleColor Orange = 0x0080FF;  // 33023
inline constexpr OleColor Aqua = 0xFFFF00;
inline constexpr OleColor LightAqua = 0xFFFF80;
inline constexpr OleColor Pink = 0xC0C0FF;            // pending change, active freeze
inline constexpr OleColor ButtonFace = 0x8000000F;    // system colour 15
inline constexpr OleColor ActiveBorder = 0x8000000A;  // system colour 10
inline constexpr OleColor WindowText = 0x80000012;    // system colour 18 (button text)
inline constexpr OleColor WindowBackground = 0x80000005;
inline constexpr OleColor ControlText = 0x80000008;

constexpr bool isSystemColor(OleColor c) {
  return (c & 0x80000000u) != 0;
}
}  // namespace color

// A run-time failure of one step, carrying the error number and description a
// procedure's own error rule looks at (6 overflow, 9 subscript, 52-76 files).
class RunError : public std::runtime_error {
 public:
  RunError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
  int number() const { return number_; }
  std::string description() const { return what(); }

 private:
  int number_;
};

namespace err {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int Subscript = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int Internal = 51;
}  // namespace err

// The error number of the failure being handled, called inside a catch: a
// run-time error's own, 7 when memory ran out, 51 for anything else.
inline int failureNumber() {
  try {
    throw;
  } catch (const RunError& e) {
    return e.number();
  } catch (const std::bad_alloc&) {
    return err::OutOfMemory;
  } catch (...) {
    return err::Internal;
  }
}

}  // namespace platform
