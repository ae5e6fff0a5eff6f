// The fitted strings into the load, the channel difference and the search
// for the single part swap that lowers it most.
#include "design/as_built.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "design/in_circuit_text.h"
#include "notation/builder_value.h"

namespace design {
namespace {

// The whole load from the whole source: a balanced channel is one loop.
Surroundings ChannelSurroundings(const CircuitInputs& inputs) {
  return {inputs.SourceOhms, inputs.LoadOhms};
}

WorstPoint WorstOfColumn(const PositionColumn& atten, const TargetColumn& targets) {
  WorstPoint worst;
  const int n = static_cast<int>(atten.size());
  for (int p = 1; p <= n - 2; ++p) {
    const double error = std::fabs(Deviation(atten, p, targets));
    if (error > worst.Db) worst = {error, p};
  }
  return worst;
}

WorstPoint WorstDifferenceOf(const PositionColumn& left, const PositionColumn& right) {
  WorstPoint worst;
  const int n = static_cast<int>(left.size());
  for (int p = 0; p <= n - 2; ++p) {
    const double difference = std::fabs(left[p] - right[p]);
    if (difference > worst.Db) worst = {difference, p};
  }
  return worst;
}

// The first set's values, what the builder was told to fit; null when the
// analysis has no first set of N values.
const OhmsColumn* DesignedOf(const CircuitAnalysis& circuit) {
  if (circuit.Sets.empty()) return nullptr;
  const OhmsColumn& designed = circuit.Sets[0].Parts.Ohms;
  return static_cast<int>(designed.size()) == circuit.N ? &designed : nullptr;
}

// Whether resistor k of a fitted string can hold `ohms`: what a cell takes
// typed, or the designed value, which analysed into finite figures already.
bool Takes(double ohms, const OhmsColumn* designed, int k) {
  if (ohms >= kSmallestFittedOhms && ohms <= kLargestFittedOhms) return true;
  return designed && ohms == (*designed)[k] && ohms > 0.0 && std::isfinite(ohms);
}

bool Fits(const CircuitAnalysis& circuit, const FittedStrings& fitted) {
  if (circuit.N < 2 || circuit.Sets.empty()) return false;
  if (static_cast<int>(fitted.size()) != FittedStringCount(circuit.Balanced)) return false;
  const OhmsColumn* designed = DesignedOf(circuit);
  for (const OhmsColumn& string : fitted) {
    if (static_cast<int>(string.size()) != circuit.N) return false;
    for (int k = 1; k < circuit.N; ++k) {
      if (!Takes(string[k], designed, k)) return false;
    }
  }
  return true;
}

// The string of the other channel in the same place: the other channel's
// string, or the same leg of the other channel.
int OtherChannelColumn(int column, bool balanced) { return balanced ? column ^ 2 : column ^ 1; }

// The part of `series` that `ohms` is exactly, as the series holds it or as
// its decimal, or none. The single tables hold a decade's last value twice,
// at the top of its decade and as the next decade's entry 0 (E96 its first
// value too, above the decade below), with singles a few units apart in the
// last place; the nearest-value search finds one entry for both, so the
// entries up to two either side of it are looked at too. Past 1e36 ohms
// those could lie beyond the tables, and only the nearest is.
std::optional<DecimalValue> PartOf(double ohms, const Series& series) {
  if (!(ohms > 0.0) || !std::isfinite(ohms)) return std::nullopt;
  const std::vector<DecimalValue> decimal = series.Around(ohms, 0);
  if (decimal.size() == 1 && decimal[0].Ohms() == ohms) return decimal[0];
  const int centre = series.NearestIndex(ohms);
  const int either = ohms < 1e36 ? 2 : 0;
  for (int index = std::max(0, centre - either); index <= centre + either; ++index) {
    if (series.Value(index) == ohms) return series.Decimal(index);
  }
  return std::nullopt;
}

std::string Value(double ohms, char separator) {
  return notation::WriteBuilderValue(ohms, separator);
}

}  // namespace

int FittedStringCount(bool balanced) { return balanced ? 4 : 2; }

int ChannelOf(int column, bool balanced) { return balanced ? column / 2 : column; }

std::string StringHeading(int column, bool balanced) {
  std::string heading = ChannelOf(column, balanced) == 0 ? "Left" : "Right";
  if (balanced) heading += column % 2 == 0 ? " hot" : " cold";
  return heading;
}

std::string StringName(int column, bool balanced) {
  std::string name = StringHeading(column, balanced);
  name[0] = static_cast<char>(name[0] - 'A' + 'a');
  return name;
}

void DesignedFitted(const CircuitAnalysis& circuit, FittedStrings& fitted) {
  fitted.clear();
  if (circuit.N < 2 || circuit.Sets.empty()) return;
  fitted.assign(static_cast<std::size_t>(FittedStringCount(circuit.Balanced)),
                circuit.Sets[0].Parts.Ohms);
}

void ChannelString(const FittedStrings& fitted, bool balanced, int channel, OhmsColumn& string) {
  if (!balanced) {
    string = fitted[static_cast<std::size_t>(channel)];
    return;
  }
  const OhmsColumn& hot = fitted[static_cast<std::size_t>(2 * channel)];
  const OhmsColumn& cold = fitted[static_cast<std::size_t>(2 * channel + 1)];
  string.assign(hot.size(), 0.0);
  for (std::size_t k = 1; k < hot.size(); ++k) string[k] = hot[k] + cold[k];
}

bool AnalyseAsBuilt(const CircuitAnalysis& circuit, const FittedStrings& fitted,
                    AsBuiltAnalysis& analysis) {
  analysis = {};
  if (!Fits(circuit, fitted)) return false;
  AsBuiltAnalysis& a = analysis;
  a.N = circuit.N;
  a.Balanced = circuit.Balanced;
  a.Target = circuit.Target;
  a.FirstSeries = circuit.Sets[0].RoundedIn;
  MarkFittedStrings(circuit, fitted, a.Marks);
  if (const OhmsColumn* designed = DesignedOf(circuit)) {
    for (int k = 1; k < a.N; ++k) {
      for (std::size_t column = 0; column < fitted.size(); ++column) {
        if (a.Marks[column][k] != FitMark::LikelyMisfit) continue;
        a.Misfits.push_back({k, static_cast<int>(column), fitted[column][k], (*designed)[k]});
      }
    }
  }
  const Surroundings around = ChannelSurroundings(circuit.Inputs);
  OhmsColumn string;
  for (int channel = 0; channel < 2; ++channel) {
    ChannelString(fitted, a.Balanced, channel, string);
    LoadedAttenuation(string, around, a.Db[channel]);
    a.Worst[channel] = WorstOfColumn(a.Db[channel], a.Target);
  }
  a.DifferenceDb.assign(static_cast<std::size_t>(a.N), 0.0);
  for (int p = 0; p <= a.N - 2; ++p) a.DifferenceDb[p] = a.Db[0][p] - a.Db[1][p];
  a.WorstDifference = WorstDifferenceOf(a.Db[0], a.Db[1]);
  a.Best = BestSingleChange(circuit, fitted);
  return true;
}

std::optional<SingleChange> BestSingleChange(const CircuitAnalysis& circuit,
                                             const FittedStrings& fitted) {
  if (!Fits(circuit, fitted)) return std::nullopt;
  const bool balanced = circuit.Balanced;
  const Series& series = *circuit.Sets[0].RoundedIn;
  const OhmsColumn* designed = DesignedOf(circuit);
  const Surroundings around = ChannelSurroundings(circuit.Inputs);
  std::array<OhmsColumn, 2> strings;
  std::array<PositionColumn, 2> db;
  std::array<WorstPoint, 2> deviation;
  for (int channel = 0; channel < 2; ++channel) {
    ChannelString(fitted, balanced, channel, strings[channel]);
    LoadedAttenuation(strings[channel], around, db[channel]);
    deviation[channel] = WorstOfColumn(db[channel], circuit.Target);
  }
  const double before = WorstDifferenceOf(db[0], db[1]).Db;

  // Each candidate in the order of the last tie rules (resistor, column,
  // value), with its worst difference and the worse of the two channels'
  // worst deviations. A candidate changes one channel's string at one
  // resistor, so only that channel is walked again: O(N) per candidate.
  struct Candidate {
    SingleChange Change;
    double WorseDeviation;
  };
  std::vector<Candidate> candidates;
  PositionColumn changed;
  struct Trial {
    double Ohms;
    std::optional<DecimalValue> Part;  // the series value it is, if any
  };
  std::vector<Trial> values;
  const int columns = FittedStringCount(balanced);
  for (int k = 1; k < circuit.N; ++k) {
    for (int column = 0; column < columns; ++column) {
      const int channel = ChannelOf(column, balanced);
      const double fittedOhms = fitted[column][k];
      const double partner = balanced ? fitted[column ^ 1][k] : 0.0;
      // The builder's own numbers first, then the series values around the
      // part that are not the same part as one of those.
      values.clear();
      const double otherChannel = fitted[OtherChannelColumn(column, balanced)][k];
      for (const double ohms : {designed ? (*designed)[k] : otherChannel, otherChannel}) {
        values.push_back({ohms, PartOf(ohms, series)});
      }
      for (const DecimalValue& value : series.Around(fittedOhms, 3)) {
        if (value != values[0].Part && value != values[1].Part) {
          values.push_back({value.Ohms(), value});
        }
      }
      std::sort(values.begin(), values.end(),
                [](const Trial& a, const Trial& b) { return a.Ohms < b.Ohms; });
      values.erase(std::unique(values.begin(), values.end(),
                               [](const Trial& a, const Trial& b) { return a.Ohms == b.Ohms; }),
                   values.end());
      const std::optional<DecimalValue> fittedPart = PartOf(fittedOhms, series);
      for (const auto& [ohms, part] : values) {
        // The part itself, exactly or as another value of the same decimal;
        // a value the string could not hold once changed.
        if (ohms == fittedOhms || (fittedPart && part == fittedPart)) continue;
        if (!Takes(ohms, designed, k)) continue;
        // In the same order ChannelString adds a balanced pair: hot + cold.
        const double sum = !balanced ? ohms : (column % 2 == 0 ? ohms + partner : partner + ohms);
        const double kept = strings[channel][k];
        strings[channel][k] = sum;
        LoadedAttenuation(strings[channel], around, changed);
        strings[channel][k] = kept;
        const double after = channel == 0 ? WorstDifferenceOf(changed, db[1]).Db
                                          : WorstDifferenceOf(db[0], changed).Db;
        if (!(before - after >= kWorthwhileChangeDb)) continue;
        const double other = deviation[1 - channel].Db;
        const double own = WorstOfColumn(changed, circuit.Target).Db;
        candidates.push_back(
            {{k, column, fittedOhms, {ohms}, before, after}, own > other ? own : other});
      }
    }
  }
  if (candidates.empty()) return std::nullopt;
  // The lowest difference; among those within the tie of it, the lowest
  // worse deviation; among those within the tie of that, the first in order.
  double lowest = candidates[0].Change.WorstAfterDb;
  for (const Candidate& c : candidates) lowest = std::min(lowest, c.Change.WorstAfterDb);
  double calmest = std::numeric_limits<double>::infinity();
  for (const Candidate& c : candidates) {
    if (c.Change.WorstAfterDb <= lowest + kChangeTieDb) calmest = std::min(calmest, c.WorseDeviation);
  }
  for (const Candidate& c : candidates) {
    if (c.Change.WorstAfterDb <= lowest + kChangeTieDb &&
        c.WorseDeviation <= calmest + kChangeTieDb) {
      return c.Change;
    }
  }
  return std::nullopt;
}

std::string FittedText(double ohms, const Series* series, char separator) {
  if (series) {
    if (const std::optional<DecimalValue> part = PartOf(ohms, *series)) {
      return Value(part->Ohms(), separator);
    }
  }
  return Value(ohms, separator);
}

std::string BestChangeText(const AsBuiltAnalysis& analysis, char separator) {
  const std::string worst = notation::DecibelText(analysis.WorstDifference.Db, separator);
  if (!analysis.Best) {
    if (!(analysis.WorstDifference.Db < kWorthwhileChangeDb)) {
      return std::string("No single change lowers the worst channel difference by 0") + separator +
             "01 dB or more.";
    }
    if (!analysis.Misfits.empty()) {
      return "The channels agree within " + worst + " dB; check the likely misfits.";
    }
    return "No change needed: the channels already agree within " + worst + " dB.";
  }
  const SingleChange& c = *analysis.Best;
  return "Best single change: R" + std::to_string(c.Resistor) + " " +
         StringName(c.Column, analysis.Balanced) + " " +
         FittedText(c.FromOhms, analysis.FirstSeries, separator) + " \u2192 " +
         FittedText(c.To.Ohms(), analysis.FirstSeries, separator) + ", worst channel difference " +
         notation::DecibelText(c.WorstBeforeDb, separator) + " \u2192 " +
         notation::DecibelText(c.WorstAfterDb, separator) + " dB";
}

std::string AsBuiltSummary(const AsBuiltAnalysis& analysis, char separator) {
  if (analysis.N < 2) return {};
  std::string text;
  const char* names[2] = {"Left", "Right"};
  for (int channel = 0; channel < 2; ++channel) {
    const WorstPoint& worst = analysis.Worst[channel];
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
    const Misfit& m = analysis.Misfits[static_cast<std::size_t>(i)];
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

std::vector<std::vector<std::string>> AsBuiltCells(const AsBuiltAnalysis& analysis,
                                                   const FittedStrings& fitted, char separator) {
  std::vector<std::vector<std::string>> rows;
  const int n = analysis.N;
  if (n < 2 || static_cast<int>(fitted.size()) != FittedStringCount(analysis.Balanced)) {
    return rows;
  }
  for (int p = 0; p < n; ++p) {
    std::vector<std::string> row;
    const bool ground = p == n - 1;
    const auto db = [&](double value) { return ground ? std::string() : PlainDecimal(value, separator); };
    row.push_back(std::to_string(p));
    row.push_back(ground ? std::string() : PlainDecimal(analysis.Target[p], separator));
    for (const OhmsColumn& string : fitted) {
      row.push_back(p == 0 ? std::string() : PlainDecimal(string[p], separator));
    }
    row.push_back(db(analysis.Db[0][p]));
    row.push_back(db(analysis.Db[1][p]));
    row.push_back(ground ? std::string() : db(Deviation(analysis.Db[0], p, analysis.Target)));
    row.push_back(ground ? std::string() : db(Deviation(analysis.Db[1], p, analysis.Target)));
    row.push_back(db(analysis.DifferenceDb[p]));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string AsBuiltTableText(const AsBuiltAnalysis& analysis, const FittedStrings& fitted,
                             char separator) {
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
  if (!notation::ReadBuilderValue(text, separator, notation::BuilderUnit::Ohms, value)) return false;
  if (!(value >= kSmallestFittedOhms) || !(value <= kLargestFittedOhms)) return false;
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
                         bool balanced, FittedStrings& fitted) {
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

FitMark MarkFitted(double fittedOhms, double designedOhms, double tolerancePercent) {
  if (!(fittedOhms > 0.0 && designedOhms > 0.0) || !std::isfinite(fittedOhms) ||
      !std::isfinite(designedOhms)) {
    return FitMark::LikelyMisfit;
  }
  const double ratio = fittedOhms / designedOhms;
  if (ratio > kMisfitRatio || ratio < 1.0 / kMisfitRatio) return FitMark::LikelyMisfit;
  if (std::fabs(fittedOhms - designedOhms) > designedOhms * tolerancePercent / 100.0) {
    return FitMark::BeyondTolerance;
  }
  return FitMark::AsDesigned;
}

std::string_view FitMarkName(FitMark mark) {
  switch (mark) {
    case FitMark::AsDesigned:
      return "as designed";
    case FitMark::BeyondTolerance:
      return "beyond tolerance";
    case FitMark::LikelyMisfit:
      return "likely misfit";
  }
  return {};
}

void MarkFittedStrings(const CircuitAnalysis& circuit, const FittedStrings& fitted,
                       FitMarks& marks) {
  const std::size_t n = static_cast<std::size_t>(std::max(circuit.N, 0));
  marks.assign(fitted.size(), std::vector<FitMark>(n, FitMark::AsDesigned));
  const OhmsColumn* designed = DesignedOf(circuit);
  if (!designed) return;
  for (std::size_t column = 0; column < fitted.size(); ++column) {
    if (fitted[column].size() != n) continue;
    for (std::size_t k = 1; k < n; ++k) {
      marks[column][k] =
          MarkFitted(fitted[column][k], (*designed)[k], circuit.Inputs.TolerancePercent);
    }
  }
}

}  // namespace design
