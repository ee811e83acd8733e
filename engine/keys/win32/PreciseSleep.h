// A pause of a few milliseconds that the system timer's granularity would
// otherwise stretch.
#pragma once

// Negative: returns at once; 0: yields the time slice; below 10 ms (55 ms on
// the 9x family) spins on the performance counter, yielding as it goes;
// longer: a plain Sleep.
void PreciseSleep(int ms);
