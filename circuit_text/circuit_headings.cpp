// The in-circuit table's column headings.
#include "circuit_text/circuit_headings.h"

namespace circuit_text {

const std::array<Heading, kCircuitColumnCount> kCircuitHeadings{{
    {"Pos.", "", "switch position, 0 at the top"},
    {"Target", "dB", "target attenuation"},
    {"Design", "E96 dB", "attenuation of the design's E96 set into the load"},
    {"Design", "E24 dB", "attenuation of the design's E24 set into the load"},
    {"Comp.", "ohm", "load-compensated ideal resistor above this position"},
    {"Comp.", "E96 ohm", "load-compensated E96 resistor above this position"},
    {"Comp.", "E24 ohm", "load-compensated E24 resistor above this position"},
    {"Comp.", "E96 dB", "attenuation of the compensated E96 set into the load"},
    {"Comp.", "E24 dB", "attenuation of the compensated E24 set into the load"},
    {"Band", "low dB", "least attenuation the compensated E96 set gives with toleranced parts"},
    {"Band", "high dB", "most attenuation the compensated E96 set gives with toleranced parts"},
    {"Zout", "ohm", "output impedance the load sees"},
    {"Zin", "ohm", "input impedance the source sees"},
    {"f -3 dB", "Hz", "treble corner of the cable capacitance"},
}};

}  // namespace circuit_text
