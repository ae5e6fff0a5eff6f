// Plain-decimal cells of the in-circuit table.
#include "design/in_circuit_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace design {

std::string PlainDecimal(double value, char separator) {
  if (!std::isfinite(value)) return {};
  if (value == 0.0) return "0";  // negative zero too
  constexpr int kSignificant = 6;
  constexpr int kMostDecimals = 30;
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = std::clamp(kSignificant - 1 - magnitude, 0, kMostDecimals);
  char buffer[400];  // the largest double in fixed notation, with 30 decimals
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), '.', separator);
  return text;
}

std::vector<CircuitRow> CircuitCells(const CircuitAnalysis& a, char separator) {
  const auto cell = [separator](double value) { return PlainDecimal(value, separator); };
  std::vector<CircuitRow> rows;
  rows.reserve(static_cast<std::size_t>(std::max(a.N, 0)));
  for (int p = 0; p < a.N; ++p) {
    const bool ground = p == a.N - 1;
    CircuitRow row;
    row[0] = std::to_string(p);
    row[1] = cell(a.Target[p]);
    if (!ground) {
      row[2] = cell(a.DesignedE96Db[p]);
      row[3] = cell(a.DesignedE24Db[p]);
      row[7] = cell(a.CompensatedE96Db[p]);
      row[8] = cell(a.CompensatedE24Db[p]);
      row[9] = cell(a.BandLowDb[p]);
      row[10] = cell(a.BandHighDb[p]);
    }
    if (p > 0) {
      row[4] = cell(a.Compensated[p]);
      row[5] = cell(a.CompensatedE96[p]);
      row[6] = cell(a.CompensatedE24[p]);
    }
    row[11] = cell(a.ZoutOhms[p]);
    row[12] = cell(a.ZinOhms[p]);
    if (!ground && a.F3dbHz[p]) row[13] = cell(*a.F3dbHz[p]);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string CircuitTableText(const CircuitAnalysis& analysis, char separator) {
  std::string text;
  const auto line = [&text](const auto& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) text += '\t';
      text += cells[i];
    }
    text += '\n';
  };
  line(kCircuitColumns);
  for (const CircuitRow& row : CircuitCells(analysis, separator)) line(row);
  return text;
}

}  // namespace design
