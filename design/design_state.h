// The design state: the inputs, the computed attenuator and the values the
// drawing routines share. One instance lives for the whole process.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace design {

inline constexpr int kArraySize = 51;  // indices 0 to 50; a design uses at most 0 to 24
inline constexpr int kMinPositions = 2;
inline constexpr int kMaxPositions = 25;

using Column = std::array<float, kArraySize>;

// Everything a design run leaves behind. Numbering: N = NumPositions switch
// positions p = 0 (top, 0 dB) to N - 1 (ground); resistor k = 1 .. N - 1 lies
// between positions k - 1 and k. Entries beyond N - 1 still hold the values
// of an earlier, larger design; every reader stops at N - 1.
struct DesignState {
  float TotalOhms = 0.0f;    // total resistance of the string, ohms
  int16_t NumPositions = 0;  // N, 2 .. 25 once a design has run; 0 = not yet set
  float StepSize = 0.0f;     // attenuation between adjacent positions, dB
  int16_t TolType = 0;       // set shown by the design window: 0 ideal, 1 = 1%, 5 = 5%

  Column IdealR{};       // exact value of resistor k, ohms
  Column R1Pct{};        // IdealR(k) rounded to the nearest E96 value, ohms
  Column R5Pct{};        // IdealR(k) rounded to the nearest E24 value, ohms
  Column TargetAtten{};  // p x StepSize, dB
  Column Atten1Pct{};    // attenuation the 1% set gives at position p, dB
  Column Atten5Pct{};    // attenuation the 5% set gives at position p, dB
  float Total1Pct = 0.0f;  // sum of R1Pct(1 .. N - 1), ohms
  float Total5Pct = 0.0f;  // sum of R5Pct(1 .. N - 1), ohms

  float Spacing = 0.0f;     // vertical scale of the resistor column
  float PenX = 0.0f;        // current drawing position
  float PenY = 0.0f;
  uint32_t DrawColor = 0;   // 0x00RRGGBB; never assigned, so black
  std::string FmtText;      // the last text FormatEng wrote
};

// The process-wide design, shared by every window.
DesignState& modMain();

// Vertical scale of the resistor column for n positions: 1.5 up to 6
// positions, otherwise 9 / (n - 1) so the string always ends 6480 units below
// its top. Divided in double and stored as a single.
float ColumnSpacing(int n);

}  // namespace design
