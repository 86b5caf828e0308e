#pragma once
// The configuration file "TalbrenRuvoveZaviZaredido.XML": one table of
// elements, in file order, that both the writer and the loader walk, so the
// two cannot drift apart.
//
// The file looks like XML but is plain lines of text: every line ends CR LF,
// one element per line, values written exactly as the controls hold them
// (nothing escaped, trimmed or quoted).

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class App;

namespace config {

inline constexpr std::string_view kConfigurationFileName = "TalbrenRuvoveZaviZaredido.XML";

// The refresh-rate captions that the settings apply puts on the main window
// (index 0 to 4 of both rate option arrays), the timer interval of each, and
// the texts that the file stores and the loader maps back to an index.
inline constexpr std::array<std::string_view, 5> kRateCaptions{"REAL TIME", "75 ms", "250 ms", "500 ms",
                                                               "1 Sec"};
inline constexpr std::array<int, 5> kRateIntervals{75, 75, 250, 500, 1000};

struct Element {
  std::string_view name;
  // The value as the file holds it, read from its control at this moment.
  std::function<std::string(App&)> value;
  // Puts a value read from the file back into its control; empty for an
  // element that is written but never read back. Throws when the value
  // cannot be converted or the control refuses it (the control is then
  // left as it was).
  std::function<void(App&, std::string_view)> restore;
};

struct Section {
  std::string_view name;
  std::vector<Element> elements;
};

// The six sections in file order, each with its elements in file order.
const std::vector<Section>& configurationSections();
// The clock line outside the sections; the loader never reads it back.
const Element& localTimeElement();

// The whole file, 172 lines, from the current state of the controls.
std::string configurationText(App& app);

// The message of a failed save: the text of the file error, or "Error Number
// at Load/Save Files" and the number for one outside the table; then the
// full path of the file, each followed by CR LF.
std::string saveErrorMessage(int errorNumber, std::string_view path);

// Value conversions of the loader: an option value is a Boolean word ("True",
// "False", any letter case) or a number (0 false, anything else true); a
// check box value is a number rounded to a 16-bit integer. Both throw a
// RunError when the text is neither.
bool optionValue(std::string_view text);
int checkValue(std::string_view text);

}  // namespace config
