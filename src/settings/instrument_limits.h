#pragma once
// The instrument limits screen's procedures: its tabs, which re-apply the
// limits to every instrument screen, the engine rows that follow the engine
// monitor type, and its APPLY, CANCEL, COMM  RECORDER and RETURN buttons.

class App;

namespace settings {

class InstrumentLimits {
 public:
  explicit InstrumentLimits(App& app);
  // Attaches the handlers to the screen just created.
  void wire();

  // Shows the selected tab's frame, then sets every instrument screen up
  // again from the limits.
  void TabStrip1_Click();
  // Shows the engine rows that the chosen engine monitor type has.
  void Update_form13_data();
  // "APPLY": the limits reach the screens, then the file.
  void ApplyConfigButton_Click();
  // "CANCEL": both settings screens are read back from the file.
  void CancelButton_Click();
  // "COMM  RECORDER" and "RETURN": back to the settings screen.
  void COMMSettingButton_Click();
  void ReturnButton_Click();

 private:
  App& app_;
};

}  // namespace settings
