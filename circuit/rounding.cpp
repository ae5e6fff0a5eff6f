// Rounding a network's parts to a series and improving that rounding.
#include "circuit/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

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

// A move being tried. It brings the sums of the nodes that hold the moved
// part up to date in node order, parent before child, so they are the very
// sums PartialSums would give; the positions whose chains hold the part are
// worked out afresh when first asked for, the rest are the network's as it
// stands. Undo puts the sums back.
class Trial {
 public:
  Trial(const Network& net, const PositionColumn& db, NodeOhms& sums, const Surroundings& around)
      : net_(net), db_(db), sums_(sums), around_(around), fresh_(db), done_(db.size(), 0),
        uses_(net.Names.size() * db.size(), 0) {
    for (std::size_t part = 0; part < net.Names.size(); ++part) {
      for (const int p : net.Users[part]) uses_[part * db.size() + static_cast<std::size_t>(p)] = 1;
    }
  }

  // Position p's divider ratio over the top's with the part moved by
  // `delta` ohms added to every element sum that holds it (as many times as
  // it holds it), the sums as they stand otherwise: within a few units of
  // the last place of the exact ratio, every sum being one of positive parts.
  double ShareEstimate(int p, int part, double delta) {
    const std::vector<int>& nodes = net_.Holding[static_cast<std::size_t>(part)];
    shifted_.clear();
    for (const int q : {0, p}) {
      for (int i = net_.ChainStart[q]; i < net_.ChainStart[q + 1]; ++i) {
        const int node = net_.Elements[i].Sum;
        const bool shifted = std::any_of(shifted_.begin(), shifted_.end(),
                                         [&](const auto& kept) { return kept.first == node; });
        if (node == 0 || shifted) continue;
        const auto [from, to] = std::equal_range(nodes.begin(), nodes.end(), node);
        if (from == to) continue;
        shifted_.emplace_back(node, sums_[node]);
        for (auto times = from; times != to; ++times) sums_[node] = sums_[node] + delta;
      }
    }
    double zin = 0.0;
    const double share = Ratio(net_, p, sums_, sums_, around_, zin) /
                         Ratio(net_, 0, sums_, sums_, around_, zin);
    for (const auto& [node, kept] : shifted_) sums_[node] = kept;
    return share;
  }

  void Begin(int part, const PartOhms& parts) {
    part_ = part;
    touched_ = uses_.data() + static_cast<std::size_t>(part) * db_.size();
    const std::vector<int>& nodes = net_.Holding[static_cast<std::size_t>(part)];
    kept_.resize(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      const SumNode& node = net_.Sums[nodes[i]];
      kept_[i] = sums_[nodes[i]];
      sums_[nodes[i]] = sums_[node.Parent] + parts[node.Part];
    }
  }
  // In reverse, so that a node listed twice gets back what it held first.
  void Undo() {
    const std::vector<int>& nodes = net_.Holding[static_cast<std::size_t>(part_)];
    for (std::size_t i = nodes.size(); i-- > 0;) sums_[nodes[i]] = kept_[i];
  }
  void End() { ++trial_; }
  // Position p's attenuation with the move in place, dB.
  double At(int p) {
    if (!touched_[p]) return db_[p];
    if (done_[p] != trial_) {
      double zin = 0.0;
      fresh_[p] = RatioDb(Ratio(net_, p, sums_, sums_, around_, zin));
      done_[p] = trial_;
    }
    return fresh_[p];
  }
  // The fresh attenuations become the network's own.
  void Keep(PositionColumn& db) {
    for (const int p : net_.Users[static_cast<std::size_t>(part_)]) {
      if (HasOutput(net_, p)) db[p] = At(p);
    }
  }

 private:
  const Network& net_;
  const PositionColumn& db_;
  NodeOhms& sums_;
  const Surroundings& around_;
  PositionColumn fresh_;
  std::vector<unsigned> done_;  // the trial that last worked position p out
  unsigned trial_ = 1;
  std::vector<char> uses_;         // part x position: whether its chain holds the part
  const char* touched_ = nullptr;  // the moved part's row of uses_
  NodeOhms kept_;
  std::vector<std::pair<int, double>> shifted_;
  int part_ = 0;
};

// A quick look before the search, at the position that was worst: its
// ratio to the top's estimated (Trial::ShareEstimate) outside the window of
// deviations below best + kQuickMarginDb means that position alone keeps
// the worst deviation from falling, and the move cannot help. The margin is
// far above the few units of the last place between the estimate's
// decibels and the difference of the two attenuations the search compares,
// so the look turns away no move the search would take; it spares the
// search's sums and logarithms for the many moves that do not help.
constexpr double kQuickMarginDb = 1e-9;
struct QuickLook {
  QuickLook(const TargetColumn& targets, const WorstPoint& best)
      : position(best.Position),
        low(std::pow(10.0, -(targets[best.Position] + best.Db + kQuickMarginDb) / 20.0)),
        high(std::pow(10.0, -(targets[best.Position] - best.Db - kQuickMarginDb) / 20.0)) {}
  bool CannotHelp(Trial& trial, int part, double delta) const {
    if (position < 1) return false;
    const double share = trial.ShareEstimate(position, part, delta);
    return share <= low || share >= high;
  }
  int position;
  double low, high;  // the share's window of deviations below best + margin
};

// The worst deviation with the move in place, looking first at `first`
// (the position that was worst) and giving up once one reaches `stopAt`:
// the search only needs to know that a move does not help, and the position
// that was worst before it is the likeliest to say so at once. Before
// either, `suspect` (the position that turned the last move away, 0 for
// none) is tried alone: one that stopped a move often stops the next.
// When it does not give up, the first position reaching the largest error
// is the one named, `first` before the others.
WorstPoint TrialWorst(const Network& net, Trial& trial, const TargetColumn& targets, int first,
                      int suspect, double stopAt) {
  const int n = Positions(net);
  const double top = trial.At(0);
  if (suspect >= 1 && suspect != first) {
    const double error = std::fabs((trial.At(suspect) - top) - targets[suspect]);
    if (error >= stopAt) return {error, suspect};
  }
  WorstPoint worst;
  const auto reaches = [&](int p) {
    const double error = std::fabs((trial.At(p) - top) - targets[p]);
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
  QuickLook quick(targets, best);
  NodeOhms sums;
  PartialSums(net, rounded.Ohms, 1.0, sums);
  Trial trial(net, db, sums, around);
  int suspect = 0;
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
        if ((up ? rounded.Steps[j] : -rounded.Steps[j]) >= kImproveReach) continue;
        const int next = series.Neighbour(rounded.Index[j], up);
        const double kept = rounded.Ohms[j];
        const double value = series.Value(next);
        if (value == kept) continue;
        if (quick.CannotHelp(trial, j, value - kept)) continue;
        rounded.Ohms[j] = value;
        trial.Begin(j, rounded.Ohms);
        const WorstPoint worst = TrialWorst(net, trial, targets, best.Position, suspect, best.Db);
        const bool helps = worst.Db < best.Db;
        if (!helps) suspect = worst.Position;
        if (helps) {
          best = worst;
          trial.Keep(db);
        } else {
          trial.Undo();
        }
        trial.End();
        if (helps) {
          quick = QuickLook(targets, best);
          rounded.Index[j] = next;
          rounded.Steps[j] += up ? 1 : -1;
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
