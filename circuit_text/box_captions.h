// The in-circuit window's box captions and meanings for each kind, as data
// the window reads: the prompt's text with its '&' access-key marker, and
// what the box holds for tooltips and screen readers.
#pragma once

#include "circuit/kinds.h"

namespace circuit_text {

struct BoxCaption {
  const char* Caption;  // "T&otal (ohms):"
  const char* Meaning;  // "Total resistance of one string, top to ground"
};

// The boxes in the window's tab order. Load, source, cable, tolerance and
// the two series read the same for every kind. The string's are the window's
// own texts. The total box is "&Input (ohms):" for the ladder, "Se&ries
// (ohms):" for the shunt and "Sta&ge (ohms):" for the relay ladder; the
// positions box is "Rela&ys:" for the relay ladder. Within a kind no two
// captions share an access key, and the kinds' new keys (I, R, G, Y) are
// taken by no other caption of any kind.
struct KindCaptions {
  BoxCaption Load;
  BoxCaption Source;
  BoxCaption Cable;
  BoxCaption Tolerance;
  BoxCaption Total;
  BoxCaption Positions;
  BoxCaption Steps;
  BoxCaption FirstSeries;
  BoxCaption SecondSeries;
  BoxCaption Balanced;  // the check box's text and tooltip
};

const KindCaptions& CaptionsFor(circuit::Kind kind);

}  // namespace circuit_text
