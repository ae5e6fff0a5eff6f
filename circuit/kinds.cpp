// The chains and ideal parts of the string, the ladder, the shunt and the
// relay ladder.
#include "circuit/kinds.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace circuit {
namespace {

// 10^(-db/20), and 1 minus it formed without cancelling near 0 dB.
double Amplitude(double db) { return std::pow(10.0, -db / 20.0); }
double Shortfall(double db) { return -std::expm1(-db / 20.0 * std::numbers::ln10); }

void Begin(KindDesign& design) {
  design.Net = Network{};
  design.Ideal.clear();
  design.Targets.clear();
  design.Sections.clear();
  design.NoShuntAt.clear();
  design.NoTermination = false;
}

int Part(KindDesign& design, const std::string& name, double ohms) {
  design.Ideal.push_back(ohms);
  return AddPart(design.Net, name);
}

// An element of one part, or a wire, or nothing.
void AddOne(Network& net, Place where, int part) {
  if (part == kOpen) return AddOpen(net, where);
  AddElement(net, where, part == kWire ? std::vector<int>{} : std::vector<int>{part});
}

// A one-section position: its series part (or a wire), its shunt part
// (or a wire or nothing).
void AddSection(KindDesign& design, Section section) {
  AddPosition(design.Net);
  AddOne(design.Net, Place::Series, section.Series);
  AddOne(design.Net, Place::Shunt, section.Shunt);
  design.Sections.push_back(section);
}

}  // namespace

void StringDesign(double totalOhms, const TargetColumn& targets, const Surroundings& around,
                  KindDesign& design) {
  Begin(design);
  const int n = static_cast<int>(targets.size()) + 1;
  circuit::OhmsColumn resistors;
  circuit::CompensatedString(totalOhms, targets, around, resistors);
  if (resistors.size() != static_cast<std::size_t>(n)) return;
  design.Ideal.assign(resistors.begin() + 1, resistors.end());
  design.Net = KeptStringChains(n);
  design.Targets = targets;
}

void StringChains(int n, Network& net) {
  net = Network{};
  if (n < 1) return;
  const std::size_t size = static_cast<std::size_t>(n);
  net.Terms.reserve(size * (size - 1));
  net.Elements.reserve(2 * size);
  net.Sums.reserve(2 * size);
  for (int k = 1; k <= n - 1; ++k) {
    AddPart(net, "R" + std::to_string(k));
    net.Users.back().reserve(size);
    net.Holding.back().reserve(size);
  }
  std::vector<int> above, below;
  for (int p = 0; p < n; ++p) {
    above.clear();
    below.clear();
    for (int k = 1; k <= p; ++k) above.push_back(k - 1);
    for (int k = n - 1; k >= p + 1; --k) below.push_back(k - 1);
    AddPosition(net);
    AddElement(net, Place::Series, above);
    AddElement(net, Place::Shunt, below);
  }
}

const Network& KeptStringChains(int n) {
  thread_local std::array<std::optional<Network>, kMaxStringPositions + 1> kept;
  thread_local Network other;
  if (n < 1 || n > kMaxStringPositions) {
    StringChains(n, other);
    return other;
  }
  std::optional<Network>& chains = kept[static_cast<std::size_t>(n)];
  if (!chains) StringChains(n, chains.emplace());
  return *chains;
}

void LadderDesign(double ohms, const TargetColumn& targets, const Surroundings& around,
                  KindDesign& design) {
  Begin(design);
  const int n = static_cast<int>(targets.size()) + 1;
  const double rl = around.LoadOhms;
  std::vector<Section> sections(static_cast<std::size_t>(n));
  for (int p = 1; p <= n - 1; ++p) {
    const double s = p == n - 1 ? ohms : ohms * Shortfall(targets[p]);
    if (s > 0.0) sections[p].Series = Part(design, "S" + std::to_string(p), s);
  }
  for (int p = 0; p <= n - 2; ++p) {
    const double y = Amplitude(targets[p]) * ohms;  // the shunt and load together
    if (rl > 0.0 && !(rl > y)) {
      design.NoShuntAt.push_back(p);
      continue;
    }
    const double shunt = rl > 0.0 ? y * rl / (rl - y) : y;
    sections[p].Shunt = Part(design, "P" + std::to_string(p), shunt);
  }
  sections[n - 1].Shunt = kWire;
  for (const Section& section : sections) AddSection(design, section);
  design.Targets = targets;
}

void ShuntDesign(double seriesOhms, const TargetColumn& targets, const Surroundings& around,
                 KindDesign& design) {
  Begin(design);
  const int n = static_cast<int>(targets.size()) + 1;
  const double rl = around.LoadOhms;
  const double s = around.SourceOhms + seriesOhms;
  const int x = Part(design, "X", seriesOhms);
  for (int p = 0; p <= n - 1; ++p) {
    Section section{x, p == 0 ? kOpen : kWire};
    if (p >= 1 && p <= n - 2) {
      const double a = Amplitude(targets[p]);
      const double shortfall = Shortfall(targets[p]);
      const double y = rl > 0.0 ? s * a * rl / (shortfall * (s + rl)) : s * a / shortfall;
      // At 0 dB no shunt is wanted at all.
      section.Shunt =
          std::isfinite(y) && y > 0.0 ? Part(design, "Y" + std::to_string(p), y) : kOpen;
    }
    AddSection(design, section);
  }
  design.Targets = targets;
}

void RelayDesign(double ohms, int stages, double stepDb, const Surroundings& around,
                 KindDesign& design) {
  Begin(design);
  if (stages < 1 || stages > kMaxRelayStages) return;
  std::vector<int> series(static_cast<std::size_t>(stages)), shunt(series.size());
  for (int i = 1; i <= stages; ++i) {
    const double db = stepDb * std::ldexp(1.0, i - 1);
    series[i - 1] = Part(design, "S" + std::to_string(i), ohms * Shortfall(db));
  }
  for (int i = 1; i <= stages; ++i) {
    const double db = stepDb * std::ldexp(1.0, i - 1);
    shunt[i - 1] = Part(design, "H" + std::to_string(i), ohms * Amplitude(db) / Shortfall(db));
  }
  const double rl = around.LoadOhms;
  design.NoTermination = rl > 0.0 && !(rl > ohms);
  const int t =
      design.NoTermination ? kOpen : Part(design, "T", rl > 0.0 ? ohms * rl / (rl - ohms) : ohms);
  const int codes = 1 << stages;
  for (int c = 0; c < codes; ++c) {
    AddPosition(design.Net);
    for (int i = 1; i <= stages; ++i) {
      if ((c & (1 << (i - 1))) == 0) continue;
      AddElement(design.Net, Place::Series, {series[i - 1]});
      AddElement(design.Net, Place::Shunt, {shunt[i - 1]});
    }
    AddOne(design.Net, Place::Shunt, t);
    design.Targets.push_back(static_cast<double>(c) * stepDb);
  }
}

}  // namespace circuit
