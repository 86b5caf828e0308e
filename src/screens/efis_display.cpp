#include "screens/efis_display.h"

#include <cmath>
#include <exception>
#include <numbers>

#include "app/app.h"
#include "platform/numbers.h"
#include "screens/form8.h"
#include "settings/form13.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace screens {

namespace {

// A refresh never stops half-way: a write that fails is skipped and the
// others still run.
template <class Write>
void guarded(Write&& write) {
  try {
    write();
  } catch (const std::exception&) {
  }
}

}  // namespace

void EfisDisplay::Window::add(float v) {
  samples[next] = v;
  next = (next + 1) % samples.size();
}

float EfisDisplay::Window::mean() const {
  float sum = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) sum += samples[(next + i) % samples.size()];
  return sum / 10.0F;
}

float EfisDisplay::Window::circularMean(float newest) const {
  constexpr double kRadPerDeg = std::numbers::pi / 180.0;
  double x = 0;
  double y = 0;
  for (float s : samples) {
    x += std::cos(static_cast<double>(s) * kRadPerDeg);
    y += std::sin(static_cast<double>(s) * kRadPerDeg);
  }
  // Headings that cancel out (as many north as south) have no mean direction.
  if (std::hypot(x, y) < 1e-9) return newest;
  double deg = std::atan2(y, x) / kRadPerDeg;
  if (deg < 0) deg += 360.0;
  const float heading = static_cast<float>(deg);
  return heading >= 360.0F ? 0.0F : heading;
}

EfisDisplay::EfisDisplay(App& app) : app_(app) {}

void EfisDisplay::wire(ScreenId id) {
  if (id != ScreenId::Form1) return;
  shell::Form1& main = app_.form1();
  main.EFIS_DataDisplayTimer.onTick = [this] { ShowEFISData(); };
  main.EFIS_DisplayTimer.onTick = [this] { UpdateEFISScreen(); };
}

// The readouts show the values as decoded, never smoothed, whatever the
// source; stale values stay on show.
void EfisDisplay::ShowEFISData() {
  using platform::formatNumber;
  using platform::numberText;
  const App& a = app_;
  shell::Form1& f = app_.form1();
  guarded([&] { f.DataPitch.setCaption(numberText(a.EFISPitch)); });
  guarded([&] { f.DataRoll.setCaption(numberText(a.EFISRoll)); });
  guarded([&] { f.DataYaw.setCaption(numberText(a.EFISHeading)); });
  guarded([&] { f.DataVerticalSpeed.setCaption(numberText(a.EFISVerticalSpeed)); });
  guarded([&] { f.DataTurnRate.setCaption(numberText(a.EFISTurnRate)); });
  guarded([&] { f.DataLateralG.setCaption(numberText(a.EFISLateralG)); });
  guarded([&] { f.DataVerticalG.setCaption(numberText(a.EFISVerticalG)); });
  guarded([&] { f.DataAOA.setCaption(numberText(a.EFISAOA)); });
  // hhmm:ss.nn, nn the number of the record within its second.
  guarded([&] {
    f.EFISHHMMSS.setCaption(formatNumber(a.EFISHour, "00") + formatNumber(a.EFISMinute, "00") + ":" +
                            formatNumber(a.EFISSecond, "00") + "." + formatNumber(a.EFISSecondCount, "00"));
  });
  guarded([&] { f.DataAirspeed.setCaption(formatNumber(a.EFISAirspeed, "#0.0")); });
  guarded([&] { f.DataAltitude.setCaption(formatNumber(a.EFISAltitude, "#0.0")); });
  guarded([&] { f.DataPressureAltitude.setCaption(formatNumber(a.EFISPressureAltitude, "#0.0")); });
}

void EfisDisplay::UpdateEFISScreen() {
  using platform::formatNumber;
  const App& a = app_;
  std::array<float, kSmoothed> v{};
  v[kPitch] = a.EFISPitch;
  v[kRoll] = a.EFISRoll;
  v[kHeading] = static_cast<float>(a.EFISHeading);
  v[kVerticalG] = a.EFISVerticalG;
  v[kAirspeed] = a.EFISAirspeed;
  v[kAltitude] = a.EFISAltitude;
  v[kVerticalSpeed] = a.EFISVerticalSpeed;
  v[kAOA] = static_cast<float>(a.EFISAOA);

  // Played-back data are shown as recorded, never smoothed.
  const settings::form13& limits = app_.form13();
  if (limits.EFIS_FilterDisplay.value() == 1 && !app_.form2().EFIS_FILE.value()) {
    for (std::size_t i = 0; i < kSmoothed; ++i) {
      history_[i].add(v[i]);
      v[i] = i == kHeading ? history_[i].circularMean(v[i]) : history_[i].mean();
    }
  }

  // Written whether the screen is shown or not, so it is current when shown.
  Form8& f = app_.form8();
  const float pitch = v[kPitch], roll = v[kRoll], heading = v[kHeading], verticalG = v[kVerticalG];
  const float airspeed = v[kAirspeed], altitude = v[kAltitude], climb = v[kVerticalSpeed], aoa = v[kAOA];
  guarded([&] { f.Air1.setPitch(pitch); });
  guarded([&] { f.Air1.setRoll(roll); });
  guarded([&] { f.iSlidingCompassX1.setHeading(heading); });
  guarded([&] { f.HeadingLabel.setCaption(formatNumber(heading, "000")); });
  guarded([&] { f.VerticalGs.setPosition(verticalG); });
  guarded([&] { f.VerticalGs_Label.setValue(verticalG); });
  // The airspeed and altitude tapes are moving scales centred on the value.
  guarded([&] { f.AirspeedGuage.setPosition(airspeed); });
  guarded([&] { f.AirspeedGuage.setPositionMax(airspeed + 15.0F); });
  guarded([&] { f.AirspeedGuage.setPositionMin(airspeed - 15.0F); });
  guarded([&] { f.AirspeedLabel.setCaption(formatNumber(airspeed, "##0")); });
  guarded([&] { f.AltitudeGuage.setPosition(altitude); });
  guarded([&] { f.AltitudeGuage.setPositionMax(altitude + 1000.0F); });
  guarded([&] { f.AltitudeGuage.setPositionMin(altitude - 1000.0F); });
  guarded([&] { f.AltitudeLabel.setCaption(formatNumber(altitude, "##,##0")); });
  guarded([&] { f.VerticalSpeedGuage.setPosition(climb); });
  guarded([&] { f.VerticalSpeedGuage_Label.setValue(climb); });
  guarded([&] { f.AOAGuage.setPosition(aoa); });
  guarded([&] { f.AOAGuage_Label.setValue(aoa); });

  // Angle-of-attack warning: a value equal to a limit takes the lower colour.
  guarded([&] {
    const auto red = static_cast<float>(platform::readNumber(limits.AOAHighRed.text()));
    const auto yellow = static_cast<float>(platform::readNumber(limits.AOAHighYellow.text()));
    platform::OleColor colour = platform::color::Green;
    if (aoa > red)
      colour = platform::color::Red;
    else if (aoa > yellow)
      colour = platform::color::Yellow;
    f.AOAGuage.setPointerColor(colour);
  });
}

}  // namespace screens
