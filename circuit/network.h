// One description of an attenuator that serves every kind: for each switch
// position a chain of series and shunt elements from the source to the load,
// made of named parts; and what such chains give into the load.
#pragma once

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
};

// Building: parts first, then each position's chain from the source on.
int AddPart(Network& net, std::string name);  // returns its index
void AddPosition(Network& net);               // the chain built next is the next position's
// An element of the parts given (none: a wire).
void AddElement(Network& net, Place where, const std::vector<int>& parts);
void AddElement(Network& net, Place where, std::initializer_list<int> parts);
void AddOpen(Network& net, Place where);

int Positions(const Network& net);
// Whether position p gives the load any output at all.
bool HasOutput(const Network& net, int p);

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

// The ratio V(load) / V(source) of position p, each series part scaled by
// `seriesFactor` and each shunt part by `shuntFactor`; `zin` gets the input
// impedance (kOpenOhms when open).
double Ratio(const Network& net, int p, const PartOhms& parts, const Surroundings& around,
             double seriesFactor, double shuntFactor, double& zin);

// -20 log10 of a ratio, dB.
double RatioDb(double ratio);

}  // namespace circuit
