#pragma once

// Rounding to a number of decimals (negative: to tens, hundreds, ...) on the decimal value
// people see rather than on its binary neighbour, so 1.005 to two decimals is 1.01.

// Halves away from zero: 2.5 to 3, -2.5 to -3.
double roundHalfAwayFromZero(double number, int decimals);
// Any remainder away from zero: 3.2 to 4, -3.2 to -4.
double roundAwayFromZero(double number, int decimals);
// Any remainder dropped: 3.8 to 3, -3.8 to -3.
double roundTowardZero(double number, int decimals);
