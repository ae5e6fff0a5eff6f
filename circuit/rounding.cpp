// Rounding a network's parts to a series and improving that rounding.
#include "circuit/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace circuit {
namespace {

bool Fits(const Network& net, const RoundedParts& rounded, const TargetColumn& targets) {
  const std::size_t parts = net.Names.size();
  if (rounded.Index.size() != parts || rounded.Ohms.size() != parts ||
      rounded.Steps.size() != parts) {
    return false;
  }
  return Positions(net) >= 1 && HasOutput(net, 0) && TargetsCover(net, targets);
}

// The attenuations of a move being tried: the positions whose chains hold
// the moved part are worked out afresh when first asked for, the rest are
// the network's as it stands.
class Trial {
 public:
  Trial(const Network& net, const PositionColumn& db)
      : net_(net), db_(db), fresh_(db), touched_(db.size(), 0), done_(db.size(), 0) {}

  void Begin(int part) {
    part_ = part;
    for (const int p : net_.Users[static_cast<std::size_t>(part)]) touched_[p] = 1;
  }
  void End() {
    for (const int p : net_.Users[static_cast<std::size_t>(part_)]) touched_[p] = done_[p] = 0;
  }
  double At(int p, const PartOhms& parts, const Surroundings& around) {
    if (!touched_[p]) return db_[p];
    if (!done_[p]) {
      double zin = 0.0;
      fresh_[p] = RatioDb(Ratio(net_, p, parts, around, 1.0, 1.0, zin));
      done_[p] = 1;
    }
    return fresh_[p];
  }
  // The fresh attenuations become the network's own.
  void Keep(PositionColumn& db) const {
    for (const int p : net_.Users[static_cast<std::size_t>(part_)]) {
      if (HasOutput(net_, p)) db[p] = fresh_[p];
    }
  }

 private:
  const Network& net_;
  const PositionColumn& db_;
  PositionColumn fresh_;
  std::vector<char> touched_, done_;
  int part_ = 0;
};

// The worst deviation with the move in place, looking first at `first`
// (the position that was worst) and giving up once one reaches `stopAt`, as
// circuit::ImproveRounding's search does: the first position reaching the
// largest error is the one named.
WorstPoint TrialWorst(const Network& net, Trial& trial, const PartOhms& parts,
                      const TargetColumn& targets, const Surroundings& around, int first,
                      double stopAt) {
  const int n = Positions(net);
  const double top = trial.At(0, parts, around);
  WorstPoint worst;
  const auto reaches = [&](int p) {
    const double error = std::fabs((trial.At(p, parts, around) - top) - targets[p]);
    if (error > worst.Db) worst = {error, p};
    return worst.Db >= stopAt;
  };
  if (first >= 1 && HasOutput(net, first) && reaches(first)) return worst;
  for (int p = 1; p < n; ++p) {
    if (p != first && HasOutput(net, p) && reaches(p)) break;
  }
  return worst;
}

}  // namespace

void RoundEach(const PartOhms& ideal, const design::Series& series, RoundedParts& rounded) {
  rounded.Index.assign(ideal.size(), 0);
  rounded.Ohms.assign(ideal.size(), 0.0);
  rounded.Steps.assign(ideal.size(), 0);
  for (std::size_t j = 0; j < ideal.size(); ++j) {
    rounded.Index[j] = series.NearestIndex(ideal[j]);
    rounded.Ohms[j] = series.Value(rounded.Index[j]);
  }
}

int ImproveRounding(const Network& net, RoundedParts& rounded, const TargetColumn& targets,
                    const Surroundings& around, const design::Series& series) {
  if (!Fits(net, rounded, targets)) return 0;
  PositionColumn db;
  Attenuation(net, rounded.Ohms, around, db);
  WorstPoint best = WorstOfColumn(net, db, targets);
  Trial trial(net, db);
  const int parts = static_cast<int>(net.Names.size());
  int moves = 0;
  bool moved = true;
  while (moved) {
    moved = false;
    for (int j = 0; j < parts; ++j) {
      const std::vector<int>& users = net.Users[static_cast<std::size_t>(j)];
      // A part in neither the top's chain nor the worst position's leaves
      // the worst deviation where it is.
      const bool matters =
          !users.empty() &&
          (users.front() == 0 || std::binary_search(users.begin(), users.end(), best.Position));
      if (!matters) continue;
      for (const bool up : {true, false}) {
        const int steps = rounded.Steps[j] + (up ? 1 : -1);
        if (std::abs(steps) > kMostSteps) continue;
        const int next = series.Neighbour(rounded.Index[j], up);
        const double kept = rounded.Ohms[j];
        const double value = series.Value(next);
        if (value == kept) continue;
        rounded.Ohms[j] = value;
        trial.Begin(j);
        const WorstPoint worst =
            TrialWorst(net, trial, rounded.Ohms, targets, around, best.Position, best.Db);
        const bool helps = worst.Db < best.Db;
        if (helps) trial.Keep(db);
        trial.End();
        if (helps) {
          best = worst;
          rounded.Index[j] = next;
          rounded.Steps[j] = steps;
          ++moves;
          moved = true;
          break;
        }
        rounded.Ohms[j] = kept;
      }
    }
  }
  return moves;
}

}  // namespace circuit
