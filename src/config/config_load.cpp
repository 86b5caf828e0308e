// Reading the configuration file back into the settings controls.

#include <string>
#include <string_view>

#include "app/app.h"
#include "config/config.h"
#include "config/config_file.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "settings/form2.h"
#include "shell/form1.h"

namespace config {

namespace {

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool validUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int more;
    unsigned min;
    unsigned cp;
    if ((c & 0xE0) == 0xC0) {
      more = 1, min = 0x80, cp = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
      more = 2, min = 0x800, cp = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
      more = 3, min = 0x10000, cp = c & 0x07u;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(more) >= s.size()) return false;
    for (int k = 1; k <= more; ++k) {
      const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(more) + 1;
  }
  return true;
}

// Each byte is one Latin-1 character, re-coded as UTF-8 as the controls hold
// text.
std::string latin1ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string lowerText(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The element of that exact name (letter case counts), in table order.
const Element* findElement(std::string_view tag) {
  for (const Section& section : configurationSections())
    for (const Element& e : section.elements)
      if (e.name == tag) return &e;
  return nullptr;
}

// Runs one step of the load: whatever fails in it is dropped, and the load
// goes on with the next step.
template <class F>
void step(F&& f) {
  try {
    f();
  } catch (const std::exception&) {
  }
}

}  // namespace

std::string settingsText(std::string_view speed, std::string_view parity, std::string_view dataBits,
                         std::string_view stopBits) {
  std::string text(speed);
  text += ',';
  text += platform::leftText(parity, 1);
  text += ',';
  text += dataBits;
  text += ',';
  text += stopBits;
  return lowerText(text);
}

void Config::loadLine(std::string_view line) {
  // <TAG>value</...> : the tag runs from the first "<" to the first ">"
  // after it, the value from there to the first "</" after that. Lines
  // without all three (declaration, comment, section and root lines) carry
  // no value. The closing tag's name plays no part.
  const std::size_t p1 = line.find('<');
  if (p1 == std::string_view::npos) return;
  const std::size_t p2 = line.find('>', p1 + 1);
  if (p2 == std::string_view::npos) return;
  const std::size_t p3 = line.find("</", p2 + 1);
  if (p3 == std::string_view::npos) return;
  const std::string_view tag = line.substr(p1 + 1, p2 - p1 - 1);
  const std::string_view value = line.substr(p2 + 1, p3 - p2 - 1);
  const Element* e = findElement(tag);
  if (e == nullptr || !e->restore) return;
  step([&] { e->restore(app_, value); });
}

void Config::loadConfiguration() {
  settings::Form2& f2 = app_.form2();
  shell::Form1& f1 = app_.form1();

  // The file can only choose the START-STOP method or clear it; the
  // continuous method has no element of its own.
  step([&] { f2.ShowStartStopButton.setValue(true); });
  step([&] { f2.RecordContinously.setValue(false); });

  // A file that cannot be read (none yet on a first start) changes no
  // setting.
  std::string text;
  try {
    text = platform::readBytes(configurationPath());
  } catch (const std::exception&) {
    text.clear();
  }
  if (!validUtf8(text)) text = latin1ToUtf8(text);

  // Lines end CR LF as written; a lone LF or CR also ends a line, so a file
  // edited by hand on any system reads the same.
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    loadLine(std::string_view(text).substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }

  // The main window's port captions follow the loaded port settings, and no
  // port change is left pending.
  step([&] { f1.EFISCommPort.setCaption(f2.EFIS_CommPort.text()); });
  step([&] {
    f1.EFISSettings.setCaption(settingsText(f2.EFIS_PortSpeed.text(), f2.EFIS_PortParity.text(),
                                            f2.EFIS_PortDataBits.text(), f2.EFIS_PortStopBits.text()));
  });
  step([&] { f2.EFIS_PortOK.setBackColor(platform::color::ButtonFace); });
  step([&] { f1.GPSCommPort.setCaption(f2.GPS_CommPort.text()); });
  step([&] {
    f1.GPSSettings.setCaption(settingsText(f2.GPS_PortSpeed.text(), f2.GPS_PortParity.text(),
                                           f2.GPS_PortDataBits.text(), f2.GPS_PortStopBits.text()));
  });
  step([&] { f2.GPS_PortOK.setBackColor(platform::color::ButtonFace); });
  step([&] { f1.EMSCommPort.setCaption(f2.EMS_CommPort.text()); });
  step([&] {
    f1.EMSSettings.setCaption(settingsText(f2.EMS_PortSpeed.text(), f2.EMS_PortParity.text(),
                                           f2.EMS_PortDataBits.text(), f2.EMS_PortStopBits.text()));
  });
  step([&] { f2.EMS_PortOK.setBackColor(platform::color::ButtonFace); });

  // Recording runs exactly when the START-STOP method is not chosen.
  app_.RecorderOn = !f2.ShowStartStopButton.value();
  app_.LoadConfigRequest = false;
  app_.yieldToEvents();
}

}  // namespace config
