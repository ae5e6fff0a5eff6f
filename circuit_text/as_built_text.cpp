// The as-built window's texts and the reading of its cells.
#include "circuit_text/as_built_text.h"

#include <algorithm>
#include <cmath>

#include "circuit_text/string_table.h"
#include "notation/builder_value.h"

namespace circuit_text {
namespace {

std::string Value(double ohms, char separator) {
  return notation::WriteBuilderValue(ohms, separator);
}

}  // namespace

std::string StringHeading(int column, bool balanced) {
  std::string heading = circuit::ChannelOf(column, balanced) == 0 ? "Left" : "Right";
  if (balanced) heading += column % 2 == 0 ? " hot" : " cold";
  return heading;
}

std::string StringName(int column, bool balanced) {
  std::string name = StringHeading(column, balanced);
  name[0] = static_cast<char>(name[0] - 'A' + 'a');
  return name;
}

std::string FittedText(double ohms, const design::Series* series, char separator) {
  if (series) {
    if (const std::optional<design::DecimalValue> part = circuit::PartOf(ohms, *series)) {
      return Value(part->Ohms(), separator);
    }
  }
  return Value(ohms, separator);
}

std::string BestChangeText(const circuit::AsBuiltAnalysis& analysis, char separator) {
  const std::string worst = notation::DecibelText(analysis.WorstDifference.Db, separator);
  if (!analysis.Best) {
    if (!(analysis.WorstDifference.Db < circuit::kWorthwhileChangeDb)) {
      return std::string("No single change lowers the worst channel difference by 0") + separator +
             "01 dB or more.";
    }
    if (!analysis.Misfits.empty()) {
      return "The channels agree within " + worst + " dB; check the likely misfits.";
    }
    return "No change needed: the channels already agree within " + worst + " dB.";
  }
  const circuit::SingleChange& c = *analysis.Best;
  return "Best single change: R" + std::to_string(c.Resistor) + " " +
         StringName(c.Column, analysis.Balanced) + " " +
         FittedText(c.FromOhms, analysis.FirstSeries, separator) + " \u2192 " +
         FittedText(c.To.Ohms(), analysis.FirstSeries, separator) + ", worst channel difference " +
         notation::DecibelText(c.WorstBeforeDb, separator) + " \u2192 " +
         notation::DecibelText(c.WorstAfterDb, separator) + " dB";
}

std::string AsBuiltSummary(const circuit::AsBuiltAnalysis& analysis, char separator) {
  if (analysis.N < 2) return {};
  std::string text;
  const char* names[2] = {"Left", "Right"};
  for (int channel = 0; channel < 2; ++channel) {
    const circuit::WorstPoint& worst = analysis.Worst[channel];
    text += std::string(names[channel]) + " channel: worst deviation " +
            notation::DecibelText(worst.Db, separator) + " dB";
    if (analysis.N > 2) text += " at position " + std::to_string(worst.Position);
    text += ".\n";
  }
  text += "Worst channel difference " +
          notation::DecibelText(analysis.WorstDifference.Db, separator) + " dB at position " +
          std::to_string(analysis.WorstDifference.Position) + ".\n";
  const int misfits = static_cast<int>(analysis.Misfits.size());
  for (int i = 0; i < misfits && i < kMisfitLines; ++i) {
    const circuit::Misfit& m = analysis.Misfits[static_cast<std::size_t>(i)];
    text += "Likely misfit: R" + std::to_string(m.Resistor) + " " +
            StringName(m.Column, analysis.Balanced) + " is " +
            FittedText(m.FittedOhms, analysis.FirstSeries, separator) + ", designed " +
            FittedText(m.DesignedOhms, analysis.FirstSeries, separator) + ".\n";
  }
  if (misfits > kMisfitLines) {
    const int more = misfits - kMisfitLines;
    text += std::to_string(more) + " more likely misfit" + (more == 1 ? " is" : "s are") +
            " marked in the table.\n";
  }
  text += BestChangeText(analysis, separator);
  return text;
}

std::string AsBuiltHeader(bool balanced) {
  return balanced ? "position\ttarget_dB\tleft_hot_ohm\tleft_cold_ohm\tright_hot_ohm\t"
                    "right_cold_ohm\tleft_dB\tright_dB\tleft_dev_dB\tright_dev_dB\tdifference_dB"
                  : "position\ttarget_dB\tleft_ohm\tright_ohm\tleft_dB\tright_dB\t"
                    "left_dev_dB\tright_dev_dB\tdifference_dB";
}

std::vector<std::vector<std::string>> AsBuiltCells(const circuit::AsBuiltAnalysis& analysis,
                                                   const circuit::FittedStrings& fitted,
                                                   char separator) {
  std::vector<std::vector<std::string>> rows;
  const int n = analysis.N;
  if (n < 2 || static_cast<int>(fitted.size()) != circuit::FittedStringCount(analysis.Balanced)) {
    return rows;
  }
  for (int p = 0; p < n; ++p) {
    std::vector<std::string> row;
    const bool ground = p == n - 1;
    const auto db = [&](double value) {
      return ground ? std::string() : PlainDecimal(value, separator);
    };
    row.push_back(std::to_string(p));
    row.push_back(ground ? std::string() : PlainDecimal(analysis.Target[p], separator));
    for (const circuit::OhmsColumn& string : fitted) {
      row.push_back(p == 0 ? std::string() : PlainDecimal(string[p], separator));
    }
    row.push_back(db(analysis.Db[0][p]));
    row.push_back(db(analysis.Db[1][p]));
    row.push_back(ground ? std::string()
                         : db(circuit::Deviation(analysis.Db[0], p, analysis.Target)));
    row.push_back(ground ? std::string()
                         : db(circuit::Deviation(analysis.Db[1], p, analysis.Target)));
    row.push_back(db(analysis.DifferenceDb[p]));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string AsBuiltTableText(const circuit::AsBuiltAnalysis& analysis,
                             const circuit::FittedStrings& fitted, char separator) {
  std::string text = AsBuiltHeader(analysis.Balanced) + "\n";
  for (const auto& row : AsBuiltCells(analysis, fitted, separator)) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text += '\t';
      text += row[i];
    }
    text += '\n';
  }
  return text;
}

bool ReadFittedCell(std::string_view text, char separator, double& ohms) {
  double value = 0.0;
  if (!notation::ReadBuilderValue(text, separator, notation::BuilderUnit::Ohms, value))
    return false;
  if (!(value >= circuit::kSmallestFittedOhms) || !(value <= circuit::kLargestFittedOhms))
    return false;
  ohms = value;
  return true;
}

std::string RefusedCellMessage(int resistor, int column, bool balanced, std::string_view text,
                               char separator) {
  const std::string trouble =
      notation::BuilderValueTrouble(text, separator, notation::BuilderUnit::Ohms);
  return "R" + std::to_string(resistor) + " " + StringName(column, balanced) + ": \"" +
         std::string(text) + "\" is not a resistance" +
         (trouble.empty() ? std::string(" from 1u to 1T ohms") : ": " + trouble) +
         "; the cell keeps its value.";
}

PasteOutcome PasteFitted(std::string_view text, char separator, int resistor, int column,
                         bool balanced, circuit::FittedStrings& fitted) {
  PasteOutcome outcome;
  if (fitted.empty()) return outcome;
  const int n = static_cast<int>(fitted[0].size());
  const int columns = static_cast<int>(fitted.size());
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  if (text.empty()) return outcome;
  int line = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view lineText = text.substr(start, end - start);
    if (!lineText.empty() && lineText.back() == '\r') lineText.remove_suffix(1);
    const int k = resistor + line;
    if (k >= n) {
      ++outcome.LinesBeyond;
    } else {
      int cell = 0;
      std::size_t from = 0;
      while (from <= lineText.size()) {
        std::size_t to = lineText.find('\t', from);
        if (to == std::string_view::npos) to = lineText.size();
        const std::string_view cellText = lineText.substr(from, to - from);
        const int c = column + cell;
        if (c >= columns) {
          ++outcome.CellsBeyond;
        } else if (ReadFittedCell(cellText, separator, fitted[c][k])) {
          ++outcome.Written;
        } else {
          if (outcome.Refused++ == 0) {
            outcome.FirstRefused = RefusedCellMessage(k, c, balanced, cellText, separator);
          }
        }
        ++cell;
        from = to + 1;
      }
    }
    ++line;
    start = end + 1;
  }
  return outcome;
}

std::string PasteMessage(const PasteOutcome& outcome) {
  std::string message;
  if (outcome.Refused > 0) {
    message += outcome.FirstRefused;
    if (outcome.Refused > 1) {
      message += " " + std::to_string(outcome.Refused - 1) + " more pasted cell" +
                 (outcome.Refused > 2 ? "s were" : " was") + " not one either.";
    }
  }
  const auto count = [](int n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  };
  if (outcome.LinesBeyond > 0 || outcome.CellsBeyond > 0) {
    if (!message.empty()) message += "\n";
    message += "Beyond the table and not used: ";
    if (outcome.LinesBeyond > 0) message += count(outcome.LinesBeyond, "line");
    if (outcome.LinesBeyond > 0 && outcome.CellsBeyond > 0) message += " and ";
    if (outcome.CellsBeyond > 0) message += count(outcome.CellsBeyond, "cell");
    message += ".";
  }
  return message;
}

std::string_view FitMarkName(circuit::FitMark mark) {
  switch (mark) {
    case circuit::FitMark::AsDesigned:
      return "as designed";
    case circuit::FitMark::BeyondTolerance:
      return "beyond tolerance";
    case circuit::FitMark::LikelyMisfit:
      return "likely misfit";
  }
  return {};
}

}  // namespace circuit_text
