#pragma once
// Texts remembered by the number they were made from. An engine's values
// come back again and again (a temperature wanders over a few degrees), so a
// caption made from a value already met costs a look-up instead of a
// formatting. The text must depend on the number alone (a display pattern, a
// fixed unit conversion): then a remembered text is always the one that
// making it again would give.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/numbers.h"

namespace platform {

class TextMemo {
 public:
  // The text of key: remembered, or made by make(key) (anything that converts
  // to a string_view) and remembered in place of the older of the two its
  // hash may hold. The text stays valid until the next call.
  template <typename Make>
  std::string_view operator()(double key, Make&& make) {
    const auto bits = std::bit_cast<std::uint64_t>(key);
    Set& set = sets_[(bits * 0x9E3779B97F4A7C15ULL) >> (64 - kSetBits)];
    for (Slot& slot : set.slots)
      if (slot.size != kEmpty && slot.bits == bits) return {slot.text, slot.size};
    const auto made = make(key);
    const std::string_view text = made;
    Slot& slot = set.slots[set.older];
    if (text.size() > sizeof slot.text) {
      long_.assign(text);
      return long_;
    }
    set.older ^= 1;
    std::memcpy(slot.text, text.data(), text.size());
    slot.size = static_cast<std::uint8_t>(text.size());
    slot.bits = bits;
    return {slot.text, slot.size};
  }

 private:
  static constexpr int kSetBits = 4;
  static constexpr std::uint8_t kEmpty = 0xFF;
  struct Slot {
    std::uint64_t bits = 0;
    char text[23];
    std::uint8_t size = kEmpty;
  };
  struct Set {
    Slot slots[2];
    std::size_t older = 0;
  };
  Set sets_[std::size_t{1} << kSetBits];
  std::string long_;
};

// A display pattern that remembers the texts of the values it formatted most
// recently. T is the kind of value (float or double): the two take different
// numbers of significant digits, so one instance formats one kind.
// Without a pattern: the number text.
template <typename T>
class RememberedPattern {
 public:
  constexpr explicit RememberedPattern(std::string_view pattern = {}) : pattern_(pattern) {}
  std::string_view operator()(T v) {
    return memo_(static_cast<double>(v), [this, v](double) { return pattern_(v); });
  }

 private:
  DisplayPattern pattern_;
  TextMemo memo_;
};

}  // namespace platform
