// One description of an attenuator that serves every kind: for each switch
// position a chain of series and shunt elements from the source to the load,
// made of named parts; and what such chains give into the load.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "circuit/string_analysis.h"

namespace circuit {

// Part values by part index, ohms.
using PartOhms = std::vector<double>;

// The impedance of an open circuit, ohms (an input with no load and no
// shunt behind it). Windows write it as open, never as a number.
inline constexpr double kOpenOhms = std::numeric_limits<double>::infinity();

// Where an element sits: along the signal path, or from it to ground.
enum class Place : std::uint8_t { Series, Shunt };

// What an element holds: parts in series with one another, a wire
// (0 ohms), or nothing at all (open).
enum class Fill : std::uint8_t { Parts, Wire, Open };

struct Element {
  Place Where = Place::Series;
  Fill What = Fill::Wire;
  int First = 0;  // its parts are Network::Terms[First .. First + Count)
  int Count = 0;
  int Sum = 0;  // the node of Network::Sums its parts end at; 0 for a wire or nothing
};

// The running sums of the elements' parts as one tree: node i is node
// Parent's sum plus part Part, node 0 the empty sum (0 ohms). Elements that
// begin with the same run of parts share its nodes (the string's arm above
// each wiper is the one above the wiper before it and one resistor more),
// so a whole column of chains is summed once, and each sum is still its
// element's parts added one by one in the order listed.
struct SumNode {
  int Parent = -1;
  int Part = -1;
  int FirstChild = -1;  // the tree's links while it is built
  int NextSibling = -1;
};

// The chains of every position, p = 0 (the loudest) upward. A part may
// appear in many chains (a relay stage, a string resistor); each element's
// parts are added in the order listed.
struct Network {
  std::vector<std::string> Names;       // part j's name: "R1", "S3", "P0", "Y2", "H1", "T"
  std::vector<int> Terms;               // the parts of the elements
  std::vector<Element> Elements;        // the chains, one after another
  std::vector<int> ChainStart{0};       // position p's chain: [ChainStart[p], ChainStart[p + 1])
  std::vector<char> Mute;               // per position: a shunt wire or an open series; no output
  std::vector<std::vector<int>> Users;  // per part: the positions whose chains hold it, ascending
  std::vector<SumNode> Sums{SumNode{}};
  // Per part: the nodes of Sums whose running sums hold it, ascending, a
  // node once for each time the part lies on its path.
  std::vector<std::vector<int>> Holding;
};

// Ohms by node of Network::Sums.
using NodeOhms = std::vector<double>;

// Building: parts first, then each position's chain from the source on.
int AddPart(Network& net, std::string name);  // returns its index
void AddPosition(Network& net);               // the chain built next is the next position's
// An element of the parts given (none: a wire).
void AddElement(Network& net, Place where, const std::vector<int>& parts);
void AddElement(Network& net, Place where, std::initializer_list<int> parts);
void AddOpen(Network& net, Place where);

inline int Positions(const Network& net) { return static_cast<int>(net.ChainStart.size()) - 1; }
// Whether position p gives the load any output at all.
inline bool HasOutput(const Network& net, int p) {
  return net.Mute[static_cast<std::size_t>(p)] == 0;
}

// Attenuation of every position into the load, dB: -20 log10 of the ratio
// of the load's voltage to the source's, worked from the load back: a shunt
// joins the impedance ahead in parallel, a run of series elements (with the
// source when the run begins the chain) divides against it, as
// y / ((Rs + S) + y). Positions without output hold 0.
void Attenuation(const Network& net, const PartOhms& parts, const Surroundings& around,
                 PositionColumn& db);

// Whether `targets` (dB, by position) hold one for every position with output.
bool TargetsCover(const Network& net, const TargetColumn& targets);

// Largest |(A(p) - A(0)) - target(p)| over positions p >= 1 with output,
// dB, and the first position where it lies; targets by position. Nothing
// (0 at position 0) when the targets or `db` do not cover the positions.
WorstPoint WorstOfColumn(const Network& net, const PositionColumn& db, const TargetColumn& targets);
WorstPoint WorstDeviation(const Network& net, const PartOhms& parts, const TargetColumn& targets,
                          const Surroundings& around);

// Per position, ohms: Zout seen by the load (the source and the chain, the
// load left out) and Zin seen by the source (the chain into the load;
// kOpenOhms where nothing conducts).
void Impedances(const Network& net, const PartOhms& parts, const Surroundings& around,
                PositionColumn& zout, PositionColumn& zin);

// Lowest and highest attenuation per position (dB) with parts within
// +/- tolerance (a fraction): every part of a series element at one extreme
// and every part of a shunt element at the other, each way round.
// Positions without output hold 0.
void ToleranceBand(const Network& net, const PartOhms& parts, double tolerance,
                   const Surroundings& around, PositionColumn& low, PositionColumn& high);

// Every node of net.Sums, each part scaled by `factor`, ohms: node i = its
// parent + part x factor, from 0 at node 0.
void PartialSums(const Network& net, const PartOhms& parts, double factor, NodeOhms& sums);

// The ratio V(load) / V(source) of position p, each series element's ohms
// from `seriesSums` and each shunt's from `shuntSums` (PartialSums of the
// parts, scaled as wanted); `zin` gets the input impedance (kOpenOhms when
// open).
double Ratio(const Network& net, int p, const NodeOhms& seriesSums, const NodeOhms& shuntSums,
             const Surroundings& around, double& zin);

// Two impedances in parallel, ohms; a zero one shorts the pair.
double Parallel(double a, double b);

// -20 log10 of a ratio, dB.
inline double RatioDb(double ratio) { return -20.0 * std::log10(ratio); }

}  // namespace circuit
