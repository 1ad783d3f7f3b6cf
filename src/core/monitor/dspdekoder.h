// Turns a DSP status telegram into the monitor's record, and the small conversions the
// monitor shows: S-meter count, AD603 gain, ADC and AGC settings, total gain.
#pragma once

#include "calibration/ad603.h"
#include "calibration/telegramm.h"
#include "monitor/tdspdaten.h"

#include <array>

// The S-meter count 0..12 for a 12-bit pattern of lit segments (0x001 -> 1, 0x003 -> 2,
// ..., 0xFFF -> 12); any other pattern gives 0.
int smeterzahl(int muster);

// The AD603 gain in dB for a DAC step, from calcurve as loaded from the AD603 file: j - 1
// for the first j in 1..43 whose entry is at least the step; 0 when none is.
int ad603gain(int dacstufe, const Calcurve& calcurve);

// The ADC setting in dB: 1.5 per step, rounded half up.
int adcwert(int adcstufe);

// Fills daten from the telegram. agc changes only with receive telegrams and vogad only
// with transmit telegrams; each keeps its last value otherwise.
void dspdatenfuellen(TDspDaten& daten, const Telegramm& telegramm, const Calcurve& calcurve);

// Word n (0..7) of the record; 0 for any other n.
int dspwort(const TDspDaten& daten, int n);

// The words of the monitor's eight rows, top to bottom: along the receive (or transmit)
// path from the input to the audio (or IF) output.
constexpr std::array<int, 8> monitorzeilenworte{0, 7, 2, 3, 5, 6, 4, 1};

// The largest total gain the monitor's gain bar shows.
constexpr int gesamtgainmax = 123;
// The total gain: AD603 gain plus twice the AGC setting.
int gesamtgain(const TDspDaten& daten);
