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

// The single-precision tables behind Nearest1 (E96) and Nearest5 (E24), for
// arithmetic that must give their very results.
enum class SingleTable { E96, E24 };

// An entry of a table at one decade scale: its value is the scale (1e-6
// multiplied by ten Scale times, in single) times table entry Entry. Entry 0
// repeats the decade below's top value and E96's last entry the next
// decade's first, so one standard value can have two entries whose singles
// differ in the last bits. Scale -1: no entry (zero, NaN).
struct SingleEntry {
  int Scale = -1;
  int Entry = 0;
};

// The entry whose value Nearest1 (E96) or Nearest5 (E24) returns.
SingleEntry NearestSingleEntry(SingleTable table, float precise);

// The value of an entry, exactly as the rounding forms it; 0 for no entry.
float SingleValue(SingleTable table, SingleEntry entry);

// The entry holding the next standard value up or down: the one the
// rounding finds for a point a little beyond the neighbour on that side.
// At the ends of the tables' range the entry itself.
SingleEntry SingleNeighbour(SingleTable table, SingleEntry entry, bool up);

}  // namespace design
