// Plain-decimal cells of the in-circuit table, and its parts and build lists.
#include "circuit_text/string_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <system_error>

#include "circuit_text/cells.h"
#include "design/tab_text.h"
#include "notation/builder_value.h"
#include "notation/decimal_separator.h"

namespace circuit_text {
namespace {

using Cell = std::optional<double>;

bool Ground(const circuit::CircuitAnalysis& a, int p) { return p == a.N - 1; }

// A number of an attenuation column, which the ground position lacks.
Cell AboveGround(const circuit::CircuitAnalysis& a, int p, const circuit::PositionColumn& column) {
  if (Ground(a, p) || static_cast<std::size_t>(p) >= column.size()) return std::nullopt;
  return column[static_cast<std::size_t>(p)];
}

Cell Designed(const circuit::CircuitAnalysis& a, int p, std::size_t set) {
  if (set >= a.Designed.size()) return std::nullopt;
  return AboveGround(a, p, a.Designed[set].Db);
}

// Resistor k = p of a rounded set, the value the analysis computed with (an
// E96 or E24 part carries its table's single-precision value, as the
// design's own sets do).
Cell Part(const circuit::CircuitAnalysis& a, int p, std::size_t set) {
  if (p == 0 || set >= a.Sets.size()) return std::nullopt;
  return a.Sets[set].Parts.Ohms[static_cast<std::size_t>(p)];
}

Cell SetDb(const circuit::CircuitAnalysis& a, int p, std::size_t set) {
  if (set >= a.Sets.size()) return std::nullopt;
  return AboveGround(a, p, a.Sets[set].Db);
}

}  // namespace

const std::array<CircuitColumn, kCircuitColumnCount> kCircuitColumns{{
    {"position", "", -1, CellKind::Position,
     [](const circuit::CircuitAnalysis&, int p) -> Cell { return p; }},
    {"target_dB", "", -1, CellKind::Decibels,
     [](const circuit::CircuitAnalysis& a, int p) { return AboveGround(a, p, a.Target); }},
    {"designed_e96_dB", "", -1, CellKind::Decibels,
     [](const circuit::CircuitAnalysis& a, int p) { return Designed(a, p, 0); }},
    {"designed_e24_dB", "", -1, CellKind::Decibels,
     [](const circuit::CircuitAnalysis& a, int p) { return Designed(a, p, 1); }},
    {"compensated_ohm", "", -1, CellKind::Ohms,
     [](const circuit::CircuitAnalysis& a, int p) -> Cell {
       if (p == 0) return std::nullopt;
       return a.Compensated[static_cast<std::size_t>(p)];
     }},
    {"compensated_", "_ohm", 0, CellKind::Ohms,
     [](const circuit::CircuitAnalysis& a, int p) { return Part(a, p, 0); }},
    {"compensated_", "_ohm", 1, CellKind::Ohms,
     [](const circuit::CircuitAnalysis& a, int p) { return Part(a, p, 1); }},
    {"compensated_", "_dB", 0, CellKind::Decibels,
     [](const circuit::CircuitAnalysis& a, int p) { return SetDb(a, p, 0); }},
    {"compensated_", "_dB", 1, CellKind::Decibels,
     [](const circuit::CircuitAnalysis& a, int p) { return SetDb(a, p, 1); }},
    {"band_low_dB", "", -1, CellKind::Decibels,
     [](const circuit::CircuitAnalysis& a, int p) { return AboveGround(a, p, a.BandLowDb); }},
    {"band_high_dB", "", -1, CellKind::Decibels,
     [](const circuit::CircuitAnalysis& a, int p) { return AboveGround(a, p, a.BandHighDb); }},
    {"zout_ohm", "", -1, CellKind::Ohms,
     [](const circuit::CircuitAnalysis& a, int p) -> Cell {
       return a.ZoutOhms[static_cast<std::size_t>(p)];
     }},
    {"zin_ohm", "", -1, CellKind::Ohms,
     [](const circuit::CircuitAnalysis& a, int p) -> Cell {
       return a.ZinOhms[static_cast<std::size_t>(p)];
     }},
    {"f3db_Hz", "", -1, CellKind::Hertz,
     [](const circuit::CircuitAnalysis& a, int p) {
       return a.F3dbHz[static_cast<std::size_t>(p)];
     }},
}};

std::string ColumnName(const CircuitColumn& column, const circuit::CircuitAnalysis& analysis) {
  std::string name = column.Prefix;
  if (column.Set < 0) return name;
  const auto set = static_cast<std::size_t>(column.Set);
  const std::string_view series = set < analysis.Sets.size() ? analysis.Sets[set].RoundedIn->Name()
                                                             : design::kAllSeries[0]->Name();
  for (const char c : series)
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name + column.Suffix;
}

std::string PlainDecimal(double value, char separator) {
  if (!std::isfinite(value)) return {};
  if (value == 0.0) return "0";  // negative zero too
  constexpr int kSignificant = 6;
  constexpr int kMostDecimals = 30;
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = std::clamp(kSignificant - 1 - magnitude, 0, kMostDecimals);
  char buffer[400];  // the largest double in fixed notation, with 30 decimals
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, error == std::errc() ? end : buffer);
  notation::PointToSeparator(text, separator);
  return text;
}

std::string CellText(const CircuitColumn& column, const circuit::CircuitAnalysis& analysis, int p,
                     char separator) {
  const Cell value = column.Value(analysis, p);
  if (!value) return {};
  if (column.Kind == CellKind::Position) return std::to_string(p);
  return PlainDecimal(*value, separator);
}

std::vector<CircuitRow> CircuitCells(const circuit::CircuitAnalysis& a, char separator) {
  std::vector<CircuitRow> rows;
  rows.reserve(static_cast<std::size_t>(std::max(a.N, 0)));
  for (int p = 0; p < a.N; ++p) {
    CircuitRow row;
    for (std::size_t c = 0; c < kCircuitColumnCount; ++c) {
      row[c] = CellText(kCircuitColumns[c], a, p, separator);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string CircuitTableText(const circuit::CircuitAnalysis& analysis, char separator) {
  std::string text;
  CircuitRow header;
  for (std::size_t c = 0; c < kCircuitColumnCount; ++c) {
    header[c] = ColumnName(kCircuitColumns[c], analysis);
  }
  design::AppendTabLine(text, header);
  for (const CircuitRow& row : CircuitCells(analysis, separator)) design::AppendTabLine(text, row);
  return text;
}

std::vector<BuildStep> BuildList(const circuit::CircuitAnalysis& analysis, int set) {
  std::vector<BuildStep> steps;
  if (set < 0 || static_cast<std::size_t>(set) >= analysis.Sets.size()) return steps;
  const circuit::RoundedSet& s = analysis.Sets[static_cast<std::size_t>(set)];
  for (int k = 1; k <= analysis.N - 1; ++k) {
    steps.push_back(
        {k, k, k + 1, s.RoundedIn->Decimal(s.Parts.Index[static_cast<std::size_t>(k)])});
  }
  return steps;
}

std::vector<std::string> BuildDecks(bool balanced) {
  if (balanced) return {"left hot", "left cold", "right hot", "right cold"};
  return {"left", "right"};
}

std::string DecksLine(const char* label, const std::vector<std::string>& decks) {
  std::string line = std::string("  ") + label + ":";
  for (std::size_t i = 0; i < decks.size(); ++i) line += (i > 0 ? ", " : " ") + decks[i];
  return line + ".";
}

std::string MuteLine(const std::vector<int>& lugs, int positions) {
  if (lugs.empty()) return {};
  const bool last = lugs.size() == 1 && lugs[0] == positions;
  return std::string(last ? "  The last position, " : "  Positions at ") +
         (lugs.size() == 1 ? "lug " : "lugs ") + LugRuns(lugs) +
         (lugs.size() == 1 ? ", is" : ", are") + " mute (no output).";
}

std::vector<std::string> BuildLines(const circuit::CircuitAnalysis& analysis, int set,
                                    char separator) {
  const std::vector<BuildStep> steps = BuildList(analysis, set);
  if (steps.empty()) return {};
  const std::string series(analysis.Sets[static_cast<std::size_t>(set)].RoundedIn->Name());
  const std::string last = std::to_string(analysis.N);
  std::vector<std::string> lines{series + " build list, every deck alike:",
                                 DecksLine("Decks", BuildDecks(analysis.Balanced))};
  if (analysis.Balanced) {
    lines.push_back("  Input (the deck's leg) to lug 1 (full volume).");
    lines.push_back("  Common (wiper) to the output (the deck's leg).");
    lines.push_back("  Lug " + last + " to ground, with the other leg's lug " + last + ".");
  } else {
    lines.push_back("  Input to lug 1 (full volume).");
    lines.push_back("  Common (wiper) to the output.");
    lines.push_back("  Lug " + last + " to ground.");
  }
  lines.push_back(MuteLine({analysis.N}, analysis.N));
  for (const BuildStep& step : steps) {
    lines.push_back("  R" + std::to_string(step.Resistor) + "  lugs " +
                    std::to_string(step.FromLug) + "-" + std::to_string(step.ToLug) + "  " +
                    notation::WriteBuilderValue(step.Value.Ohms(), separator));
  }
  return lines;
}

std::string BuildListText(const circuit::CircuitAnalysis& analysis, char separator) {
  std::string text = kBuildListHeader;
  if (analysis.N < 2 || analysis.Sets.empty()) return text;
  for (const std::string& deck : BuildDecks(analysis.Balanced)) {
    design::AppendTabLine(text,
                          std::array<std::string, 5>{deck, "wiring", "input 1", "common output",
                                                     "ground " + std::to_string(analysis.N)});
    for (std::size_t set = 0; set < analysis.Sets.size(); ++set) {
      const std::string series(analysis.Sets[set].RoundedIn->Name());
      for (const BuildStep& step : BuildList(analysis, static_cast<int>(set))) {
        design::AppendTabLine(
            text, std::array<std::string, 6>{
                      deck, "R" + std::to_string(step.Resistor), std::to_string(step.FromLug),
                      std::to_string(step.ToLug), series, ExactDecimal(step.Value, separator)});
      }
    }
  }
  return text;
}

std::string ExactDecimal(const design::DecimalValue& value, char separator) {
  if (value.Mantissa == 0) return "0";
  std::string digits = std::to_string(value.Mantissa);
  if (value.Exponent >= 0)
    return digits + std::string(static_cast<std::size_t>(value.Exponent), '0');
  const int whole = static_cast<int>(digits.size()) + value.Exponent;  // digits before the point
  if (whole <= 0) {
    digits = "0" + std::string(1, separator) + std::string(static_cast<std::size_t>(-whole), '0') +
             digits;
  } else {
    digits.insert(static_cast<std::size_t>(whole), 1, separator);
  }
  while (digits.back() == '0') digits.pop_back();
  if (digits.back() == separator) digits.pop_back();
  return digits;
}

}  // namespace circuit_text
