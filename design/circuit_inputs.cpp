// Reading, range limits and write-back of the in-circuit inputs.
#include "design/circuit_inputs.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "notation/builder_value.h"
#include "notation/decimal_separator.h"

namespace design {
namespace {

using notation::BuilderUnit;

constexpr double kLikelyCableFarads = 1e-8;  // a slip is scaled down to 10 nF or less
constexpr double kHintedUpTo = 1e6;           // beyond this a number is no slip of units

std::string Written(double value) {
  return notation::WriteBuilderValue(value, notation::DecimalSeparator());
}

// The box text as typed, trimmed and cut short for a message; the cut keeps
// whole UTF-8 characters.
std::string Quoted(const std::string& typed) {
  constexpr std::size_t kLongest = 24;
  const std::size_t first = typed.find_first_not_of(' ');
  if (first == std::string::npos) return "\"\"";
  std::string text = typed.substr(first, typed.find_last_not_of(' ') + 1 - first);
  if (text.size() > kLongest) {
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) --cut;
    text = text.substr(0, cut) + "...";
  }
  return "\"" + text + "\"";
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

std::string Joined(const std::vector<std::string>& parts, const char* joint) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += joint;
    out += parts[i];
  }
  return out;
}

// The message lines, one per box that changed, in tab order.
class Notes {
 public:
  // `box`: "<typed>" <reasons joined by "and">; <outcome>
  void add(const char* box, const std::string& typed, const std::vector<std::string>& reasons,
           const std::string& outcome) {
    if (reasons.empty()) return;
    line(std::string(box) + ": " + Quoted(typed) + " " + Joined(reasons, " and ") + "; " +
         outcome);
  }
  void line(const std::string& text) {
    if (!message_.empty()) message_ += '\n';
    message_ += text;
  }
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

// A box read as a value, or nothing when its text is not one.
std::optional<double> Read(const std::string& text, BuilderUnit unit) {
  return notation::ReadBuilderValue(text, notation::DecimalSeparator(), unit);
}

// The size of a typed value, naming a sign.
double Size(double typed, std::vector<std::string>& reasons) {
  if (std::signbit(typed) && typed != 0.0) reasons.emplace_back("is negative");
  return std::fabs(typed);
}

// Load, source: ohms with the upper limit, and for the load the lower one.
void ReadOhms(const char* box, const std::string& text, bool isLoad, double& ohms, Notes& notes) {
  if (isLoad && IsBlank(text)) {
    ohms = 0.0;
    return;
  }
  const std::optional<double> typed = Read(text, BuilderUnit::Ohms);
  if (!typed) {
    notes.add(box, text, {"is not a value"}, "the box keeps " + Written(ohms) + " ohms.");
    return;
  }
  std::vector<std::string> reasons;
  double value = Size(*typed, reasons);
  if (isLoad && value > 0.0 && value < kMinLoadOhms) {
    value = kMinLoadOhms;
    reasons.emplace_back("is below 100u ohms (0 means no load)");
  }
  if (value > kMaxCircuitOhms) {
    value = kMaxCircuitOhms;
    reasons.emplace_back("is above 1e12 ohms");
  }
  ohms = value;
  notes.add(box, text, reasons, Written(value) + " ohms is used instead.");
}

void ReadCable(const std::string& text, double& farads, Notes& notes) {
  constexpr const char* kBox = "Cable capacitance";
  const std::optional<double> typed = Read(text, BuilderUnit::Farads);
  const std::string kept = "the box keeps " + Written(farads) + "F.";
  if (!typed) {
    notes.add(kBox, text, {"is not a value"}, kept);
    return;
  }
  std::vector<std::string> reasons;
  const double value = Size(*typed, reasons);
  if (value <= kMaxCableFarads) {
    farads = value;
    notes.add(kBox, text, reasons, Written(value) + "F is used instead.");
    return;
  }
  // Most often a unit left out ("100" for 100p): the same digits a thousand
  // times smaller, as often as it takes to reach a cable's size.
  std::string slip = "is above 1uF";
  if (value < kHintedUpTo) {
    double hint = value;
    for (int k = 1; hint > kLikelyCableFarads; ++k) hint = value / std::pow(10.0, 3 * k);
    slip += " (did you mean " + notation::PartText(hint, notation::DecimalSeparator()) + "?)";
  }
  reasons.push_back(slip);
  notes.add(kBox, text, reasons, kept);
}

void ReadTolerance(const std::string& text, double& percent, Notes& notes) {
  constexpr const char* kBox = "Part tolerance";
  const std::optional<double> typed = Read(text, BuilderUnit::None);
  if (!typed) {
    notes.add(kBox, text, {"is not a value"}, "the box keeps " + Written(percent) + " %.");
    return;
  }
  std::vector<std::string> reasons;
  double value = Size(*typed, reasons);
  if (value < kMinTolerancePercent || value > kMaxTolerancePercent) {
    value = std::clamp(value, kMinTolerancePercent, kMaxTolerancePercent);
    reasons.emplace_back("is outside 0.01 to 20 %");
  }
  percent = value;
  notes.add(kBox, text, reasons, Written(value) + " % is used instead.");
}

void ReadTotal(const std::string& text, double& ohms, Notes& notes) {
  constexpr const char* kBox = "Total (ohms)";
  const std::optional<double> typed = Read(text, BuilderUnit::Ohms);
  if (!typed) {
    notes.add(kBox, text, {"is not a value"}, "the box keeps " + Written(ohms) + " ohms.");
    return;
  }
  // Refused, not sized: zero and negative totals cannot be designed, as in
  // the design window, which compares in single precision: its own 100u
  // (a single a hair below 1e-4) starts this box and must read back.
  if (!(static_cast<float>(*typed) >= static_cast<float>(kMinCircuitTotalOhms))) {
    ohms = kDefaultTotalOhms;
    notes.line(std::string(kBox) + ": " + Quoted(text) + " is refused. " + kTotalRefusedMessage);
    return;
  }
  ohms = std::min(*typed, kMaxCircuitOhms);
  if (*typed > kMaxCircuitOhms) {
    notes.add(kBox, text, {"is above 1e12 ohms"}, Written(ohms) + " ohms is used instead.");
  }
}

// Positions as typed: held to 2 .. 64 first, then the fraction dropped, as
// the design window does (1.5 becomes 2, 64.9 becomes 64).
void ReadPositions(const std::string& text, int& positions, std::vector<std::string>& reasons) {
  const std::optional<double> typed = Read(text, BuilderUnit::None);
  if (!typed) {
    reasons.emplace_back("is not a value");
    return;
  }
  double value = Size(*typed, reasons);
  if (value < kMinPositions) {
    value = kMinPositions;
    reasons.emplace_back("is below 2");
  } else if (value > kMaxStringPositions) {
    value = kMaxStringPositions;
    reasons.emplace_back("is above 64");
  }
  if (value != std::trunc(value)) reasons.emplace_back("is not a whole number");
  positions = static_cast<int>(value);
}

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string QuotedList(const std::vector<std::string>& texts) {
  std::vector<std::string> quoted;
  for (const std::string& text : texts) quoted.push_back(Quoted(text));
  return Joined(quoted, ", ");
}

// The law's own line: what was dropped, clamped or had no room.
void NoteLaw(const std::string& typed, const LawReading& law, Notes& notes) {
  std::vector<std::string> parts;
  if (!law.Dropped.empty()) {
    parts.push_back(QuotedList(law.Dropped) +
                    (law.Dropped.size() == 1 ? " is not an entry and is dropped"
                                             : " are not entries and are dropped"));
  }
  if (!law.Clamped.empty()) {
    parts.push_back(QuotedList(law.Clamped) + " held to 0.01 to 20 dB");
  }
  if (law.NoRoom > 0) {
    parts.push_back("the switch has no room for " +
                    Counted(law.NoRoom, "step", "steps") + " typed");
  }
  if (parts.empty()) return;
  notes.line("Steps (dB): " + Quoted(typed) + ": " + Joined(parts, "; ") + "; \"" + law.Text +
             "\" is used instead.");
}

// Reads the law for `positions`; a law without an entry keeps the previous.
LawReading ReadStringLaw(const std::string& typed, int positions, const StringInputs& previous,
                         Notes& notes) {
  const char separator = notation::DecimalSeparator();
  LawReading law;
  ReadLaw(typed, positions, separator, law);
  if (law.Usable) {
    NoteLaw(typed, law, notes);
    return law;
  }
  for (std::string kept : {previous.LawText, StringInputs{}.LawText}) {
    notation::PointToSeparator(kept, separator);
    ReadLaw(kept, positions, separator, law);
    if (law.Usable) break;
  }
  notes.line("Steps (dB): " + Quoted(typed) + " has no usable entry; the box keeps \"" +
             law.Text + "\".");
  return law;
}

bool Normalise(CircuitBoxes& boxes, CircuitInputs& inputs, StringInputs& string,
               const MessageSeam& showMessage) {
  const CircuitBoxes typed = boxes;
  Notes notes;
  ReadOhms("Load", typed.Load, true, inputs.LoadOhms, notes);
  ReadOhms("Source impedance", typed.Source, false, inputs.SourceOhms, notes);
  ReadCable(typed.Cable, inputs.CableFarads, notes);
  ReadTolerance(typed.Tolerance, inputs.TolerancePercent, notes);
  ReadTotal(typed.Total, string.TotalOhms, notes);
  std::vector<std::string> positionReasons;
  int positions = string.Positions;
  ReadPositions(typed.Positions, positions, positionReasons);
  // The positions' line comes before the law's, as the boxes do, but the
  // law may still cut them.
  Notes lawNotes;
  const LawReading law = ReadStringLaw(typed.Steps, positions, string, lawNotes);
  if (law.DepthCut) positionReasons.emplace_back("takes the law past 120 dB");
  const bool kept = law.Positions == string.Positions && !positionReasons.empty() &&
                    positionReasons.front() == "is not a value";
  string.Positions = law.Positions;
  notes.add("Positions", typed.Positions, positionReasons,
            kept ? "the box keeps " + std::to_string(law.Positions) + "."
                 : std::to_string(law.Positions) + " is used instead.");
  if (!lawNotes.message().empty()) notes.line(lawNotes.message());
  string.StepsDb = law.StepsDb;
  string.LawText = law.Text;
  notation::SeparatorToPoint(string.LawText, notation::DecimalSeparator());

  WriteCircuitBoxes(inputs, string, boxes);
  if (notes.message().empty()) return false;
  if (showMessage) showMessage(notes.message());
  return true;
}

}  // namespace


void StartStringInputs(const DesignState& state, StringInputs& string) {
  if (state.NumPositions < kMinPositions) {  // no design has run
    string = StringInputs{};
    return;
  }
  string.TotalOhms = state.TotalOhms;
  string.Positions = std::clamp<int>(state.NumPositions, kMinPositions, kMaxStringPositions);
  string.StepsDb.assign(static_cast<std::size_t>(string.Positions - 2), state.StepSize);
  LawReading law;
  ReadLaw(notation::WriteBuilderValue(state.StepSize, '.'), string.Positions, '.', law);
  string.LawText = law.Text;
}

bool IsDesignString(const StringInputs& string, const DesignState& state) {
  if (static_cast<float>(string.TotalOhms) != state.TotalOhms ||
      string.Positions != state.NumPositions) {
    return false;
  }
  return std::all_of(string.StepsDb.begin(), string.StepsDb.end(),
                     [&state](double step) { return static_cast<float>(step) == state.StepSize; });
}

namespace {

void WriteSurroundings(const CircuitInputs& inputs, CircuitBoxes& boxes) {
  boxes.Load = Written(inputs.LoadOhms);
  boxes.Source = Written(inputs.SourceOhms);
  boxes.Cable = Written(inputs.CableFarads);
  boxes.Tolerance = Written(inputs.TolerancePercent);
}

}  // namespace

void WriteCircuitBoxes(const CircuitInputs& inputs, const StringInputs& string,
                       CircuitBoxes& boxes) {
  WriteSurroundings(inputs, boxes);
  boxes.Total = Written(string.TotalOhms);
  boxes.Positions = std::to_string(string.Positions);
  boxes.Steps = string.LawText;
  notation::PointToSeparator(boxes.Steps, notation::DecimalSeparator());
}

bool NormaliseCircuitInputs(CircuitBoxes& boxes, CircuitInputs& inputs, StringInputs& string,
                            const MessageSeam& showMessage) {
  return Normalise(boxes, inputs, string, showMessage);
}


}  // namespace design
