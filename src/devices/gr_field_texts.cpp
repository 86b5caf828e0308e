#include "devices/gr_field_texts.h"

#include <cstring>

#include "platform/numbers.h"

namespace devices {

GrFieldTexts::GrFieldTexts(std::string_view pattern, double scale, std::int32_t lowest, std::int32_t count)
    : pattern_(pattern), scale_(scale), lowest_(lowest), count_(count) {}

std::string_view GrFieldTexts::text(std::int32_t raw) {
  const std::int32_t at = raw - lowest_;
  if (at < 0 || at >= count_) return format(raw, nullptr);
  if (entries_.empty()) entries_.resize(static_cast<std::size_t>(count_));
  Entry& e = entries_[static_cast<std::size_t>(at)];
  if (e[kCount] == 0) return format(raw, &e);
  return std::string_view(e.data(), static_cast<std::size_t>(e[kCount]));
}

std::string_view GrFieldTexts::format(std::int32_t raw, Entry* entry) {
  // In double precision: exact for the whole scales (10, 100), and for 0.1
  // and 0.01 the same product the gauges are given.
  const double value = static_cast<double>(raw) * scale_;
  spill_ = platform::formatNumber(value, pattern_);
  if (entry && !spill_.empty() && spill_.size() <= kCount) {
    std::memcpy(entry->data(), spill_.data(), spill_.size());
    (*entry)[kCount] = static_cast<char>(spill_.size());
    return std::string_view(entry->data(), spill_.size());
  }
  return spill_;
}

}  // namespace devices
