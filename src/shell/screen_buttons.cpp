// The rows of buttons on the instrument, engine data and GPS sentence screens
// that move the user between screens. They keep no state of their own: they
// show and hide screens, set a screen up before it shows, and follow the
// navigation memories.

#include "shell/screen_buttons.h"

#include "app/app.h"
#include "screens/dynon_gauges.h"
#include "screens/form10.h"
#include "screens/form11.h"
#include "screens/form12.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form8.h"
#include "screens/form9.h"
#include "screens/gr_gauges.h"
#include "screens/screen_setups.h"
#include "screens/screens.h"
#include "settings/form2.h"
#include "shell/form1.h"
#include "shell/navigation.h"
#include "shell/shell.h"

namespace shell {

// The main window together with every screen the last hide put away.
void ScreenButtons::MainRestore() {
  app_.FormWasVisible[idx(ScreenId::Form1)] = true;
  app_.shell().navigation().GetShowForms();
}

void ScreenButtons::MainHide(ScreenId self) {
  app_.screen(self).hide();
  app_.form1().show();
}

// EFIS, GPS, Engine and ADC open over the current screen, which stays on
// view; a target that is the current screen is set up again in place.
void ScreenButtons::ShowEFISInstruments() {
  app_.instruments().setups().Update_Form8_data();
  app_.form8().show();
}

void ScreenButtons::ShowGPSInstruments() {
  app_.instruments().setups().Update_Form9_data();
  app_.form9().show();
}

// The gauge screen of the engine monitor type; the two tests are separate.
void ScreenButtons::ShowEngineInstruments() {
  const settings::Form2& s = app_.form2();
  if (s.EMSDYNON.value()) {
    app_.instruments().dynon().Update_Form10_data();
    app_.form10().show();
  }
  if (s.EMSGRANDRAPIDS.value() || s.EMSGR2000.value()) {
    app_.instruments().grandRapids().Update_Form11_data();
    app_.form11().show();
  }
}

void ScreenButtons::ShowADCScreen() {
  app_.form12().show();
}

void ScreenButtons::wire(ScreenId id) {
  switch (id) {
    case ScreenId::Form8: {
      screens::Form8& f = app_.form8();
      f.Command1.onClick = [this] { MainRestore(); };
      f.Command2.onClick = [this] { ShowGPSInstruments(); };
      f.Command3.onClick = [this] { ShowEngineInstruments(); };
      // Command4 ("EFIS") is this screen: it has no action.
      f.Command5.onClick = [this] { ShowADCScreen(); };
      // HIDE records the main window as on view, so a later MAIN or "Show"
      // brings it back.
      f.Command6.onClick = [this] {
        app_.form8().hide();
        app_.FormWasVisible[idx(ScreenId::Form1)] = true;
        app_.form1().show();
      };
      f.FilePlaybackMode.onClick = [this] { MainHide(ScreenId::Form8); };
      break;
    }
    case ScreenId::Form9: {
      screens::Form9& f = app_.form9();
      f.Command1.onClick = [this] { MainRestore(); };
      f.Command2.onClick = [this] { ShowEFISInstruments(); };
      f.Command3.onClick = [this] { ShowGPSInstruments(); };
      f.Command4.onClick = [this] { ShowEngineInstruments(); };
      f.Command5.onClick = [this] { ShowADCScreen(); };
      f.Command6.onClick = [this] { MainHide(ScreenId::Form9); };
      break;
    }
    case ScreenId::Form10: {
      screens::Form10& f = app_.form10();
      f.Command1.onClick = [this] { MainRestore(); };
      f.Command2.onClick = [this] { ShowEFISInstruments(); };
      f.Command3.onClick = [this] { ShowGPSInstruments(); };
      f.Command4.onClick = [this] { ShowEngineInstruments(); };
      f.Command5.onClick = [this] { ShowADCScreen(); };
      f.Command6.onClick = [this] { MainHide(ScreenId::Form10); };
      f.FilePlaybackMode.onClick = [this] { MainHide(ScreenId::Form10); };
      break;
    }
    case ScreenId::Form11: {
      screens::Form11& f = app_.form11();
      f.Command1.onClick = [this] { MainHide(ScreenId::Form11); };
      f.Command2.onClick = [this] { ShowEFISInstruments(); };
      f.Command3.onClick = [this] { ShowGPSInstruments(); };
      f.Command4.onClick = [this] { ShowEngineInstruments(); };
      f.Command5.onClick = [this] { MainRestore(); };
      f.Command6.onClick = [this] { MainHide(ScreenId::Form11); };
      f.Command7.onClick = [this] { ShowADCScreen(); };
      break;
    }
    case ScreenId::form12: {
      screens::form12& f = app_.form12();
      f.Command1.onClick = [this] { MainHide(ScreenId::form12); };
      f.Command2.onClick = [this] { ShowEFISInstruments(); };
      f.Command3.onClick = [this] { ShowGPSInstruments(); };
      // ENGINE: the Dynon gauge screen, or for a Grand Rapids monitor this
      // combined screen set up again.
      f.Command4.onClick = [this] {
        if (app_.form2().EMSDYNON.value()) {
          app_.instruments().dynon().Update_Form10_data();
          app_.form10().show();
        } else {
          app_.instruments().setups().Update_form12_data();
          app_.form12().show();
        }
      };
      f.Command5.onClick = [this] { MainRestore(); };
      f.Command6.onClick = [this] { MainHide(ScreenId::form12); };
      // Command7 ("ADC") is this screen: it has no action.
      break;
    }
    case ScreenId::Form4: {
      screens::Form4& f = app_.form4();
      f.Command1.onClick = [this] { app_.shell().navigation().ReturnFromScreen(ScreenId::Form4); };
      f.Command4.onClick = [this] {
        app_.shell().navigation().ClearCameFrom();
        app_.CameFromForm[idx(ScreenId::Form4)] = true;
        ShowEngineInstruments();
      };
      break;
    }
    case ScreenId::Form5: {
      screens::Form5& f = app_.form5();
      f.Command1.onClick = [this] { app_.shell().navigation().ReturnFromScreen(ScreenId::Form5); };
      f.Command4.onClick = [this] {
        app_.shell().navigation().ClearCameFrom();
        app_.CameFromForm[idx(ScreenId::Form5)] = true;
        ShowEngineInstruments();
      };
      break;
    }
    case ScreenId::form20: {
      screens::form20& f = app_.form20();
      f.Command1.onClick = [this] {
        app_.form21().show();
        app_.form20().hide();
      };
      f.ShowGPSInstrumentsScreen.onClick = [this] { app_.form9().show(); };
      f.ReturnButton.onClick = [this] { app_.shell().navigation().ReturnFromScreen(ScreenId::form20); };
      break;
    }
    case ScreenId::form21: {
      screens::form21& f = app_.form21();
      f.Command1.onClick = [this] {
        app_.form20().show();
        app_.form21().hide();
      };
      f.ShowGPSInstrumentsScreen.onClick = [this] { app_.form9().show(); };
      f.ReturnButton.onClick = [this] { app_.shell().navigation().ReturnFromScreen(ScreenId::form21); };
      break;
    }
    default:
      break;
  }
}

}  // namespace shell
