// The box captions of each kind.
#include "circuit_text/box_captions.h"

namespace circuit_text {
namespace {

constexpr BoxCaption kLoad{"&Load (ohms):",
                           "Input impedance of the amplifier after the attenuator; 0 or empty: "
                           "no load"};
constexpr BoxCaption kSource{"&Source (ohms):",
                             "Output impedance of the stage that drives the attenuator"};
constexpr BoxCaption kCable{"&Cable (farads):",
                            "Capacitance of the cable after the attenuator (100p = 100 pF); 0: "
                            "none"};
constexpr BoxCaption kTolerance{"&Tolerance (%):",
                                "Tolerance of the resistors, 0.01 to 20 %, for the band"};
constexpr BoxCaption kPositions{"&Positions:", "Switch positions, 2 to 64"};
constexpr BoxCaption kSteps{
    "St&eps (dB):", "Steps from the top down, e.g. 11x2 3: eleven 2 dB steps, then 3 dB steps"};
constexpr BoxCaption kFirstSeries{"&First series:", "Series of the first rounded set"};
constexpr BoxCaption kSecondSeries{"Seco&nd series:", "Series of the second rounded set"};
constexpr BoxCaption kLegs{"&Balanced",
                           "Two identical legs per channel, the load between their outputs"};

constexpr KindCaptions kString{
    kLoad,
    kSource,
    kCable,
    kTolerance,
    {"T&otal (ohms):", "Total resistance of one string, top to ground"},
    kPositions,
    kSteps,
    kFirstSeries,
    kSecondSeries,
    {"&Balanced", "Two strings whose ground ends meet, the load between the two wipers"}};

constexpr KindCaptions kLadder{
    kLoad,
    kSource,
    kCable,
    kTolerance,
    {"&Input (ohms):", "Impedance the source sees at every position, with the load"},
    kPositions,
    kSteps,
    kFirstSeries,
    kSecondSeries,
    kLegs};

constexpr KindCaptions kShunt{
    kLoad,
    kSource,
    kCable,
    kTolerance,
    {"Se&ries (ohms):", "The fixed series part X between the input and the output"},
    kPositions,
    kSteps,
    kFirstSeries,
    kSecondSeries,
    kLegs};

constexpr KindCaptions kRelay{
    kLoad,
    kSource,
    kCable,
    kTolerance,
    {"Sta&ge (ohms):", "Impedance of every stage, which the source sees at every code"},
    {"Rela&ys:", "Relays, one stage each, 1 to 8: 2, 4 .. 256 codes"},
    {"St&eps (dB):", "The step between codes, 0.01 to 20 dB: relay i switches 2^(i-1) steps"},
    kFirstSeries,
    kSecondSeries,
    kLegs};

}  // namespace

const KindCaptions& CaptionsFor(circuit::Kind kind) {
  switch (kind) {
    case circuit::Kind::Ladder:
      return kLadder;
    case circuit::Kind::Shunt:
      return kShunt;
    case circuit::Kind::RelayLadder:
      return kRelay;
    default:
      return kString;
  }
}

}  // namespace circuit_text
