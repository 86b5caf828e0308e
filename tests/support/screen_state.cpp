#include "support/screen_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/controls.h"
#include "platform/gauges.h"
#include "platform/numbers.h"
#include "support/test_platform.h"

namespace testsupport {

namespace {

using platform::ControlKind;

// A single widened to double (a decoded value) reads as the single it is:
// 3280.8, not 3280.80004882812.
std::string num(double v) {
  if (std::isfinite(v) && !platform::beyondSingle(v) && static_cast<double>(static_cast<float>(v)) == v)
    return platform::numberText(static_cast<float>(v));
  return platform::numberText(v);
}

std::string colour(platform::OleColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&H%X", static_cast<unsigned>(c));
  return buf;
}

std::string quoted(const std::string& s) {
  return "\"" + s + "\"";
}

void scaled(ControlState& out, const platform::ScaledGauge& g) {
  out["position"] = num(g.position());
  out["min"] = num(g.positionMin());
  out["max"] = num(g.positionMax());
  std::string colours, ends;
  for (int i = 1; i <= g.sectionCount(); ++i) colours += (i > 1 ? "," : "") + colour(g.sectionColor(i));
  for (int i = 1; i <= 4; ++i) ends += (i > 1 ? "," : "") + num(g.sectionEnd(i));
  out["bands"] = colours.empty() ? "none" : colours;
  out["ends"] = ends;
  out["pointer"] = colour(g.pointerColor());
  if (g.reverseScale()) out["reversed"] = "1";
}

void linear(ControlState& out, const platform::LinearGauge& g) {
  scaled(out, g);
  for (int n = 1; n <= 2; ++n)
    if (g.additionalPointerVisible(n))
      out["pointer" + std::to_string(n)] =
          num(g.additionalPointerPosition(n)) + " " + colour(g.additionalPointerColor(n));
}

void dial(ControlState& out, const platform::AviationDial& d) {
  using platform::DialMode;
  switch (d.mode()) {
    case DialMode::Attitude:
      out["pitch"] = num(d.pitch());
      out["roll"] = num(d.roll());
      break;
    case DialMode::Airspeed:
      out["shown"] = num(d.shownValue());
      out["indicatorMax"] = num(d.indicatorMax());
      out["vne"] = num(d.vne());
      out["vno"] = num(d.vno());
      out["vfe"] = num(d.vfe());
      out["vs1"] = num(d.vs1());
      break;
    case DialMode::Altimeter:
      out["shown"] = num(d.shownValue());
      out["baro"] = num(d.baroSetting());
      out["further"] = num(d.further());
      break;
    case DialMode::Heading:
    case DialMode::Climb:
      out["value"] = num(d.value());
      break;
  }
  if (!d.title().empty()) out["title"] = quoted(d.title());
  if (!d.subtitle().empty()) out["subtitle"] = quoted(d.subtitle());
  out["display"] = colour(d.displayColor());
}

enum class Placed { No, Left, LeftAndTop };

ControlState stateOf(const platform::Control& c, Placed placed) {
  ControlState out;
  out["visible"] = c.visible() ? "1" : "0";
  if (!c.enabled()) out["enabled"] = "0";
  if (!c.caption().empty()) out["caption"] = quoted(c.caption());
  if (!c.toolTip().empty()) out["tip"] = quoted(c.toolTip());
  switch (c.kind()) {
    case ControlKind::Label:
      out["fore"] = colour(c.foreColor());
      break;
    case ControlKind::CommandButton:
      out["back"] = colour(c.backColor());
      break;
    case ControlKind::OptionButton:
      out["value"] = static_cast<const platform::OptionButton&>(c).value() ? "1" : "0";
      break;
    case ControlKind::CheckBox:
      out["value"] = std::to_string(static_cast<const platform::CheckBox&>(c).value());
      break;
    case ControlKind::Shape: {
      const auto& s = static_cast<const platform::Shape&>(c);
      out["fill"] = colour(s.fillColor());
      out["back"] = colour(s.backColor());
      break;
    }
    case ControlKind::Image:
      out["picture"] = quoted(static_cast<const platform::Image&>(c).picture());
      break;
    case ControlKind::LinearGauge:
      linear(out, static_cast<const platform::LinearGauge&>(c));
      break;
    case ControlKind::AngularGauge:
      scaled(out, static_cast<const platform::AngularGauge&>(c));
      break;
    case ControlKind::AnalogDisplay: {
      const auto& d = static_cast<const platform::AnalogDisplay&>(c);
      out["value"] = num(d.value());
      out["precision"] = std::to_string(d.precision());
      if (!d.unitsText().empty()) out["units"] = quoted(d.unitsText());
      out["display"] = colour(d.displayColor());
      break;
    }
    case ControlKind::GaugeLabel:
      out["display"] = colour(static_cast<const platform::GaugeLabel&>(c).displayColor());
      break;
    case ControlKind::SlidingCompass:
      out["heading"] = num(static_cast<const platform::SlidingCompass&>(c).heading());
      break;
    case ControlKind::AviationDial:
      dial(out, static_cast<const platform::AviationDial&>(c));
      break;
    default:
      break;
  }
  if (placed != Placed::No && c.visible()) {
    out["left"] = std::to_string(c.left());
    if (placed == Placed::LeftAndTop) out["top"] = std::to_string(c.top());
  }
  return out;
}

}  // namespace

std::string& ControlState::operator[](const std::string& key) {
  for (auto& [k, v] : properties_)
    if (k == key) return v;
  properties_.emplace_back(key, "");
  return properties_.back().second;
}

std::string ControlState::get(const std::string& key) const {
  for (const auto& [k, v] : properties_)
    if (k == key) return v;
  return "";
}

void ControlState::erase(const std::string& key) {
  for (auto it = properties_.begin(); it != properties_.end(); ++it)
    if (it->first == key) {
      properties_.erase(it);
      return;
    }
}

// The same properties with the same values, whatever their order.
bool operator==(const ControlState& a, const ControlState& b) {
  if (a.properties_.size() != b.properties_.size()) return false;
  for (const auto& [k, v] : a.properties_) {
    bool found = false;
    for (const auto& [k2, v2] : b.properties_) found = found || (k == k2 && v == v2);
    if (!found) return false;
  }
  return true;
}

ControlState& ScreenState::operator[](const std::string& objectName) {
  for (auto& [name, state] : controls_)
    if (name == objectName) return state;
  controls_.emplace_back(objectName, ControlState{});
  return controls_.back().second;
}

const ControlState& ScreenState::at(const std::string& objectName) const {
  for (const auto& [name, state] : controls_)
    if (name == objectName) return state;
  static const ControlState kNone;
  ADD_FAILURE() << "no control " << objectName;
  return kNone;
}

std::string ScreenState::text() const {
  std::ostringstream out;
  for (const auto& [name, state] : controls_) {
    out << name << ":";
    for (const auto& [k, v] : state.properties()) out << " " << k << "=" << v;
    out << "\n";
  }
  return out.str();
}

ScreenState screenState(const platform::Screen& screen, const std::set<std::string>& placed) {
  ScreenState out;
  for (const platform::Control* c : screen.controls()) {
    Placed p = Placed::No;
    if (placed.count(c->objectName() + ".left") || placed.count(c->name() + ".left")) p = Placed::Left;
    if (placed.count(c->objectName()) || placed.count(c->name())) p = Placed::LeftAndTop;
    out[c->objectName()] = stateOf(*c, p);
  }
  return out;
}

std::string differences(const ScreenState& expected, const ScreenState& actual) {
  std::ostringstream out;
  const auto line = [](const std::string& name, const ControlState& s) {
    ScreenState one;
    one[name] = s;
    return one.text();
  };
  for (const auto& [name, want] : expected.controls()) {
    bool found = false;
    for (const auto& [other, got] : actual.controls()) {
      if (other != name) continue;
      found = true;
      if (!(want == got)) out << "expected " << line(name, want) << "  actual " << line(name, got);
    }
    if (!found) out << "missing " << line(name, want);
  }
  for (const auto& [name, got] : actual.controls()) {
    bool found = false;
    for (const auto& [other, want] : expected.controls()) found = found || other == name;
    if (!found) out << "unexpected " << line(name, got);
  }
  return out.str();
}

void expectGolden(const std::string& name, const std::string& text) {
  const std::string path = std::string(TALBREN_TEST_DATA_DIR) + "/" + name;
  const char* write = std::getenv("TALBREN_WRITE_GOLDEN");
  if (write && std::string(write) == "1") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeFile(path, text);
    ADD_FAILURE() << "wrote " << path << ": review it, then run again without TALBREN_WRITE_GOLDEN";
    return;
  }
  const std::string golden = readFile(path);
  if (golden.empty()) {
    ADD_FAILURE() << "the golden file " << path
                  << " is missing (TALBREN_WRITE_GOLDEN=1 writes it for review)";
    return;
  }
  if (golden == text) return;
  // The first differing line says more than two whole screens.
  std::istringstream a(golden), b(text);
  std::string la, lb;
  int n = 0;
  while (true) {
    ++n;
    const bool moreA = static_cast<bool>(std::getline(a, la));
    const bool moreB = static_cast<bool>(std::getline(b, lb));
    if (!moreA && !moreB) break;
    if (!moreA) la = "<end>";
    if (!moreB) lb = "<end>";
    if (la != lb) {
      ADD_FAILURE() << path << " differs at line " << n << "\n  golden: " << la << "\n  actual: " << lb;
      return;
    }
  }
  // Every line alike: the texts differ in their last line end.
  ADD_FAILURE() << path << " differs at its end: " << golden.size() << " bytes golden, " << text.size()
                << " bytes actual";
}

}  // namespace testsupport
