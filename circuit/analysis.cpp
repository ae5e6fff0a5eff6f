// The analysis of an attenuator of any kind, from its chains.
#include "circuit/analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "circuit/law.h"

namespace circuit {
namespace {

bool NonNegative(double value) { return value >= 0.0 && std::isfinite(value); }

bool TargetsFit(const KindSpec& spec) {
  const std::size_t n = spec.Targets.size() + 1;
  if (n < static_cast<std::size_t>(design::kMinPositions) ||
      n > static_cast<std::size_t>(circuit::kMaxStringPositions)) {
    return false;
  }
  for (const double target : spec.Targets) {
    if (!std::isfinite(target)) return false;
    if (spec.What != Kind::String && !(target >= 0.0 && target <= circuit::kMaxLawDepthDb)) {
      return false;
    }
  }
  return true;
}

bool Describable(const KindSpec& spec) {
  const circuit::CircuitInputs& in = spec.Inputs;
  if (!(spec.Ohms > 0.0) || !std::isfinite(spec.Ohms) || !NonNegative(in.LoadOhms) ||
      !NonNegative(in.SourceOhms) || !NonNegative(in.CableFarads) ||
      !NonNegative(in.TolerancePercent)) {
    return false;
  }
  for (const design::Series* series : spec.RoundedIn) {
    if (series == nullptr) return false;
  }
  if (spec.What == Kind::RelayLadder) {
    return spec.Stages >= 1 && spec.Stages <= kMaxRelayStages &&
           spec.StepDb >= circuit::kMinLawStepDb && spec.StepDb <= circuit::kMaxLawStepDb;
  }
  return TargetsFit(spec);
}

void Lay(const KindSpec& spec, const Surroundings& leg, KindDesign& design) {
  switch (spec.What) {
    case Kind::String:
      StringDesign(spec.Ohms, spec.Targets, leg, design);
      break;
    case Kind::Ladder:
      LadderDesign(spec.Ohms, spec.Targets, leg, design);
      break;
    case Kind::Shunt:
      ShuntDesign(spec.Ohms, spec.Targets, leg, design);
      break;
    case Kind::RelayLadder:
      RelayDesign(spec.Ohms, spec.Stages, spec.StepDb, leg, design);
      break;
  }
}

bool OutsideRange(double ohms) {
  return ohms < circuit::kSmallestPartOhms || ohms > circuit::kLargestPartOhms;
}

}  // namespace

bool AnalyseKind(const KindSpec& spec, KindAnalysis& analysis) {
  analysis.Positions = 0;
  return Describable(spec) && AnalyseAsGiven(spec, analysis);
}

bool AnalyseAsGiven(const KindSpec& spec, KindAnalysis& analysis) {
  analysis.Positions = 0;
  KindAnalysis& a = analysis;
  a.What = spec.What;
  a.Ohms = spec.Ohms;
  a.Stages = spec.What == Kind::RelayLadder ? spec.Stages : 0;
  a.StepDb = spec.What == Kind::RelayLadder ? spec.StepDb : 0.0;
  a.Balanced = spec.Balanced;
  a.Inputs = spec.Inputs;
  const circuit::CircuitInputs& inputs = spec.Inputs;
  // What one leg sees: a balanced leg drives half the load from half the
  // source impedance.
  const double legs = spec.Balanced ? 2.0 : 1.0;
  const Surroundings around{inputs.SourceOhms / legs, inputs.LoadOhms / legs};

  Lay(spec, around, a.Design);
  const Network& net = a.Design.Net;
  const int n = Positions(net);
  if (n < 2) return false;
  a.Positions = n;
  a.Target = a.Design.Targets;

  a.Sets.assign(spec.RoundedIn.size(), {});
  for (std::size_t i = 0; i < spec.RoundedIn.size(); ++i) {
    PartSet& set = a.Sets[i];
    set.RoundedIn = spec.RoundedIn[i];
    RoundEach(a.Design.Ideal, *set.RoundedIn, set.Parts);
    ImproveRounding(net, set.Parts, a.Target, around, *set.RoundedIn);
    Attenuation(net, set.Parts.Ohms, around, set.Db);
    set.Worst = WorstOfColumn(net, set.Db, a.Target);
  }
  const PartOhms& first = a.Sets[0].Parts.Ohms;
  ToleranceBand(net, first, inputs.TolerancePercent / 100.0, around, a.BandLowDb, a.BandHighDb);
  Impedances(net, first, around, a.ZoutOhms, a.ZinOhms);
  a.F3dbHz.assign(static_cast<std::size_t>(n), std::nullopt);
  a.NoiseMicrovolts.assign(static_cast<std::size_t>(n), 0.0);
  for (int p = 0; p < n; ++p) {
    if (HasOutput(net, p)) {
      a.F3dbHz[p] = circuit::TrebleCorner(a.ZoutOhms[p], inputs.CableFarads, around);
    }
    // Shown across the pair of outputs and the pair of inputs; the legs'
    // noises add in power, as the pair's impedance into the whole load gives.
    a.ZoutOhms[p] = a.ZoutOhms[p] * legs;
    a.ZinOhms[p] = a.ZinOhms[p] * legs;
    if (HasOutput(net, p)) a.NoiseMicrovolts[p] = NoiseMicrovolts(a.ZoutOhms[p], inputs.LoadOhms);
  }

  a.WidestBand = 0.0;
  a.WidestBandAt = 0;
  for (int p = 0; p < n; ++p) {
    const double width = a.BandHighDb[p] - a.BandLowDb[p];
    if (width > a.WidestBand) {
      a.WidestBand = width;
      a.WidestBandAt = p;
    }
  }
  a.InsertionLossDb = a.Sets[0].Db[0];
  a.Noise = LargestNoise(a.NoiseMicrovolts);

  a.NoShuntAt = a.Design.NoShuntAt;
  a.NoTermination = a.Design.NoTermination;
  a.OutOfRange.clear();
  for (std::size_t j = 0; j < net.Names.size(); ++j) {
    const bool outside = std::any_of(a.Sets.begin(), a.Sets.end(), [&](const PartSet& set) {
      return OutsideRange(set.RoundedIn->Decimal(set.Parts.Index[j]).Ohms());
    });
    if (outside) a.OutOfRange.push_back(static_cast<int>(j));
  }
  // Ladder and relay ladder take the load into their shunts; far above it
  // they say so through their open shunts and missing termination.
  const bool loadDecides = spec.What == Kind::String || spec.What == Kind::Shunt;
  a.FarAboveLoad =
      loadDecides && around.LoadOhms > 0.0 && spec.Ohms > circuit::kFarAboveLoad * around.LoadOhms;
  double best = std::numeric_limits<double>::infinity();
  for (const PartSet& set : a.Sets) best = std::fmin(best, set.Worst.Db);
  a.BestSetStrays = best > circuit::kStrayDb;
  return true;
}

}  // namespace circuit
