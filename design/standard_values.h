// Rounding resistor values to the nearest E96 (1%) and E24 (5%) standard
// values of IEC 60063.
#pragma once

namespace design {

// Nearest standard value in the ratio sense: Precise rounds down when it lies
// below the geometric mean of its two neighbours and up from there on. The
// decade scale starts at 1e-7 and is carried by repeated single-precision
// multiplication by ten, so results can sit a few units of the seventh digit
// below the decimal value (100 comes back as 99.99999). Every positive input
// below 1e-7 gives the guard value 9.76e-8; zero gives zero; inputs beyond the
// range of a single give the top of the largest decade it can form.
void Nearest1(const float& Precise, float& Nearest);

// As Nearest1, over the E24 series; inputs below 1e-7 give 9.1e-8.
void Nearest5(const float& Precise, float& Nearest);

}  // namespace design
