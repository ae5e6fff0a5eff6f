// The as-built window's texts: the strings' names, fitted values in the
// window's notation, the summary and its advice, the copied table, and the
// reading of typed and pasted cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "circuit/as_built.h"

namespace circuit_text {

// The strings' names as the table heads them ("Left", "Right cold") and as a
// sentence names them ("left", "right cold").
std::string StringHeading(int column, bool balanced);
std::string StringName(int column, bool balanced);

// The mark in words, for screen readers: "as designed", "beyond tolerance",
// "likely misfit".
std::string_view FitMarkName(circuit::FitMark mark);

// The summary names this many misfits one by one and counts the rest.
inline constexpr int kMisfitLines = 4;

// A fitted value in the window's notation. The first set's parts are held
// as the series' values (singles for E24 and E96, 1.82k is 1819.9998, and a
// decade's first and last values have two singles each: E24 910 is 910 or
// 909.99988), and such a value up to 1e36 ohms is written as the part's
// decimal value ("1.82k", "910"); any other value as exactly what it is.
// `series` may be null.
std::string FittedText(double ohms, const design::Series* series, char separator);

// The summary, one sentence a line: each channel's worst deviation and
// where, the worst channel difference and where, the likely misfits ("Likely
// misfit: R6 left hot is 2.74, designed 2.77k."; past kMisfitLines of them,
// one line "3 more likely misfits are marked in the table."), then the
// advice of BestChangeText.
std::string AsBuiltSummary(const circuit::AsBuiltAnalysis& analysis, char separator);
// The advice: "Best single change: R7 right 1.641k → 1.62k, worst channel
// difference 0.214 → 0.061 dB". Without a change, when the worst difference
// is below kWorthwhileChangeDb: "No change needed: the channels already agree
// within 0.004 dB." (with likely misfits: "The channels agree within 0.004
// dB; check the likely misfits."); otherwise "No single change lowers the
// worst channel difference by 0.01 dB or more."
std::string BestChangeText(const circuit::AsBuiltAnalysis& analysis, char separator);

// The copied table's header names, tab-separated.
std::string AsBuiltHeader(bool balanced);
// Rows p = 0 .. N - 1 as the copied table holds them: resistor cells of
// row p hold resistor k = p (empty on row 0), dB cells are empty on the
// ground row; plain decimals as the in-circuit table's cells.
std::vector<std::vector<std::string>> AsBuiltCells(const circuit::AsBuiltAnalysis& analysis,
                                                   const circuit::FittedStrings& fitted,
                                                   char separator);
// The header, then the rows: tab-separated, each line ended by a line feed.
std::string AsBuiltTableText(const circuit::AsBuiltAnalysis& analysis,
                             const circuit::FittedStrings& fitted, char separator);

// Reads a typed cell with the builder's reader (ohms): a number from
// kSmallestFittedOhms to kLargestFittedOhms. Returns false, leaving `ohms`
// alone, for anything else.
bool ReadFittedCell(std::string_view text, char separator, double& ohms);
// The message for a refused cell, naming the resistor, the string and the
// text, and saying what in the text was not understood or, for a value that
// reads, that it is outside the cells' range.
std::string RefusedCellMessage(int resistor, int column, bool balanced, std::string_view text,
                               char separator);

// What a paste did.
struct PasteOutcome {
  int Written = 0;           // cells taken
  int Refused = 0;           // cells whose text was not a positive number
  int LinesBeyond = 0;       // lines below the table's last resistor
  int CellsBeyond = 0;       // cells right of the last string, on lines used
  std::string FirstRefused;  // the first refused cell, named, for the message
};

// Pastes tab-separated rows into `fitted`, the first cell at resistor
// `resistor` (1 .. N - 1) of string `column`: each line one resistor, each
// cell one string, read by ReadFittedCell. A refused cell keeps its value.
// A final line feed (or carriage return and line feed) adds no line; lines
// and cells beyond the table are counted, not used.
PasteOutcome PasteFitted(std::string_view text, char separator, int resistor, int column,
                         bool balanced, circuit::FittedStrings& fitted);
// One message for a paste, or empty when everything was taken.
std::string PasteMessage(const PasteOutcome& outcome);

}  // namespace circuit_text
