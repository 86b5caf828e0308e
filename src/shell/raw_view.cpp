// The raw port-data view: the newest twenty lines of one device, scrolled up
// by one line per received line (a long engine line takes four), with freeze,
// clear and return; and the openers on the engine data and GPS sentence
// screens' value labels.

#include "shell/raw_view.h"

#include <initializer_list>

#include "app/app.h"
#include "platform/numbers.h"
#include "screens/form20.h"
#include "screens/form21.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "shell/form3.h"
#include "shell/navigation.h"
#include "shell/shell.h"

namespace shell {

namespace {

// A line longer than this is cut into 133-character pieces; the characters
// between the pieces are left out.
constexpr std::size_t kLongLine = 250;
constexpr std::int64_t kPiece = 133;
constexpr platform::OleColor kFrozenColor = 0xC0C0FF;  // light red

constexpr const char* kEFISCaption = "EFIS COMM PORT DATA";
constexpr const char* kEngineCaption = "ENGINE COMM PORT DATA";
constexpr const char* kGPSCaption = "GPS COMM PORT DATA";

constexpr int kNewest = 19;

// Every line takes the text of the line below it; the newest keeps its own
// until it is written.
void scroll(Form3& view) {
  for (int i = 0; i < kNewest; ++i) view.Label1[i].setCaption(view.Label1[i + 1].caption());
}

}  // namespace

// Called by the data events after each new line of the device on view. The
// view scrolls on every call; the flag set by the opener chooses the line.
void RawView::UpdateCommDataScreen() {
  Form3& view = app_.form3();
  platform::Label& newest = view.Label1[kNewest];
  scroll(view);
  if (app_.RawViewGPS) newest.setCaption(app_.GPSLine);
  if (app_.RawViewEMS) {
    const std::string& line = app_.EMSLine;
    if (line.size() <= kLongLine) {
      newest.setCaption(line);
    } else {
      // Characters 1-133, 140-272 and 278-410, then an empty line that
      // separates this record from the next.
      newest.setCaption(platform::midText(line, 1, kPiece));
      scroll(view);
      newest.setCaption(platform::midText(line, 140, kPiece) + "   ");
      scroll(view);
      newest.setCaption(platform::midText(line, 278, kPiece) + "    ");
      scroll(view);
      newest.setCaption("");
    }
  }
  if (app_.RawViewEFIS) newest.setCaption(app_.EFISLine);
}

void RawView::ClearScreen() {
  for (platform::Label& line : app_.form3().Label1) line.setCaption("");
}

void RawView::ClearButton_Click() {
  ClearScreen();
  app_.RawViewFrozen = false;
  app_.form3().FreezeButton.setBackColor(platform::color::ButtonFace);
}

void RawView::FreezeButton_Click() {
  Form3& view = app_.form3();
  if (app_.RawViewFrozen) {
    app_.RawViewFrozen = false;
    view.FreezeButton.setBackColor(platform::color::ButtonFace);
  } else {
    app_.RawViewFrozen = true;
    view.FreezeButton.setBackColor(kFrozenColor);
  }
}

// Back to the screen that opened the view. A freeze stays until the next
// opener clears it.
void RawView::ReturnButton_Click() {
  app_.form3().hide();
  app_.shell().navigation().ReturnToForm();
  app_.RawViewEMS = false;
  app_.RawViewEFIS = false;
  app_.RawViewGPS = false;
}

// The engine data screens leave the came-from flags of the screens they do
// not name as they are, so a RETURN from the engine data screen still leads
// where it led before the raw view was opened.
void RawView::ShowEngineCommData(ScreenId clicked) {
  watch(kEMS);
  const ScreenId other = clicked == ScreenId::Form4 ? ScreenId::Form5 : ScreenId::Form4;
  for (ScreenId id : {ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, other, ScreenId::form7})
    app_.CameFromForm[idx(id)] = false;
  app_.CameFromForm[idx(clicked)] = true;

  app_.form3().show();
  app_.screen(clicked).hide();
}

void RawView::ShowGPSCommData(ScreenId clicked) {
  watch(kGPS);
  app_.shell().navigation().ClearCameFrom();
  app_.CameFromForm[idx(clicked)] = true;

  app_.form3().show();
  app_.screen(clicked).hide();
}

// Every opener empties the view, names the device in its frame and sets it
// to take that device's lines, unfrozen; the opener then shows it.
void RawView::watch(LinkIndex link) {
  Form3& view = app_.form3();
  ClearScreen();
  view.Frame1.setCaption(link == kEFIS ? kEFISCaption : link == kEMS ? kEngineCaption : kGPSCaption);
  view.FreezeButton.setBackColor(platform::color::ButtonFace);
  app_.RawViewFrozen = false;
  app_.RawViewEFIS = link == kEFIS;
  app_.RawViewGPS = link == kGPS;
  app_.RawViewEMS = link == kEMS;
}

void RawView::endWatch() {
  app_.form3().FreezeButton.setBackColor(platform::color::ButtonFace);
  app_.RawViewFrozen = false;
  app_.RawViewEFIS = false;
  app_.RawViewGPS = false;
  app_.RawViewEMS = false;
}

void RawView::wire(ScreenId id) {
  if (id == ScreenId::Form3) {
    Form3& view = app_.form3();
    view.ClearButton.onClick = [this] { ClearButton_Click(); };
    view.FreezeButton.onClick = [this] { FreezeButton_Click(); };
    view.ReturnButton.onClick = [this] { ReturnButton_Click(); };
  }
  wireOpeners(id);
}

// The value labels that open the raw view; the other labels of these screens
// (counters, frame kind, captions) do nothing when clicked.
void RawView::wireOpeners(ScreenId id) {
  auto attach = [](std::initializer_list<platform::Label*> labels, const std::function<void()>& open) {
    for (platform::Label* l : labels) l->onClick = open;
  };
  switch (id) {
    case ScreenId::Form4: {
      screens::Form4& d = app_.form4();
      attach({&d.EMSTime,     &d.EMSRPM,       &d.EMSManPres,       &d.EMSOilTemp,       &d.EMSOilPres,
              &d.EMSVoltage,  &d.EMSAmps,      &d.EMSCHT1,          &d.EMSCHT2,          &d.EMSCHT3,
              &d.EMSCHT4,     &d.EMSCHT5,      &d.EMSCHT6,          &d.EMSEGT1,          &d.EMSEGT2,
              &d.EMSEGT3,     &d.EMSEGT4,      &d.EMSEGT5,          &d.EMSEGT6,          &d.EMSFuelPressure,
              &d.EMSFuelFlow, &d.EMSQuantity1, &d.EMSQuantity2,     &d.EMSFuelRemaining, &d.EMSGP1,
              &d.EMSGP2,      &d.EMSGP3,       &d.EMSGPThermocouple},
             [this] { ShowEngineCommData(ScreenId::Form4); });
      break;
    }
    case ScreenId::Form5: {
      screens::Form5& g = app_.form5();
      attach({&g.GROAT,          &g.GRROC,           &g.GRBaroSetting, &g.GRUnitTemperature,
              &g.GRAirspeed,     &g.GRAltitude,      &g.GRTime,        &g.GRHourMeter,
              &g.GROilTemp,      &g.GROilPres,       &g.GRRPM1,        &g.GRRPM2,
              &g.GRCarbTemp,     &g.GRVoltage,       &g.GRCoolantTemp, &g.GRCHT1,
              &g.GRCHT2,         &g.GRCHT3,          &g.GRCHT4,        &g.GRCHT5,
              &g.GRCHT6,         &g.GREGT1,          &g.GREGT2,        &g.GREGT3,
              &g.GREGT4,         &g.GREGT5,          &g.GREGT6,        &g.GRFuelFlow,
              &g.GRFuelQuantity, &g.GRTimeRemaining, &g.GRAux1,        &g.GRAux2,
              &g.GRAux3,         &g.GRAux5,          &g.GRAux6},
             [this] { ShowEngineCommData(ScreenId::Form5); });
      break;
    }
    case ScreenId::form20: {
      screens::form20& s = app_.form20();
      attach({&s.GPSAltitude,
              &s.GPSBeaconBitRate,
              &s.GPSBeaconDataQuality,
              &s.GPSBeaconDistance,
              &s.GPSBeaconFreq,
              &s.GPSBeaconMode,
              &s.GPSBeaconSNR,
              &s.GPSBeaconSource,
              &s.GPSBeaconStatus,
              &s.GPSCourse,
              &s.GPSDataStatus,
              &s.GPSDesiredTrack,
              &s.GPSEastVelocity,
              &s.GPSEstAGL,
              &s.GPSFixType,
              &s.GPSHemisphereEW,
              &s.GPSHemisphereNS,
              &s.GPSHorizontalError,
              &s.GPSLatitude,
              &s.GPSLeapSecondCount,
              &s.GPSLongitude,
              &s.GPSMapDatum,
              &s.GPSMode,
              &s.GPSNorthVelocity,
              &s.GPSPDP,
              &s.GPSPositionError,
              &s.GPSProfileError,
              &s.GPSSecondsNumber,
              &s.GPSSpeed,
              &s.GPSTDP,
              &s.GPSUTCDate,
              &s.GPSUTCTime,
              &s.GPSVerticalError,
              &s.GPSVerticalSpeed,
              &s.GPSVertSpeedToTarget,
              &s.GPSVertSpeedToWayPoint,
              &s.GPSWeekNumber},
             [this] { ShowGPSCommData(ScreenId::form20); });
      break;
    }
    case ScreenId::form21: {
      screens::form21& s = app_.form21();
      attach({&s.Label1, &s.Label25}, [this] { ShowGPSCommData(ScreenId::form21); });
      break;
    }
    default:
      break;
  }
}

}  // namespace shell
