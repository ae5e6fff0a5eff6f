// Reading the in-circuit window's boxes: read as builders write values, bring
// into range, write back in the window's notation, and say what had to change.
#pragma once

#include <string>
#include <vector>

#include "circuit/string_analysis.h"
#include "circuit_text/law_text.h"
#include "design/design_state.h"
#include "design/normalise.h"

namespace circuit_text {

// The texts of the boxes, in their tab order.
struct CircuitBoxes {
  std::string Load;       // ohms; 0 or empty = no load
  std::string Source;     // ohms; 0 = none
  std::string Cable;      // farads; 0 = no cable
  std::string Tolerance;  // percent
  // Initialised, so a brace list of the first four alone draws no warning.
  std::string Total{};      // ohms, the string's total resistance
  std::string Positions{};  // switch positions, 2 .. 64
  std::string Steps{};      // the law, dB (see ReadLaw)
};

// The string the window designs, as its last three boxes set it.
struct StringInputs {
  double TotalOhms = design::kDefaultTotalOhms;  // ohms
  int Positions = design::kMinPositions;         // N, 2 .. 64
  std::vector<double> StepsDb;                   // the N - 2 steps, dB; step i at index i - 1
  std::string LawText = "2";                     // the law's canonical text, '.' as the point:
                                                 // every step typed, even beyond N - 2
};

inline constexpr double kMinLoadOhms = 1e-4;          // ohms, "100u"; 0 alone means no load
inline constexpr double kMinCircuitTotalOhms = 1e-4;  // ohms, as the design window refuses
inline constexpr double kMaxCircuitOhms = 1e12;       // ohms: load, source and total
inline constexpr double kMaxCableFarads = 1e-6;       // farads; a cable of more is a slip
inline constexpr double kMinTolerancePercent = 0.01;  // percent
inline constexpr double kMaxTolerancePercent = 20.0;  // percent

// The string of the design the design window last ran: its total, positions
// and equal steps, each the exact double of the single the design holds, so
// the first analysis is the design's own. LawText is the step's 6-digit text,
// which may read back a hair away from the single ("4.16" against 4.16f);
// IsDesignString compares in single precision for that reason. Before any
// design has run the defaults stand (10k, 2 positions, law "2").
void StartStringInputs(const design::DesignState& state, StringInputs& string);

// True while `string` is the design's: the same total and step as singles,
// the same positions, and equal steps.
bool IsDesignString(const StringInputs& string, const design::DesignState& state);

// Writes the inputs into the boxes in the window's notation (WriteBuilderValue
// with `separator` as the point; the law as its canonical text, its points
// written as `separator`), so each box reads back as exactly the value shown.
void WriteCircuitBoxes(const circuit::CircuitInputs& inputs, const StringInputs& string,
                       char separator, CircuitBoxes& boxes);

// Reads every box with ReadBuilderValue, `separator` as the point, into
// `inputs` and `string`, which hold the previous values on entry, and writes
// every box back with the value used (WriteCircuitBoxes). A box's text
// changes only that box: no box is ever cut or rewritten to suit another.
// Rules: a text that is not a value, and a negative load,
// source, cable, tolerance, total or number of positions (a typo), leave the
// box at its previous value (an empty load box means no load); a load from 0
// to 100u ohms becomes 100u; ohms above 1e12 become 1e12; a cable above 1 uF
// is taken for a slip and the previous cable kept; the tolerance ("1", "1%",
// "0.5 %") is held to 0.01 .. 20 %; a total below 100u ohms, zero included,
// keeps the previous total; positions are held to 2 .. 64 before the
// fraction is dropped; the law is read by ReadLaw, and a law without any
// entry or with a step outside 0.01 .. 20 dB keeps the previous law. Where
// the law and the positions together pass 120 dB, the law keeps its previous
// text if it changed, and the positions keep theirs if the pair still passes
// it; the message then says how deep the law would go and how many positions
// of it fit. Each box that did not take its text as typed is named, with the
// text and the value kept or used, in one message shown through
// `showMessage` after every box is rewritten; a value that is not understood
// is named with what was not understood. Returns whether a message was shown.
bool NormaliseCircuitInputs(CircuitBoxes& boxes, circuit::CircuitInputs& inputs,
                            StringInputs& string, char separator,
                            const design::MessageSeam& showMessage);

inline constexpr int kMaxRelays = 8;

// The relay ladder's boxes by the same rules, `relay` holding the stage's
// ohms in TotalOhms, the relays in Positions and the one step in StepsDb:
// the first five boxes as NormaliseCircuitInputs reads them; the relays
// ("Relays") held to 1 .. 8 before the fraction is dropped, a text that is
// not a value or is negative keeping the previous count; the step box read
// by ReadLaw, where a law without an entry, with a step outside 0.01 .. 20
// dB or with more than one step keeps the previous step. One message names
// every box that did not take its text as typed. Returns whether it was shown.
bool NormaliseRelayInputs(CircuitBoxes& boxes, circuit::CircuitInputs& inputs, StringInputs& relay,
                          char separator, const design::MessageSeam& showMessage);

}  // namespace circuit_text
