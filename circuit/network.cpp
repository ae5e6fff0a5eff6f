// Building chains of parts, and the divider arithmetic they share.
#include "circuit/network.h"

#include <cmath>
#include <utility>

namespace circuit {
namespace {

// The node that adds `part` to node `from`, made when no element has
// reached it yet.
int Extend(Network& net, int from, int part) {
  for (int child = net.Sums[from].FirstChild; child >= 0; child = net.Sums[child].NextSibling) {
    if (net.Sums[child].Part == part) return child;
  }
  const int node = static_cast<int>(net.Sums.size());
  net.Sums.push_back(SumNode{from, part, -1, net.Sums[from].FirstChild});
  net.Sums[from].FirstChild = node;
  for (int at = node; at > 0; at = net.Sums[at].Parent) {
    net.Holding[static_cast<std::size_t>(net.Sums[at].Part)].push_back(node);
  }
  return node;
}

void Append(Network& net, Element e) {
  const int p = Positions(net) - 1;
  if (p < 0) return;
  if ((e.Where == Place::Shunt && e.What == Fill::Wire) ||
      (e.Where == Place::Series && e.What == Fill::Open)) {
    net.Mute[p] = 1;
  }
  net.Elements.push_back(e);
  net.ChainStart.back() = static_cast<int>(net.Elements.size());
}

}  // namespace

int AddPart(Network& net, std::string name) {
  net.Names.push_back(std::move(name));
  net.Users.emplace_back();
  net.Holding.emplace_back();
  return static_cast<int>(net.Names.size()) - 1;
}

void AddPosition(Network& net) {
  net.ChainStart.push_back(net.ChainStart.back());
  net.Mute.push_back(0);
}

void AddElement(Network& net, Place where, const std::vector<int>& parts) {
  const int p = Positions(net) - 1;
  if (p < 0) return;
  Element e{where, parts.empty() ? Fill::Wire : Fill::Parts, static_cast<int>(net.Terms.size()),
            static_cast<int>(parts.size()), 0};
  for (const int part : parts) {
    e.Sum = Extend(net, e.Sum, part);
    net.Terms.push_back(part);
    std::vector<int>& users = net.Users[static_cast<std::size_t>(part)];
    if (users.empty() || users.back() != p) users.push_back(p);
  }
  Append(net, e);
}

void AddElement(Network& net, Place where, std::initializer_list<int> parts) {
  AddElement(net, where, std::vector<int>(parts));
}

void AddOpen(Network& net, Place where) { Append(net, Element{where, Fill::Open, 0, 0, 0}); }

double Parallel(double a, double b) {
  const double sum = a + b;
  return sum > 0.0 ? a * b / sum : 0.0;
}

void PartialSums(const Network& net, const PartOhms& parts, double factor, NodeOhms& sums) {
  sums.resize(net.Sums.size());
  sums[0] = 0.0;
  for (std::size_t i = 1; i < net.Sums.size(); ++i) {
    const SumNode& node = net.Sums[i];
    sums[i] = sums[node.Parent] + parts[node.Part] * factor;
  }
}

double Ratio(const Network& net, int p, const NodeOhms& seriesSums, const NodeOhms& shuntSums,
             const Surroundings& around, double& zin) {
  const Element* const first = net.Elements.data() + net.ChainStart[p];
  const Element* e = net.Elements.data() + net.ChainStart[p + 1];
  // One L section, a series element and a shunt (every position of the
  // string, the ladder and the shunt kinds): the walk below, straight.
  if (e - first == 2 && first[0].Where == Place::Series && first[0].What != Fill::Open &&
      first[1].Where == Place::Shunt && first[1].What != Fill::Open) {
    const double h = shuntSums[first[1].Sum];
    const double y = around.LoadOhms > 0.0 ? Parallel(around.LoadOhms, h) : h;
    const double run = seriesSums[first[0].Sum];
    const double whole = (around.SourceOhms + run) + y;
    zin = run + y;
    return whole > 0.0 ? y / whole : 0.0;
  }
  // z: the impedance from the current node toward the load; open while
  // nothing behind it conducts.
  bool open = !(around.LoadOhms > 0.0);
  double z = open ? 0.0 : around.LoadOhms;
  double ratio = 1.0;
  bool sourceTaken = false;
  while (e != first) {
    --e;
    if (e->Where == Place::Shunt) {
      if (e->What == Fill::Open) continue;
      const double h = shuntSums[e->Sum];
      z = open ? h : Parallel(z, h);
      open = false;
      continue;
    }
    // A run of series elements, added in chain order; the source joins the
    // run that begins the chain, so a single section is y / ((Rs + S) + y).
    const Element* start = e;
    while (start != first && (start - 1)->Where == Place::Series) --start;
    double run = 0.0;
    for (const Element* s = start; s <= e; ++s) {
      run = s->What == Fill::Open ? kOpenOhms : run + seriesSums[s->Sum];
    }
    const double lead = start == first ? around.SourceOhms : 0.0;
    sourceTaken = start == first;
    if (!open) {
      const double whole = (lead + run) + z;
      ratio = whole > 0.0 ? ratio * (z / whole) : 0.0;
      z = run + z;
    }
    e = start;
  }
  zin = open ? kOpenOhms : z;
  if (!sourceTaken && !open) {
    const double whole = around.SourceOhms + z;
    ratio = whole > 0.0 ? ratio * (z / whole) : 0.0;
  }
  return ratio;
}

void Attenuation(const Network& net, const PartOhms& parts, const Surroundings& around,
                 PositionColumn& db) {
  const int n = Positions(net);
  db.assign(static_cast<std::size_t>(n), 0.0);
  NodeOhms sums;
  PartialSums(net, parts, 1.0, sums);
  double zin = 0.0;
  for (int p = 0; p < n; ++p) {
    if (HasOutput(net, p)) db[p] = RatioDb(Ratio(net, p, sums, sums, around, zin));
  }
}

bool TargetsCover(const Network& net, const TargetColumn& targets) {
  for (int p = Positions(net) - 1; p >= 0; --p) {
    if (HasOutput(net, p)) return targets.size() > static_cast<std::size_t>(p);
  }
  return true;
}

WorstPoint WorstOfColumn(const Network& net, const PositionColumn& db,
                         const TargetColumn& targets) {
  WorstPoint worst;
  if (!TargetsCover(net, targets) || db.size() != static_cast<std::size_t>(Positions(net))) {
    return worst;
  }
  for (int p = 1; p < Positions(net); ++p) {
    if (!HasOutput(net, p)) continue;
    const double error = std::fabs(circuit::Deviation(db, p, targets));
    if (error > worst.Db) worst = {error, p};
  }
  return worst;
}

WorstPoint WorstDeviation(const Network& net, const PartOhms& parts, const TargetColumn& targets,
                          const Surroundings& around) {
  PositionColumn db;
  Attenuation(net, parts, around, db);
  return WorstOfColumn(net, db, targets);
}

void Impedances(const Network& net, const PartOhms& parts, const Surroundings& around,
                PositionColumn& zout, PositionColumn& zin) {
  const int n = Positions(net);
  zout.assign(static_cast<std::size_t>(n), 0.0);
  zin.assign(static_cast<std::size_t>(n), 0.0);
  NodeOhms sums;
  PartialSums(net, parts, 1.0, sums);
  for (int p = 0; p < n; ++p) {
    Ratio(net, p, sums, sums, around, zin[p]);
    // From the source on: series elements add, shunts join in parallel.
    double z = around.SourceOhms;
    for (int i = net.ChainStart[p]; i < net.ChainStart[p + 1]; ++i) {
      const Element& e = net.Elements[i];
      if (e.What == Fill::Open) {
        if (e.Where == Place::Series) z = kOpenOhms;
        continue;
      }
      const double ohms = sums[e.Sum];
      z = e.Where == Place::Series ? z + ohms : (z == kOpenOhms ? ohms : Parallel(z, ohms));
    }
    zout[p] = z;
  }
}

void ToleranceBand(const Network& net, const PartOhms& parts, double tolerance,
                   const Surroundings& around, PositionColumn& low, PositionColumn& high) {
  const int n = Positions(net);
  low.assign(static_cast<std::size_t>(n), 0.0);
  high.assign(static_cast<std::size_t>(n), 0.0);
  const double more = 1.0 + tolerance;
  const double less = 1.0 - tolerance;
  NodeOhms mores, lesses;
  PartialSums(net, parts, more, mores);
  PartialSums(net, parts, less, lesses);
  double zin = 0.0;
  for (int p = 0; p < n; ++p) {
    if (!HasOutput(net, p)) continue;
    // More in series and less in shunt attenuates most.
    const double quietest = RatioDb(Ratio(net, p, mores, lesses, around, zin));
    const double loudest = RatioDb(Ratio(net, p, lesses, mores, around, zin));
    low[p] = std::fmin(loudest, quietest);
    high[p] = std::fmax(loudest, quietest);
  }
}

}  // namespace circuit
