// The level in dB the DSP's 16-bit words stand for, as the calibration and the monitor
// show it: 32768 is 90 dB, each halving 6 dB less.
#pragma once

// Rounds half up (floor of x + 0.5) for either sign. Values that are not finite or lie
// beyond the int range give 0 or the nearest int limit instead of undefined behaviour.
int halbauf(double x);

// pegel: 90 - round(20 * log10(32768 / wort)) dB, rounded half up; 0 for a word of 0 (and
// for any word below 0, which the 16-bit telegram field cannot carry).
int pegel(int wort);
