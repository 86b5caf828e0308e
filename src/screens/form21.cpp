#include "screens/form21.h"

#include "platform/numbers.h"
#include "screens/data_screen_layout.h"

namespace screens {

namespace {

using layout::fieldRows;
using layout::sentenceFrameHeight;

constexpr int kColA = 120, kColB = 4080, kColC = 8040;
constexpr int kBottom = 5760;

// Sky plot within the satellites frame. The GPS decoder places a marker's
// corner at 1515 + 14.17 r cos(a) - 120, 1635 + 14.17 r sin(a) - 120 (r the
// zenith distance in degrees), so the plot centre is (1515, 1635) and the
// horizon lies 90 x 14.17 = 1275.3 twips from it. The rings are drawn at the
// same scale.
constexpr int kPlotCentreX = 1515, kPlotCentreY = 1635;
constexpr double kTwipsPerDegree = 14.17;
constexpr int ringRadius(int zenithDegrees) {
  // Zenith distances are never negative, so adding a half rounds.
  return static_cast<int>(zenithDegrees * kTwipsPerDegree + 0.5);  // NOLINT(bugprone-incorrect-roundings)
}
constexpr int kHorizon = ringRadius(90);
constexpr int kZenithLeft = 1395, kZenithTop = 1515;  // a marker's corner at the plot centre

void ring(platform::Shape& s, platform::Frame& f, int radius, platform::OleColor border) {
  s.setContainer(&f);
  s.setShape(platform::ShapeType::Circle);
  s.setFillStyle(1);
  s.setOpaque(false);
  s.setBorderColor(border);
  s.setGeometry(kPlotCentreX - radius, kPlotCentreY - radius, 2 * radius, 2 * radius);
}

void compassPoint(platform::Label& l, platform::Frame& f, const char* letter, int left, int top) {
  l.setContainer(&f);
  l.setCaption(letter);
  l.setTransparent(true);
  l.setForeColor(platform::color::White);
  l.setAlignment(platform::Alignment::Center);
  l.setGeometry(left, top, 195, layout::kLabelHeight);
}

}  // namespace

form21::form21(platform::Scheduler& /*scheduler*/)
    : platform::Screen("form21", "GPS STANDARD NMEA SENTENCE") {
  setSize(13080, 5880);
  constexpr int w = layout::kSentenceFrameWidth;

  // Column A: GGA and RMC fix data.
  layout::frame(Frame1, "$GPGGA - Essential Fix Data Sentance", kColA, 120, w, sentenceFrameHeight(8));
  fieldRows(Frame1,
            {
                {&Label18, "Fix Time (UTC)", &GPGGAFixTime, "UTC time of the fix hhmm:ss"},
                {&Label19, "Latitude", &GPGGALatitude, "Latitude dd:mm.mmmm"},
                {&Label20, "Longitude", &GPGGALongitude, "Longitude ddd:mm.mmmm"},
                {&Label21, "Fix Quality", &GPGGAFixType,
                 "0 = No fix  1 = SPS  2 = DGPS  3 = PPS  4 = Real time kinematic  5 = Float  "
                 "6 = Estimated  7 = Manual  8 = Simulated"},
                {&Label22, "Satellites Tracked", &GPGGASatelliteTracked, "Number of satellites tracked"},
                {&Label23, "Horizontal Dilution", &GPGGAHorizonDilution, "Horizontal dilution of position"},
                {&Label24, "Altitude (Meters)", &GPGGAAltitude, "Altitude above mean sea level, meters"},
                {&Label25, "Geoid Height", &GPGGAGeoidHeight,
                 "Height of the geoid above the WGS84 ellipsoid, meters"},
            });
  layout::sentenceLight(ComOK_GPGGA, Frame1);

  constexpr int kRmcTop = 120 + sentenceFrameHeight(8) + 120;
  layout::frame(Frame2, "$GPRMC - Essential Fix Data Sentance", kColA, kRmcTop, w, kBottom - kRmcTop);
  fieldRows(Frame2, {
                        {&Label7, "Fix Time (UTC)", &GPRMCFixTime, "UTC time of the fix hhmm:ss"},
                        {&Label8, "Status", &GPRMCStatus, "A = Active  V = Void"},
                        {&Label9, "Latitude", &GPRMCLatitude, "Latitude dd:mm.mmmm"},
                        {&Label10, "Longitude", &GPRMCLongitude, "Longitude ddd:mm.mmmm"},
                        {&Label11, "Speed (Knots)", &GPRMCSpeed, "Speed over the ground in knots"},
                        {&Label12, "Track (True)", &GPRMCTrack, "Track angle, degrees true"},
                        {&Label13, "Fix Date", &GPRMCFixDate, "Date of the fix dd/mm/yy"},
                        {&Label14, "Mag Variation", &GPRMCMagVariation, "Magnetic variation, degrees"},
                    });
  layout::sentenceLight(ComOK_GPRMC, Frame2);

  // Column B: GSA, VTG and BOD.
  layout::frame(Frame3, "$GPGSA - DOP and Active Satellites", kColB, 120, w, sentenceFrameHeight(6));
  fieldRows(Frame3, {
                        {&Label2, "Selection", &GPGSA_Selection, "A = Auto  M = Manual"},
                        {&Label3, "Fix", &GPGSA_Fix, "1 = No fix  2 = 2D fix  3 = 3D fix"},
                        {&Label1, "SV # Used", &GPSPRNUsed, "Satellites used for the fix"},
                        {&Label4, "PDOP", &GPSPDOP, "Dilution of precision"},
                        {&Label5, "HDOP", &GPSHorizonDilution_GPGSA, "Horizontal dilution of precision"},
                        {&Label6, "VDOP", &GPSVerticalDilution_GPGSA, "Vertical dilution of precision"},
                    });
  layout::sentenceLight(ComOK_GPGSA, Frame3);

  constexpr int kVtgTop = 120 + sentenceFrameHeight(6) + 120;
  layout::frame(Frame4, "$GPVTG - Velocity Made Good", kColB, kVtgTop, w, sentenceFrameHeight(4));
  fieldRows(Frame4,
            {
                {&Label26, "True Track", &GPVTG_TrueTrack, "Track made good, degrees true"},
                {&Label27, "Magnetic Track", &GPVTG_MagneticTrack, "Track made good, degrees magnetic"},
                {&Label28, "Speed (Knots)", &GPVTG_SpeedKnots, "Ground speed in knots"},
                {&Label29, "Speed (KPH)", &GPVTG_SpeedKPH, "Ground speed in kilometers per hour"},
            });
  layout::sentenceLight(ComOK_GPVTG, Frame4);

  constexpr int kBodTop = kVtgTop + sentenceFrameHeight(4) + 120;
  layout::frame(Frame5, "$GPBOD - Bearing - Origin to Destination", kColB, kBodTop, w, kBottom - kBodTop);
  fieldRows(
      Frame5,
      {
          {&Label30, "Bearing (True)", &GPBODTrue, "Bearing origin to destination, degrees true"},
          {&Label31, "Bearing (Mag)", &GPBODMagnetic, "Bearing origin to destination, degrees magnetic"},
          {&Label32, "Start Waypoint", &GPBODStartWaypoint, "Start waypoint"},
          {&Label33, "Dest Waypoint", &GPBODDestWaypoint, "Destination waypoint"},
      });
  layout::sentenceLight(ComOK_GPBOD, Frame5);

  // Column C: satellites in view with the sky plot, then the doors.
  layout::frame(GPSSVFrame, "$GPGSV - Vehicle Status", kColC, 120, 4920, 3240);

  // Plot background first, so the markers lie on top of it.
  ring(Shape1, GPSSVFrame, kHorizon, platform::color::Green);
  Shape1.setFillStyle(0);
  Shape1.setFillColor(platform::color::Black);
  Shape1.setOpaque(true);
  ring(Shape2, GPSSVFrame, ringRadius(60), platform::color::Green);
  ring(Shape3, GPSSVFrame, ringRadius(30), platform::color::Green);
  Line1.setContainer(&GPSSVFrame);
  Line1.setBorderColor(platform::color::Green);
  Line1.setPoints(kPlotCentreX, kPlotCentreY - kHorizon, kPlotCentreX, kPlotCentreY + kHorizon);
  Line1.setGeometry(kPlotCentreX, kPlotCentreY - kHorizon, 15, 2 * kHorizon);
  Line2.setContainer(&GPSSVFrame);
  Line2.setBorderColor(platform::color::Green);
  Line2.setPoints(kPlotCentreX - kHorizon, kPlotCentreY, kPlotCentreX + kHorizon, kPlotCentreY);
  Line2.setGeometry(kPlotCentreX - kHorizon, kPlotCentreY, 2 * kHorizon, 15);
  compassPoint(Label34, GPSSVFrame, "N", kPlotCentreX + 60, kPlotCentreY - kHorizon + 60);
  compassPoint(Label35, GPSSVFrame, "E", kPlotCentreX + kHorizon - 270, kPlotCentreY + 30);
  compassPoint(Label36, GPSSVFrame, "S", kPlotCentreX + 60, kPlotCentreY + kHorizon - 315);
  compassPoint(Label37, GPSSVFrame, "W", kPlotCentreX - kHorizon + 75, kPlotCentreY + 30);

  // Markers rest hidden at the zenith until the decoder places them.
  for (platform::Image& marker : Sat_Green) {
    marker.setContainer(&GPSSVFrame);
    marker.setPicture("photo\\GPS_GREEN_Small.bmp");
    marker.setStretch(true);
    marker.setVisible(false);
    marker.setGeometry(kZenithLeft, kZenithTop, 240, 240);
  }
  for (platform::Label& number : GPS_SV_Number) {
    number.setContainer(&GPSSVFrame);
    number.setCaption(platform::formatNumber(static_cast<double>(number.index()), "00"));
    number.setTransparent(true);
    number.setForeColor(0x808000);
    number.setAlignment(platform::Alignment::Center);
    number.setVisible(false);
    number.setGeometry(kZenithLeft, kZenithTop, 220, 240);
  }

  constexpr int kPanel = 3120, kPanelWidth = 1680;
  layout::heading(Label15, GPSSVFrame, "Satellites in View", kPanel, 300, kPanelWidth,
                  platform::Alignment::Left);
  layout::value(GPGSVNumberSatellites, GPSSVFrame, kPanel, 570, 840, "Number of satellites in view");
  layout::fillLamp(ComOK_GPGSV, GPSSVFrame, kPanel + 960, 615, platform::color::Green);
  layout::heading(Label16, GPSSVFrame, "Sentences", kPanel, 960, kPanelWidth, platform::Alignment::Left);
  layout::value(GPGSVSentenances, GPSSVFrame, kPanel, 1230, 840, "Number of sentences in the cycle");
  layout::heading(Label17, GPSSVFrame, "Display", kPanel, 1620, kPanelWidth, platform::Alignment::Left);

  // The only option group of the screen, alone in the satellites frame.
  const char* modes[] = {"SNR #", "SAT #", "FIX"};
  const char* modeTips[] = {"Satellites coloured by signal to noise ratio",
                            "Satellites shown by their numbers",
                            "Satellites used for the fix shown by their numbers"};
  for (int i = 0; i <= 2; ++i) {
    SatDisplay[i].setContainer(&GPSSVFrame);
    SatDisplay[i].setCaption(modes[i]);
    SatDisplay[i].setToolTip(modeTips[i]);
    SatDisplay[i].setGeometry(kPanel, 1890 + i * 300, kPanelWidth, layout::kLabelHeight);
  }
  SatDisplay[0].setValue(true);

  layout::button(Command1, "GARMIN SENTENCE", "", kColC, 3480, 2400);
  layout::button(ShowGPSInstrumentsScreen, "GPS INSTRUMENTS", "", kColC + 2520, 3480, 2400);
  layout::button(ReturnButton, "RETURN", "Return to main unit", kColC + 2520, 4080, 2400);
}

}  // namespace screens
