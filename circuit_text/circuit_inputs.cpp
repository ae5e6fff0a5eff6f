// Reading, range limits and write-back of the in-circuit inputs.
#include "circuit_text/circuit_inputs.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "notation/builder_value.h"
#include "notation/decimal_separator.h"

namespace circuit_text {
namespace {

using notation::BuilderUnit;

constexpr double kLikelyCableFarads = 1e-8;  // a slip is scaled down to 10 nF or less
constexpr double kHintedUpTo = 1e6;          // beyond this a number is no slip of units

std::string Written(double value, char separator) {
  return notation::WriteBuilderValue(value, separator);
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

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

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
    line(std::string(box) + ": " + Quoted(typed) + " " + Joined(reasons, " and ") + "; " + outcome);
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
std::optional<double> Read(const std::string& text, BuilderUnit unit, char separator) {
  return notation::ReadBuilderValue(text, separator, unit);
}

// The reason for a text the reader refused: what in it was not understood.
std::string NotAValue(const std::string& text, BuilderUnit unit, char separator) {
  return "is not a value: " + notation::BuilderValueTrouble(text, separator, unit);
}

// A size or count as typed, its magnitude ("-0" is 0); nothing for a text
// that is not a value or is negative (a minus sign before a size is a typo,
// not a value to take the size of), with the reason added to `reasons`.
std::optional<double> Magnitude(const std::string& text, BuilderUnit unit, char separator,
                                std::vector<std::string>& reasons) {
  const std::optional<double> typed = Read(text, unit, separator);
  if (typed && !(*typed < 0.0)) return std::fabs(*typed);
  reasons.push_back(typed ? "is negative" : NotAValue(text, unit, separator));
  return std::nullopt;
}

// The same for a box of its own: a refused text is noted with `kept`, what
// the box then keeps, as its outcome.
std::optional<double> ReadSize(const char* box, const std::string& text, BuilderUnit unit,
                               char separator, const std::string& kept, Notes& notes) {
  std::vector<std::string> refused;
  const std::optional<double> size = Magnitude(text, unit, separator, refused);
  notes.add(box, text, refused, kept);
  return size;
}

// Load, source: ohms with the upper limit, and for the load the lower one.
void ReadOhms(const char* box, const std::string& text, bool isLoad, char separator, double& ohms,
              Notes& notes) {
  if (isLoad && IsBlank(text)) {
    ohms = 0.0;
    return;
  }
  const std::optional<double> typed =
      ReadSize(box, text, BuilderUnit::Ohms, separator,
               "the box keeps " + Written(ohms, separator) + " ohms.", notes);
  if (!typed) return;
  std::vector<std::string> reasons;
  double value = *typed;
  if (isLoad && value > 0.0 && value < kMinLoadOhms) {
    value = kMinLoadOhms;
    reasons.emplace_back("is below 100u ohms (0 means no load)");
  }
  if (value > kMaxCircuitOhms) {
    value = kMaxCircuitOhms;
    reasons.emplace_back("is above 1e12 ohms");
  }
  ohms = value;
  notes.add(box, text, reasons, Written(value, separator) + " ohms is used instead.");
}

void ReadCable(const std::string& text, char separator, double& farads, Notes& notes) {
  constexpr const char* kBox = "Cable capacitance";
  const std::string kept = "the box keeps " + Written(farads, separator) + "F.";
  const std::optional<double> typed =
      ReadSize(kBox, text, BuilderUnit::Farads, separator, kept, notes);
  if (!typed) return;
  const double value = *typed;
  if (value <= kMaxCableFarads) {
    farads = value;
    return;
  }
  // Most often a unit left out ("100" for 100p): the same digits a thousand
  // times smaller, as often as it takes to reach a cable's size.
  std::string slip = "is above 1uF";
  if (value < kHintedUpTo) {
    double hint = value;
    for (int k = 1; hint > kLikelyCableFarads; ++k) hint = value / std::pow(10.0, 3 * k);
    slip += " (did you mean " + notation::PartText(hint, separator) + "?)";
  }
  notes.add(kBox, text, {slip}, kept);
}

void ReadTolerance(const std::string& text, char separator, double& percent, Notes& notes) {
  constexpr const char* kBox = "Part tolerance";
  const std::optional<double> typed =
      ReadSize(kBox, text, BuilderUnit::Percent, separator,
               "the box keeps " + Written(percent, separator) + " %.", notes);
  if (!typed) return;
  double value = *typed;
  std::vector<std::string> reasons;
  if (value < kMinTolerancePercent || value > kMaxTolerancePercent) {
    value = std::clamp(value, kMinTolerancePercent, kMaxTolerancePercent);
    reasons.emplace_back("is outside 0.01 to 20 %");
  }
  percent = value;
  notes.add(kBox, text, reasons, Written(value, separator) + " % is used instead.");
}

void ReadTotal(const std::string& text, char separator, double& ohms, Notes& notes) {
  constexpr const char* kBox = "Total (ohms)";
  const std::string kept = "the box keeps " + Written(ohms, separator) + " ohms.";
  const std::optional<double> typed =
      ReadSize(kBox, text, BuilderUnit::Ohms, separator, kept, notes);
  if (!typed) return;
  // Zero and totals below 100u cannot be designed. Compared in single
  // precision as the design window does: its own 100u (a single a hair below
  // 1e-4) starts this box and must read back.
  if (!(static_cast<float>(*typed) >= static_cast<float>(kMinCircuitTotalOhms))) {
    notes.add(kBox, text, {"is below 100u ohms, the least total designed"}, kept);
    return;
  }
  ohms = std::min(*typed, kMaxCircuitOhms);
  if (*typed > kMaxCircuitOhms) {
    notes.add(kBox, text, {"is above 1e12 ohms"},
              Written(ohms, separator) + " ohms is used instead.");
  }
}

// A count as typed (the string's positions, the relays): held to `least`
// .. `most` first, then the fraction dropped, as the design window does
// (1.5 positions become 2, 64.9 become 64); each change adds its reason
// ("is below 2", "is above 64", "is not a whole number"). Returns false,
// leaving `count` alone, for a text that is not a value or is negative.
bool ReadCount(const std::string& text, int least, int most, char separator, int& count,
               std::vector<std::string>& reasons) {
  const std::optional<double> typed = Magnitude(text, BuilderUnit::None, separator, reasons);
  if (!typed) return false;
  double value = *typed;
  if (value < least) {
    value = least;
    reasons.push_back("is below " + std::to_string(least));
  } else if (value > most) {
    value = most;
    reasons.push_back("is above " + std::to_string(most));
  }
  if (value != std::trunc(value)) reasons.emplace_back("is not a whole number");
  count = static_cast<int>(value);
  return true;
}

std::string QuotedList(const std::vector<std::string>& texts) {
  std::vector<std::string> quoted;
  for (const std::string& text : texts) quoted.push_back(Quoted(text));
  return Joined(quoted, ", ");
}

// A depth in dB as the law's steps are written: up to 6 significant digits.
std::string DepthText(double db, char separator) { return LawText({db}, separator); }

// "past 120 dB; 26 positions of that law fit"
std::string PastTheLimit(const LawReading& law) {
  return "past 120 dB; " + std::to_string(law.FittingPositions) + " positions of that law fit";
}

// The law's line, or nothing when it has nothing to say: its words that are
// not entries, its steps out of range, and what the box ends with.
void NoteLaw(const std::string& typed, const LawReading& law, bool refused,
             const std::string& outcome, Notes& notes) {
  std::vector<std::string> parts;
  for (const LawWord& word : law.Dropped) {
    parts.push_back(Quoted(word.Text) + " is not an entry (" + word.Why + ")" +
                    (refused ? "" : " and is dropped"));
  }
  if (!law.OutOfRange.empty()) {
    parts.push_back(QuotedList(law.OutOfRange) + (law.OutOfRange.size() == 1 ? " is" : " are") +
                    " outside 0.01 to 20 dB");
  }
  const std::string whole = Quoted(typed);
  if (parts.empty()) {
    if (refused) notes.line("Steps (dB): " + whole + " has no entry; " + outcome);
    return;
  }
  // A law of one word is quoted once: "4k7" is outside ..., not "4k7": "4k7" is ...
  const bool oneWord = parts.size() == 1 && parts[0].rfind(whole + " ", 0) == 0;
  notes.line("Steps (dB): " + (oneWord ? parts[0] : whole + ": " + Joined(parts, "; ")) + "; " +
             outcome);
}

// The previous law read for `positions`; a string that never had one takes
// the default law.
LawReading KeptLaw(const StringInputs& previous, int positions, char separator) {
  LawReading law;
  for (std::string kept : {previous.LawText, StringInputs{}.LawText}) {
    notation::PointToSeparator(kept, separator);
    ReadLaw(kept, positions, separator, law);
    if (law.Usable) break;
  }
  return law;
}

// Positions and law: each box keeps its own text when it is refused, and
// neither is ever cut to fit the other. Where the two pass 120 dB, the law is
// refused if it changed (the switch is the part in hand), and the positions
// if they still pass it with the previous law.
void ReadString(const CircuitBoxes& typed, char separator, StringInputs& string, Notes& notes) {
  std::vector<std::string> positionReasons;
  int positions = string.Positions;
  const bool positionsRead =
      ReadCount(typed.Positions, design::kMinPositions, circuit::kMaxStringPositions, separator,
                positions, positionReasons);

  LawReading typedLaw;
  ReadLaw(typed.Steps, positions, separator, typedLaw);
  const LawReading kept = KeptLaw(string, positions, separator);
  const bool lawTooDeep = typedLaw.Usable && circuit::PastDepthLimit(typedLaw.DepthDb) &&
                          typedLaw.StepsDb != kept.StepsDb;
  const bool lawRefused = !typedLaw.Usable || lawTooDeep;
  const LawReading& law = lawRefused ? kept : typedLaw;
  const bool positionsTooDeep = circuit::PastDepthLimit(law.DepthDb);
  if (positionsTooDeep) {
    positionReasons.push_back("would take the law \"" + law.Text + "\" to " +
                              DepthText(law.DepthDb, separator) + " dB, " + PastTheLimit(law));
  } else {
    string.Positions = law.Positions;
    string.StepsDb = law.StepsDb;
    string.LawText = law.Text;
    notation::SeparatorToPoint(string.LawText, separator);
  }
  const bool positionsKept = !positionsRead || positionsTooDeep;
  notes.add("Positions", typed.Positions, positionReasons,
            positionsKept ? "the box keeps " + std::to_string(string.Positions) + "."
                          : std::to_string(string.Positions) + " is used instead.");

  std::string shown = string.LawText;
  notation::PointToSeparator(shown, separator);
  if (lawTooDeep) {
    notes.line("Steps (dB): " + Quoted(typed.Steps) + " would take " +
               std::to_string(typedLaw.Positions) + " positions to " +
               DepthText(typedLaw.DepthDb, separator) + " dB, " + PastTheLimit(typedLaw) +
               "; the box keeps \"" + shown + "\".");
  } else {
    NoteLaw(typed.Steps, typedLaw, lawRefused,
            lawRefused ? "the box keeps \"" + shown + "\"." : "\"" + shown + "\" is used instead.",
            notes);
  }
}

// The boxes every kind reads alike: load, source, cable, tolerance, total.
void ReadFirstFive(const CircuitBoxes& typed, char separator, circuit::CircuitInputs& inputs,
                   double& totalOhms, Notes& notes) {
  ReadOhms("Load", typed.Load, true, separator, inputs.LoadOhms, notes);
  ReadOhms("Source impedance", typed.Source, false, separator, inputs.SourceOhms, notes);
  ReadCable(typed.Cable, separator, inputs.CableFarads, notes);
  ReadTolerance(typed.Tolerance, separator, inputs.TolerancePercent, notes);
  ReadTotal(typed.Total, separator, totalOhms, notes);
}

void ReadRelays(const std::string& text, char separator, int& relays, Notes& notes) {
  std::vector<std::string> reasons;
  const bool read = ReadCount(text, 1, kMaxRelays, separator, relays, reasons);
  notes.add("Relays", text, reasons,
            read ? std::to_string(relays) + " is used instead."
                 : "the box keeps " + std::to_string(relays) + ".");
}

// One step, as a law of one entry: its text names one step and no more.
void ReadRelayStep(const std::string& text, char separator, StringInputs& relay, Notes& notes) {
  LawReading law;
  ReadLaw(text, 3, separator, law);  // three positions: exactly one step
  std::string kept = relay.LawText;
  notation::PointToSeparator(kept, separator);
  const std::string keeps = "the box keeps \"" + kept + "\".";
  if (!law.Usable) {
    NoteLaw(text, law, true, keeps, notes);
    return;
  }
  // One entry, a bare step: a second entry or a COUNTxSTEP is refused.
  std::size_t entries = 0;
  bool counted = false;
  for (std::size_t at = text.find_first_not_of(" \t"); at != std::string::npos;
       at = text.find_first_not_of(" \t", at)) {
    const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
    const std::string word = text.substr(at, end - at);
    at = end;
    const bool dropped = std::any_of(law.Dropped.begin(), law.Dropped.end(),
                                     [&word](const LawWord& w) { return w.Text == word; });
    if (dropped) continue;
    ++entries;
    counted = counted || word.find_first_of("xX*") != std::string::npos;
  }
  if (entries != 1 || counted) {
    notes.line("Steps (dB): " + Quoted(text) +
               " is more than one step (a relay ladder takes one, 0.01 to 20 dB); " + keeps);
    return;
  }
  relay.StepsDb = {law.StepsDb.front()};
  relay.LawText = LawText(relay.StepsDb, '.');
  NoteLaw(text, law, false, "\"" + law.Text + "\" is used instead.", notes);
}

}  // namespace

void StartStringInputs(const design::DesignState& state, StringInputs& string) {
  if (state.NumPositions < design::kMinPositions) {  // no design has run
    string = StringInputs{};
    return;
  }
  string.TotalOhms = state.TotalOhms;
  string.Positions =
      std::clamp<int>(state.NumPositions, design::kMinPositions, circuit::kMaxStringPositions);
  string.StepsDb.assign(static_cast<std::size_t>(string.Positions - 2), state.StepSize);
  // The single's own digits, so the law reads back as exactly the step the
  // design used; but the least step's single (0.01f is 0.0099999998) lies
  // just outside the law's range, and there its six-digit text stands, the
  // steps then taken as that text reads.
  LawReading law;
  ReadLaw(notation::WriteBuilderValue(state.StepSize, '.'), string.Positions, '.', law);
  if (!law.Usable) {
    ReadLaw(LawText({static_cast<double>(state.StepSize)}, '.'), string.Positions, '.', law);
    if (law.Usable) string.StepsDb = law.StepsDb;
  }
  string.LawText = law.Text;
}

bool IsDesignString(const StringInputs& string, const design::DesignState& state) {
  if (static_cast<float>(string.TotalOhms) != state.TotalOhms ||
      string.Positions != state.NumPositions) {
    return false;
  }
  return std::all_of(string.StepsDb.begin(), string.StepsDb.end(),
                     [&state](double step) { return static_cast<float>(step) == state.StepSize; });
}

namespace {

// Writes the boxes back with the values used, then shows what `notes` say.
bool Finish(const circuit::CircuitInputs& inputs, const StringInputs& string, char separator,
            const Notes& notes, CircuitBoxes& boxes, const design::MessageSeam& showMessage) {
  WriteCircuitBoxes(inputs, string, separator, boxes);
  if (notes.message().empty()) return false;
  if (showMessage) showMessage(notes.message());
  return true;
}

}  // namespace

void WriteCircuitBoxes(const circuit::CircuitInputs& inputs, const StringInputs& string,
                       char separator, CircuitBoxes& boxes) {
  boxes.Load = Written(inputs.LoadOhms, separator);
  boxes.Source = Written(inputs.SourceOhms, separator);
  boxes.Cable = Written(inputs.CableFarads, separator);
  boxes.Tolerance = Written(inputs.TolerancePercent, separator);
  boxes.Total = Written(string.TotalOhms, separator);
  boxes.Positions = std::to_string(string.Positions);
  boxes.Steps = string.LawText;
  notation::PointToSeparator(boxes.Steps, separator);
}

bool NormaliseCircuitInputs(CircuitBoxes& boxes, circuit::CircuitInputs& inputs,
                            StringInputs& string, char separator,
                            const design::MessageSeam& showMessage) {
  const CircuitBoxes typed = boxes;
  Notes notes;
  ReadFirstFive(typed, separator, inputs, string.TotalOhms, notes);
  ReadString(typed, separator, string, notes);
  return Finish(inputs, string, separator, notes, boxes, showMessage);
}

bool NormaliseRelayInputs(CircuitBoxes& boxes, circuit::CircuitInputs& inputs, StringInputs& relay,
                          char separator, const design::MessageSeam& showMessage) {
  const CircuitBoxes typed = boxes;
  Notes notes;
  ReadFirstFive(typed, separator, inputs, relay.TotalOhms, notes);
  ReadRelays(typed.Positions, separator, relay.Positions, notes);
  ReadRelayStep(typed.Steps, separator, relay, notes);
  return Finish(inputs, relay, separator, notes, boxes, showMessage);
}

}  // namespace circuit_text
