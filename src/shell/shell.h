#pragma once
// The application shell: start-up and shut-down, navigation among the screens,
// the supervisor, readout enabling, the raw port-data view, the main window's
// handlers, the tray icon and menus, and setting the PC clock.

#include <cstdint>
#include <string>

#include "platform/datetime.h"
#include "platform/vb.h"

#include "app/screen_id.h"
#include "shell/slider_follower.h"

class App;

namespace shell {

class Shell {
 public:
  explicit Shell(App& app);
  ~Shell();
  // Attaches this subsystem's handlers to a screen just created.
  void wire(ScreenId id);

  // Start-up and shut-down. The program's start enables the main window's
  // program-long timers, then runs the load sequence.
  void startTimers();
  void Form_Load();
  void StartupDelay_Timer();
  // The one shut-down sequence of the close box and both "Exit" entries; safe
  // to enter again while it runs.
  void Shutdown();
  bool shuttingDown() const { return shuttingDown_; }
  // Writes everything still buffered: records and capture batches. The
  // shut-down runs it; so does the program's last way out when it ends
  // without the shut-down (the display connection lost). Safe to run again.
  void closeFiles();
  // The three ways out: the main window's close request, the menu bar's
  // "Exit" and the tray pop-up's "Exit".
  void Form_QueryUnload();
  void MenuExit_Click();
  void mexit_Click();

  // Navigation memories.
  void ClearCameFrom();
  void ReturnToForm();
  void GetHideForms();
  void GetShowForms();

  // Readout enabling and engine screen clearing.
  void Enable_DisableButtons();
  void InitScreens();

  // The 250 ms supervisor.
  void Quartersecondtimer_Timer();
  // What the supervisor last showed of each player's record slider.
  SliderFollower& efisFollower() { return efisSlider_; }
  SliderFollower& engineFollower() { return emsSlider_; }
  // Its clock text: hour and minute without separator, a colon, the seconds.
  static constexpr const char* kClockPattern = "hhMm:Ss";
  // The tray icon's tool tip.
  static constexpr const char* kTrayTip = "Talbren Ruvove Zavi Zaredido";

  // Raw port-data view: adds the newest line of the device shown.
  void UpdateCommDataScreen();
  // Blanks the view's twenty lines; every opener of the view runs it.
  void ClearScreen();
  // The view's own buttons.
  void ClearButton_Click();
  void FreezeButton_Click();
  void ReturnButton_Click();
  // Opens the view on the engine port from a value label of the engine data
  // screen `clicked` (Form4 or Form5), or on the GPS port from a field of the
  // GPS sentence screen `clicked` (form20 or form21).
  void ShowEngineCommData(ScreenId clicked);
  void ShowGPSCommData(ScreenId clicked);

  // Main window handlers used by other screens.
  void ShowSettingsScreen();
  void EFISCommPort_Click();
  void EMSCommPort_Click();
  void GPSCommPort_Click();
  void SaveConfig_Click();
  // The main window's doors to the instrument and engine screens.
  void Command1_Click();  // GPS INSTRUMENTS
  void Command2_Click();  // EFIS INSTRUMENTS
  void Command3_Click();  // ENGINE DATA SCREEN
  void Command4_Click();  // ENGINE INSTRUMENTS
  // Opens the settings screen on the tab numbered from 1.
  void ShowSettingsTab(int tab);

  // Tray icon and the main window's menus.
  void TrayIcon1_MenuRequest();
  void menu2_Click();
  void mhide_Click();
  void menu_Minimize_All_Click();
  void menu_Minimize_All_Except_Click();

  // Screen buttons of the engine, instrument and GPS screens: each button runs
  // one of these actions.
  void MainRestore();
  void MainHide(ScreenId self);
  void ShowEFISInstruments();
  void ShowGPSInstruments();
  void ShowEngineInstruments();
  void ShowADCScreen();
  void ReturnFromScreen(ScreenId self);

  // Setting the PC clock from GPS time.
  void SetTime_Click();
  float GetTimeZoneOffset();

 private:
  // Handlers of each group, attached when their screen is created.
  void closeScreen(ScreenId id);
  void wireMainWindow();
  void wireRawView();
  void wireRawDataOpeners(ScreenId id);
  void wireTrayMenus();
  void wireScreenButtons(ScreenId id);
  // Hides every screen by the was-visible rule; where the desktop has no tray
  // the screens are minimised instead, so none is ever out of reach.
  void hideForms();
  // Whether GetShowForms would bring back any window.
  bool showWouldBringBackAny() const;

  // Shut-down: runs one step; a step that fails is skipped.
  void shutdownStep(void (Shell::*step)());
  void closePorts();
  void stopTimers();
  void unloadScreens();
  void removeTrayIcon();

  // Supervisor steps.
  void playbackFollowUp();
  void newSecond(const platform::DateTime& now, const std::string& clockText);
  // The record file's name of the day and, as its tool tip, its full path.
  void showRecordFileName(const platform::DateTime& now);
  // Start-up has put the configured recorder folder in place: writing may
  // begin.
  void recorderFolderApplied();
  void markingPass();
  void restoringPass();
  void trayCountdown();
  void sentenceActivity();
  void linkLights();
  void paintForm8(platform::OleColor labels, platform::OleColor horizon);
  void paintForm9(platform::OleColor labels, platform::OleColor dials);
  void paintEngineScreens(platform::OleColor labels, platform::OleColor dials);

  App& app_;
  bool shuttingDown_ = false;

  // Supervisor memory: the clock text of the last second processed, the
  // position each playback slider last showed, and which half of the
  // two-second flash cycle the next new second is (a restoring one first).
  std::string LastClockText;
  SliderFollower efisSlider_;
  SliderFollower emsSlider_;
  bool MarkPhase = false;
};

}  // namespace shell
