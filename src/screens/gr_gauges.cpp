#include "screens/gr_gauges.h"

#include <initializer_list>

#include "app/app.h"
#include "screens/form11.h"
#include "screens/form5.h"
#include "screens/setup_support.h"
#include "settings/form13.h"
#include "settings/form2.h"

namespace screens {

GrGauges::GrGauges(App& app) : app_(app) {}

void GrGauges::Update_Form11_data() {
  settings::form13& f = app_.form13();
  settings::Form2& options = app_.form2();
  screens::Form5& data = app_.form5();
  Form11& g = app_.form11();

  // Speed marks: rows 5 (indicator maximum), 4 Vne, 3 Vno, 2 Vfe, 1 Vs1.
  setSpeedMarks(g.AirspeedGuage, f);
  startAltimeter(g.AltitudeGuage, data);

  // Rate-of-climb tape: symmetric about zero, hidden when its speed is not above zero.
  const double vertical = readLimit(f.VerticalIndicatorSpeed);
  if (vertical > 0) {
    showAll(true, {&g.VerticalSpeedGuage, &g.VerticalSpeedLabel, &g.VertLabel});
    setClimbScale(g.VerticalSpeedGuage, g.VertSpdMax, g.VertSpdMid, f.VerticalIndicatorSpeed);
    showAll(true, {&g.VertSpdMax[0], &g.VertSpdMax[1], &g.VertSpdMid[0], &g.VertSpdMid[1]});
  } else {
    showAll(false, {&g.VerticalSpeedGuage, &g.VerticalSpeedLabel, &g.VertLabel, &g.VertSpdMax[0],
                    &g.VertSpdMax[1], &g.VertSpdMid[0], &g.VertSpdMid[1]});
  }

  // Scales and bands. The one fuel quantity bar takes the left tank's limits.
  setBands(g.TachGuage, f.TachMax, f.TachYellowStart, f.TachYellowStop, f.TachHighYellow, f.TachHighRed);
  setBands(g.OilPresGuage, f.OilPresMax, f.OilPresLowRed, f.OilPresLowYellow, f.OilPresHighYellow,
           f.OilPresHighRed);
  setBands(g.OilTempGuage, f.OilTempMax, f.OilTempLowRED, f.OilTempLowYellow, f.OilTempHighYellow,
           f.OilTempHighRed);
  setBands(g.VoltageGuage, f.VoltageMax, f.VoltageLowRed, f.VoltageLowYellow, f.VoltageHighYellow,
           f.VoltageHighRed);
  setBands(g.FuelFlowGuage, f.FuelFlowMax, f.FuelFlowLowRed, f.FuelFlowLowYellow, f.FuelFlowHighYellow,
           f.FuelFlowHighRed);
  setBands(g.FuelQtyGuage, f.FuelLeftMax, f.FuelLeftRed, f.FuelLeftYellow);

  for (platform::LinearGauge& bar : g.CHTGuage) {
    bar.setPositionMax(readLimit(f.CHTMax));
    bar.setPositionMin(readLimit(f.CHTMin));
  }
  // The limits the decoder colours the cylinder bars by, and the scale that it
  // places the EGT on.
  StoreEngineTempLimits(app_);

  // A gauge group shows only while its maximum is above zero.
  const auto group = [](const platform::TextBox& max, std::initializer_list<platform::Control*> controls) {
    const bool visible = readLimit(max) > 0;
    showAll(visible, controls);
    return visible;
  };
  group(f.OilTempMax, {&g.OilTempGuage, &g.OilTempLabel, &g.iLabelX7});
  group(f.OilPresMax, {&g.OilPresGuage, &g.OilPresLabel, &g.iLabelX4});
  group(f.TachMax, {&g.TachGuage, &g.TachLabel, &g.iLabelX2});
  group(f.VoltageMax, {&g.VoltageGuage, &g.VoltageLabel, &g.CHTLabel[7]});
  const bool quantity = group(f.FuelLeftMax, {&g.FuelQtyGuage, &g.FuelQtyLabel, &g.iLabelX3});
  const bool flow = group(f.FuelFlowMax, {&g.FuelFlowGuage, &g.FuelFlowLabel, &g.CHTLabel[8]});
  g.iLabelX8.setVisible(quantity || flow);

  bool anyCylinder = false;
  for (int i = 0; i <= 5; ++i) {
    const bool ticked = f.DisplayCylinders[i].value() == 1;
    showAll(ticked, {&g.CHTGuage[i], &g.EGTLabel[i], &g.CHTLabel[i]});
    anyCylinder = anyCylinder || ticked;
  }
  showAll(anyCylinder, {&g.iLabelX11, &g.iLabelX10});

  // A Grand Rapids 2000 has two cylinders; the captions keep what the ticks gave.
  if (options.EMSGR2000.value()) {
    for (int i = 2; i <= 5; ++i) showAll(false, {&g.EGTLabel[i], &g.CHTGuage[i], &g.CHTLabel[i]});
  }
}

}  // namespace screens
