// The fitted strings into the load, the channel difference and the search
// for the single part swap that lowers it most.
#include "circuit/as_built.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "circuit/kinds.h"

namespace circuit {
namespace {

// The whole load from the whole source: a balanced channel is one loop.
Surroundings ChannelSurroundings(const CircuitInputs& inputs) {
  return {inputs.SourceOhms, inputs.LoadOhms};
}

// A fitted string as the parts of the string's chains: resistor k is part k - 1.
PartOhms AsParts(const OhmsColumn& string) { return PartOhms(string.begin() + 1, string.end()); }

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

// Position p's attenuation as Attenuation works it from `parts`, with
// `sums` the running sums of parts that differ from `parts` at most in
// nodes off p's chain: p's own elements are summed again along their paths
// from the empty sum, in PartialSums' order, and `sums` comes back as it
// was. O(N) for a string, where the whole column costs N logarithms.
double AttenuationAt(const Network& net, const PartOhms& parts, NodeOhms& sums, int p,
                     const Surroundings& around, std::vector<int>& path) {
  std::array<std::pair<int, double>, 2> kept{};
  std::size_t count = 0;
  for (int e = net.ChainStart[p]; e < net.ChainStart[p + 1] && count < kept.size(); ++e) {
    const int top = net.Elements[static_cast<std::size_t>(e)].Sum;
    if (top == 0) continue;
    path.clear();
    for (int node = top; node > 0; node = net.Sums[static_cast<std::size_t>(node)].Parent) {
      path.push_back(node);
    }
    double sum = 0.0;
    for (auto node = path.rbegin(); node != path.rend(); ++node) {
      sum = sum + parts[static_cast<std::size_t>(net.Sums[static_cast<std::size_t>(*node)].Part)];
    }
    kept[count++] = {top, sums[static_cast<std::size_t>(top)]};
    sums[static_cast<std::size_t>(top)] = sum;
  }
  double zin = 0.0;
  const double db = RatioDb(Ratio(net, p, sums, sums, around, zin));
  while (count > 0) {
    const auto& [node, ohms] = kept[--count];
    sums[static_cast<std::size_t>(node)] = ohms;
  }
  return db;
}

}  // namespace

// The part of `series` that `ohms` is exactly, as the series holds it or as
// its decimal, or none. The single tables hold a decade's last value twice,
// at the top of its decade and as the next decade's entry 0 (E96 its first
// value too, above the decade below), with singles a few units apart in the
// last place; the nearest-value search finds one entry for both, so the
// entries up to two either side of it are looked at too. Past 1e36 ohms
// those could lie beyond the tables, and only the nearest is.
std::optional<design::DecimalValue> PartOf(double ohms, const design::Series& series) {
  if (!(ohms > 0.0) || !std::isfinite(ohms)) return std::nullopt;
  const design::DecimalValue decimal = series.NearestExact(ohms);
  if (decimal.Ohms() == ohms) return decimal;
  const int centre = series.NearestIndex(ohms);
  const int either = ohms < 1e36 ? 2 : 0;
  for (int index = std::max(0, centre - either); index <= centre + either; ++index) {
    if (series.Value(index) == ohms) return series.Decimal(index);
  }
  return std::nullopt;
}

int FittedStringCount(bool balanced) { return balanced ? 4 : 2; }

int ChannelOf(int column, bool balanced) { return balanced ? column / 2 : column; }

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
  const Network& chains = KeptStringChains(a.N);
  OhmsColumn string;
  for (int channel = 0; channel < 2; ++channel) {
    ChannelString(fitted, a.Balanced, channel, string);
    Attenuation(chains, AsParts(string), around, a.Db[channel]);
    a.Worst[channel] = WorstOfColumn(chains, a.Db[channel], a.Target);
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
  const design::Series& series = *circuit.Sets[0].RoundedIn;
  const OhmsColumn* designed = DesignedOf(circuit);
  const Surroundings around = ChannelSurroundings(circuit.Inputs);
  const Network& chains = KeptStringChains(circuit.N);
  std::array<PartOhms, 2> strings;
  std::array<PositionColumn, 2> db;
  std::array<WorstPoint, 2> deviation;
  OhmsColumn string;
  for (int channel = 0; channel < 2; ++channel) {
    ChannelString(fitted, balanced, channel, string);
    strings[channel] = AsParts(string);
    Attenuation(chains, strings[channel], around, db[channel]);
    deviation[channel] = WorstOfColumn(chains, db[channel], circuit.Target);
  }
  const WorstPoint worstBefore = WorstDifferenceOf(db[0], db[1]);
  const double before = worstBefore.Db;

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
  std::array<NodeOhms, 2> sums;
  for (int channel = 0; channel < 2; ++channel) {
    PartialSums(chains, strings[channel], 1.0, sums[channel]);
  }
  std::vector<int> path;
  NodeOhms trialSums;
  struct Trial {
    double Ohms;
    std::optional<design::DecimalValue> Part;  // the series value it is, if any
  };
  std::vector<Trial> values;
  std::vector<design::DecimalValue> nearby;  // the series values around a part
  const int columns = FittedStringCount(balanced);
  for (int k = 1; k < circuit.N; ++k) {
    // The parts the values at this resistor are, each looked up once.
    std::array<std::optional<design::DecimalValue>, 4> fittedParts;
    for (int column = 0; column < columns; ++column) {
      fittedParts[column] = PartOf(fitted[column][k], series);
    }
    const std::optional<design::DecimalValue> designedPart =
        designed ? PartOf((*designed)[k], series) : std::nullopt;
    for (int column = 0; column < columns; ++column) {
      const int channel = ChannelOf(column, balanced);
      const double fittedOhms = fitted[column][k];
      const double partner = balanced ? fitted[column ^ 1][k] : 0.0;
      // The builder's own numbers first, then the series values around the
      // part that are not the same part as one of those.
      values.clear();
      const int otherColumn = OtherChannelColumn(column, balanced);
      const double otherChannel = fitted[otherColumn][k];
      values.push_back(designed ? Trial{(*designed)[k], designedPart}
                                : Trial{otherChannel, fittedParts[otherColumn]});
      values.push_back({otherChannel, fittedParts[otherColumn]});
      series.Around(fittedOhms, 3, nearby);
      for (const design::DecimalValue& value : nearby) {
        if (value != values[0].Part && value != values[1].Part) {
          values.push_back({value.Ohms(), value});
        }
      }
      std::sort(values.begin(), values.end(),
                [](const Trial& a, const Trial& b) { return a.Ohms < b.Ohms; });
      values.erase(std::unique(values.begin(), values.end(),
                               [](const Trial& a, const Trial& b) { return a.Ohms == b.Ohms; }),
                   values.end());
      const std::optional<design::DecimalValue>& fittedPart = fittedParts[column];
      for (const auto& [ohms, part] : values) {
        // The part itself, exactly or as another value of the same decimal;
        // a value the string could not hold once changed.
        if (ohms == fittedOhms || (fittedPart && part == fittedPart)) continue;
        if (!Takes(ohms, designed, k)) continue;
        // In the same order ChannelString adds a balanced pair: hot + cold.
        const double sum = !balanced ? ohms : (column % 2 == 0 ? ohms + partner : partner + ohms);
        double& resistor = strings[channel][static_cast<std::size_t>(k - 1)];
        const double kept = resistor;
        resistor = sum;
        // Most values cannot help: the difference must fall by the
        // worthwhile step at every position, and where the channels parted
        // most before is the likeliest to say no, at the cost of one
        // position's sums. Then the rest, each as Attenuation works it,
        // until one says no.
        const int at = worstBefore.Position;
        const auto helpsAt = [&](int p, double moved) {
          return !(before - std::fabs(moved - db[1 - channel][p]) < kWorthwhileChangeDb);
        };
        bool helps = !HasOutput(chains, at) ||
                     helpsAt(at, AttenuationAt(chains, strings[channel], sums[channel], at,
                                               around, path));
        if (helps) {
          PartialSums(chains, strings[channel], 1.0, trialSums);
          const int n = static_cast<int>(db[channel].size());
          changed.assign(db[channel].size(), 0.0);
          for (int p = 0; p < n && helps; ++p) {
            if (!HasOutput(chains, p)) continue;
            double zin = 0.0;
            changed[p] = RatioDb(Ratio(chains, p, trialSums, trialSums, around, zin));
            helps = p > n - 2 || helpsAt(p, changed[p]);
          }
        }
        resistor = kept;
        if (!helps) continue;
        const double after = channel == 0 ? WorstDifferenceOf(changed, db[1]).Db
                                          : WorstDifferenceOf(db[0], changed).Db;
        if (!(before - after >= kWorthwhileChangeDb)) continue;
        const double other = deviation[1 - channel].Db;
        const double own = WorstOfColumn(chains, changed, circuit.Target).Db;
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
    if (c.Change.WorstAfterDb <= lowest + kChangeTieDb)
      calmest = std::min(calmest, c.WorseDeviation);
  }
  for (const Candidate& c : candidates) {
    if (c.Change.WorstAfterDb <= lowest + kChangeTieDb &&
        c.WorseDeviation <= calmest + kChangeTieDb) {
      return c.Change;
    }
  }
  return std::nullopt;
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

}  // namespace circuit
