// Plain-decimal cells of the in-circuit table, and its parts and build lists.
#include "design/in_circuit_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <system_error>

#include "design/tab_text.h"
#include "notation/decimal_separator.h"

namespace design {
namespace {

using Cell = std::optional<double>;

bool Ground(const CircuitAnalysis& a, int p) { return p == a.N - 1; }

// A number of an attenuation column, which the ground position lacks.
Cell AboveGround(const CircuitAnalysis& a, int p, const PositionColumn& column) {
  if (Ground(a, p) || static_cast<std::size_t>(p) >= column.size()) return std::nullopt;
  return column[static_cast<std::size_t>(p)];
}

Cell Designed(const CircuitAnalysis& a, int p, std::size_t set) {
  if (set >= a.Designed.size()) return std::nullopt;
  return AboveGround(a, p, a.Designed[set].Db);
}

// Resistor k = p of a rounded set, the value the analysis computed with (an
// E96 or E24 part carries its table's single-precision value, as the
// design's own sets do).
Cell Part(const CircuitAnalysis& a, int p, std::size_t set) {
  if (p == 0 || set >= a.Sets.size()) return std::nullopt;
  return a.Sets[set].Parts.Ohms[static_cast<std::size_t>(p)];
}

Cell SetDb(const CircuitAnalysis& a, int p, std::size_t set) {
  if (set >= a.Sets.size()) return std::nullopt;
  return AboveGround(a, p, a.Sets[set].Db);
}

}  // namespace

const std::array<CircuitColumn, kCircuitColumnCount> kCircuitColumns{{
    {"position", "", -1, CellKind::Position,
     [](const CircuitAnalysis&, int p) -> Cell { return p; }},
    {"target_dB", "", -1, CellKind::Decibels,
     [](const CircuitAnalysis& a, int p) { return AboveGround(a, p, a.Target); }},
    {"designed_e96_dB", "", -1, CellKind::Decibels,
     [](const CircuitAnalysis& a, int p) { return Designed(a, p, 0); }},
    {"designed_e24_dB", "", -1, CellKind::Decibels,
     [](const CircuitAnalysis& a, int p) { return Designed(a, p, 1); }},
    {"compensated_ohm", "", -1, CellKind::Ohms,
     [](const CircuitAnalysis& a, int p) -> Cell {
       if (p == 0) return std::nullopt;
       return a.Compensated[static_cast<std::size_t>(p)];
     }},
    {"compensated_", "_ohm", 0, CellKind::Ohms,
     [](const CircuitAnalysis& a, int p) { return Part(a, p, 0); }},
    {"compensated_", "_ohm", 1, CellKind::Ohms,
     [](const CircuitAnalysis& a, int p) { return Part(a, p, 1); }},
    {"compensated_", "_dB", 0, CellKind::Decibels,
     [](const CircuitAnalysis& a, int p) { return SetDb(a, p, 0); }},
    {"compensated_", "_dB", 1, CellKind::Decibels,
     [](const CircuitAnalysis& a, int p) { return SetDb(a, p, 1); }},
    {"band_low_dB", "", -1, CellKind::Decibels,
     [](const CircuitAnalysis& a, int p) { return AboveGround(a, p, a.BandLowDb); }},
    {"band_high_dB", "", -1, CellKind::Decibels,
     [](const CircuitAnalysis& a, int p) { return AboveGround(a, p, a.BandHighDb); }},
    {"zout_ohm", "", -1, CellKind::Ohms,
     [](const CircuitAnalysis& a, int p) -> Cell {
       return a.ZoutOhms[static_cast<std::size_t>(p)];
     }},
    {"zin_ohm", "", -1, CellKind::Ohms,
     [](const CircuitAnalysis& a, int p) -> Cell {
       return a.ZinOhms[static_cast<std::size_t>(p)];
     }},
    {"f3db_Hz", "", -1, CellKind::Hertz,
     [](const CircuitAnalysis& a, int p) { return a.F3dbHz[static_cast<std::size_t>(p)]; }},
}};

std::string ColumnName(const CircuitColumn& column, const CircuitAnalysis& analysis) {
  std::string name = column.Prefix;
  if (column.Set < 0) return name;
  const auto set = static_cast<std::size_t>(column.Set);
  const std::string_view series =
      set < analysis.Sets.size() ? analysis.Sets[set].RoundedIn->Name() : kAllSeries[0]->Name();
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

std::string CellText(const CircuitColumn& column, const CircuitAnalysis& analysis, int p,
                     char separator) {
  const Cell value = column.Value(analysis, p);
  if (!value) return {};
  if (column.Kind == CellKind::Position) return std::to_string(p);
  return PlainDecimal(*value, separator);
}

std::vector<CircuitRow> CircuitCells(const CircuitAnalysis& a, char separator) {
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

namespace {}  // namespace

std::string CircuitTableText(const CircuitAnalysis& analysis, char separator) {
  std::string text;
  CircuitRow header;
  for (std::size_t c = 0; c < kCircuitColumnCount; ++c) {
    header[c] = ColumnName(kCircuitColumns[c], analysis);
  }
  AppendTabLine(text, header);
  for (const CircuitRow& row : CircuitCells(analysis, separator)) AppendTabLine(text, row);
  return text;
}

std::string PartsListText(const CircuitAnalysis& analysis, char separator) {
  std::string text = "series\tvalue_ohm\tquantity\tresistors\n";
  const int perResistor = analysis.Balanced ? 4 : 2;  // strings in two channels
  for (std::size_t index = 0; index < analysis.Sets.size(); ++index) {
    std::string series;
    for (const char c : analysis.Sets[index].RoundedIn->Name()) {
      series += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    // One line per distinct cell text, in ascending value: the table's cell
    // is what the builder compares the list with.
    struct Group {
      double ohms = 0.0;
      std::string resistors;
      int count = 0;
    };
    std::map<std::string, Group> byCell;
    for (int k = 1; k <= analysis.N - 1; ++k) {
      const double ohms = *Part(analysis, k, index);
      Group& group = byCell[PlainDecimal(ohms, separator)];
      group.ohms = ohms;
      if (group.count++ > 0) group.resistors += ' ';
      group.resistors += 'R' + std::to_string(k);
    }
    std::vector<std::pair<std::string, Group>> lines(byCell.begin(), byCell.end());
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.second.ohms < b.second.ohms; });
    for (const auto& [cell, group] : lines) {
      AppendTabLine(
          text, std::array<std::string, 4>{series, cell, std::to_string(group.count * perResistor),
                                           group.resistors});
    }
  }
  return text;
}

std::vector<BuildStep> BuildList(const CircuitAnalysis& analysis, int set) {
  std::vector<BuildStep> steps;
  if (set < 0 || static_cast<std::size_t>(set) >= analysis.Sets.size()) return steps;
  for (int k = 1; k <= analysis.N - 1; ++k) {
    const RoundedSet& s = analysis.Sets[static_cast<std::size_t>(set)];
    steps.push_back(
        {k, k - 1, k, s.RoundedIn->Decimal(s.Parts.Index[static_cast<std::size_t>(k)]).Ohms()});
  }
  return steps;
}

}  // namespace design
