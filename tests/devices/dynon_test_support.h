#pragma once
// Helpers of the Dynon decoder tests: every value caption of the engine data
// screen at once, so a test compares whole results.

#include <map>
#include <string>

#include "screens/form4.h"

namespace dynontest {

inline std::map<std::string, std::string> engineCaptions(screens::Form4& f) {
  std::map<std::string, std::string> m;
  for (platform::Label* l :
       {&f.EMSTime, &f.EMSManPres, &f.EMSOilTemp,  &f.EMSOilPres,        &f.EMSFuelPressure, &f.EMSVoltage,
        &f.EMSAmps, &f.EMSRPM,     &f.EMSFuelFlow, &f.EMSFuelRemaining,  &f.EMSQuantity1,    &f.EMSQuantity2,
        &f.EMSGP1,  &f.EMSGP2,     &f.EMSGP3,      &f.EMSGPThermocouple, &f.EMSEGT1,         &f.EMSEGT2,
        &f.EMSEGT3, &f.EMSEGT4,    &f.EMSEGT5,     &f.EMSEGT6,           &f.EMSCHT1,         &f.EMSCHT2,
        &f.EMSCHT3, &f.EMSCHT4,    &f.EMSCHT5,     &f.EMSCHT6,           &f.HobbsTime,       &f.TachTime})
    m[l->name()] = l->caption();
  return m;
}

// Fill colours of the eight contact lamps, lamp 0 first.
inline std::string lamps(screens::Form4& f) {
  std::string s;
  for (platform::Shape& lamp : f.EMS_Contact)
    s += lamp.fillColor() == platform::color::BrightGreen ? 'B'
         : lamp.fillColor() == platform::color::Green     ? 'g'
                                                          : '?';
  return s;
}

}  // namespace dynontest
