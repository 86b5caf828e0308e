#include "devices/mode_c.h"

#include <algorithm>
#include <cmath>

#include "app/app.h"
#include "platform/numbers.h"
#include "settings/form13.h"
#include "shell/form1.h"

namespace devices {

namespace {

// Table index 0 is -1,200 ft; index 12 is 0 ft.
constexpr int kIndexOfZeroFeet = 12;
// Indexes 0 to 1279 hold a code, 1280 to the end hold 0.
constexpr int kCodedIndexes = 1280;
constexpr int kLastIndex = 1300;

// Code bits: A1 A2 A4 B1 B2 B4 C1 C2 C4 D1 D2 D4 are bits 0 to 11.
constexpr int kBitC1 = 6;
constexpr int kBitD1 = 9;

// Correction rows: row k applies above -2,500 + 2,500 x k feet.
constexpr int kCorrectionRows = 18;

}  // namespace

ModeC::ModeC(App& app) : app_(app) {}

void ModeC::wire(ScreenId id) {
  if (id == ScreenId::Form1) app_.form1().ModeCGrayCode.onClick = [this] { ModeCGrayCode_Click(); };
}

// The 500-ft steps count in reflected binary (Gray) code over the nine bits
// D1 D2 D4 A1 A2 A4 B1 B2 B4, most significant first; the 100-ft step within
// each 500 ft runs C1 C2 C4 = 001, 011, 010, 110, 100, upwards in even 500-ft
// steps and downwards in odd ones, so neighbouring altitudes differ in one bit.
std::int16_t ModeC::gillhamCode(int n) {
  const int m = n / 5;
  const int r = n % 5;
  const int gray = m ^ (m >> 1);
  // Bit 8 of the Gray value is D1, then D2, D4, A1, A2, A4, B1, B2, B4 (bit 0).
  const int d = (gray >> 6) & 7;  // D1 D2 D4
  const int a = (gray >> 3) & 7;  // A1 A2 A4
  const int b = gray & 7;         // B1 B2 B4
  // Three bits X1 X2 X4 written most significant first are stored X1 in the
  // lowest bit: reverse them.
  auto reversed = [](int three) { return ((three & 4) >> 2) | (three & 2) | ((three & 1) << 2); };
  static constexpr int kC[5] = {0b001, 0b011, 0b010, 0b110, 0b100};  // C1 C2 C4
  const int c = kC[m % 2 == 0 ? r : 4 - r];
  const int code = reversed(a) | (reversed(b) << 3) | (reversed(c) << kBitC1) | (reversed(d) << kBitD1);
  return static_cast<std::int16_t>(code);
}

std::string ModeC::codeText(std::int16_t code) {
  std::string text;
  text.reserve(18);
  for (int bit = 0; bit < 12; ++bit) {
    if (bit > 0 && bit % 3 == 0) text += "  ";
    text.push_back(((code >> bit) & 1) != 0 ? '1' : '0');
  }
  return text;
}

void ModeC::LoadModeCTable() {
  auto& table = app_.ModeCTable;
  table.fill(0);
  for (int n = 0; n < kCodedIndexes; ++n) table[static_cast<std::size_t>(n)] = gillhamCode(n);
}

void ModeC::UpdateModeCGrayCode() {
  settings::form13& settings = app_.form13();
  shell::Form1& main = app_.form1();

  // Average over the last 20 ticks (five seconds), in hundreds of feet.
  std::rotate(history_.begin(), history_.begin() + 1, history_.end());
  history_.back() = app_.ModeCAltitude;
  int sum = 0;
  for (std::int16_t s : history_) sum += s;
  const float average = static_cast<float>(sum) / 20.0F;
  settings.DataPressureAltitude.setCaption(platform::formatNumber(average * 100.0F, "##,##0"));

  // Every row whose threshold the uncorrected average exceeds adds its feet,
  // so the corrections accumulate with altitude.
  float correction = 0;
  for (int k = 0; k < kCorrectionRows; ++k) {
    if (average > static_cast<float>(-25 + 25 * k))
      correction = static_cast<float>(static_cast<double>(correction) +
                                      platform::readNumber(settings.ModeCCorrection[k].text()));
  }
  const double corrected = static_cast<double>(average) + static_cast<double>(correction) / 100.0;
  settings.ModeCCorrectedAltitude.setCaption(platform::formatNumber(corrected * 100.0, "##,##0"));

  // The table holds every 100 ft from -1,200 ft; a corrected altitude outside
  // it shows the all-zero code and no lamp lights, not even the validity lamp.
  const double index = std::floor(corrected) + kIndexOfZeroFeet;
  const bool inTable = index >= 0 && index <= kLastIndex;
  const std::int16_t code = inTable ? app_.ModeCTable[static_cast<std::size_t>(index)] : std::int16_t{0};

  for (int bit = 11; bit >= 0; --bit)
    settings.ModeCGrayCode[bit].setFillColor(((code >> bit) & 1) != 0 ? platform::color::BrightGreen
                                                                      : platform::color::Green);
  main.ModeCGrayCode.setCaption(codeText(code));

  const platform::OleColor valid = inTable ? platform::color::BrightGreen : platform::color::Green;
  main.ModeCValid.setBackColor(valid);
  settings.ModeCValid.setBackColor(valid);
}

// Opens the instrument settings on the "MODE C" tab, which shows the code,
// the altitudes and the corrections.
void ModeC::ModeCGrayCode_Click() {
  settings::form13& settings = app_.form13();
  settings.TabStrip1.selectTab(4);
  settings.show();
  app_.form1().hide();
}

}  // namespace devices
