// Parsing, range limits and write-back of the in-circuit inputs.
#include "design/circuit_inputs.h"

#include <cmath>
#include <vector>

#include "notation/eng_notation.h"

namespace design {
namespace {

constexpr double kPicofaradsPerFarad = 1e12;

double Parsed(const std::string& boxText) {
  std::string copy = boxText;
  float value = 0.0f;
  notation::ParseEng(copy, value);
  return value;
}

// FormatEng of farads counted in picofarads, its suffix letter moved down by
// 1e12: FormatEng alone writes every capacitance of a cable as "0  ".
std::string CableText(double farads) {
  std::string text = notation::FormatEng(static_cast<float>(farads * kPicofaradsPerFarad));
  if (text == notation::FormatEng(0.0f)) return text;
  char& suffix = text.back();
  switch (suffix) {
    case ' ': suffix = 'p'; break;
    case 'k': suffix = 'n'; break;
    case 'M': suffix = 'u'; break;
    case 'G': suffix = 'm'; break;
    default: break;
  }
  return text;
}

std::string OhmsText(double ohms) { return notation::FormatEng(static_cast<float>(ohms)); }

// A box text for a message: without FormatEng's blank suffix.
std::string Shown(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// One box's reading: the value used, its written-back text, and why it
// differs from what was typed, if it does.
struct Reading {
  double value = 0.0;
  std::string text;
  std::vector<const char*> reasons;
};

using Writer = std::string (*)(double);

// Takes the size of `typed`, then `limit` may change it; the text is written
// and the value read back from it, so the box and the analysis agree.
template <class Limit>
Reading Read(double typed, Writer write, Limit limit) {
  Reading reading;
  double value = std::fabs(typed);
  if (typed < 0.0) reading.reasons.push_back("is negative");
  if (const char* reason = limit(value)) reading.reasons.push_back(reason);
  reading.text = write(value);
  reading.value = Parsed(reading.text);
  // At FormatEng's lower edge a text can read back as a value that it writes
  // differently ("0.00001 " reads as a single just under 1e-5, written "0  ");
  // writing again settles on a text that reads as itself.
  for (int pass = 0; pass < 3; ++pass) {
    const std::string again = write(reading.value);
    if (again == reading.text) break;
    reading.text = again;
    reading.value = Parsed(again);
  }
  return reading;
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

void Note(std::string& message, const char* box, const std::string& typed, const char* unit,
          const Reading& reading) {
  if (reading.reasons.empty()) return;
  if (!message.empty()) message += '\n';
  message += std::string(box) + ": " + Quoted(typed) + " ";
  for (std::size_t i = 0; i < reading.reasons.size(); ++i) {
    if (i > 0) message += " and ";
    message += reading.reasons[i];
  }
  message += "; " + Shown(reading.text) + unit + " is used instead.";
}

}  // namespace

CircuitInputs& KeptCircuitInputs() {
  static CircuitInputs inputs;
  return inputs;
}

void WriteCircuitBoxes(const CircuitInputs& inputs, CircuitBoxes& boxes) {
  boxes.Load = OhmsText(inputs.LoadOhms);
  boxes.Source = OhmsText(inputs.SourceOhms);
  boxes.Cable = CableText(inputs.CableFarads);
  boxes.Tolerance = OhmsText(inputs.TolerancePercent);
}

bool NormaliseCircuitInputs(CircuitBoxes& boxes, CircuitInputs& inputs,
                            const MessageSeam& showMessage) {
  const CircuitBoxes typed = boxes;
  const double load = Parsed(boxes.Load);
  const double source = Parsed(boxes.Source);
  const double cable = Parsed(boxes.Cable);
  const double tolerance = Parsed(boxes.Tolerance);

  // The limits are compared as singles, the precision the boxes are read in,
  // so that a typed limit ("0.01", "1m") is within its own range.
  const auto below = [](double v, double limit) {
    return static_cast<float>(v) < static_cast<float>(limit);
  };
  const auto above = [](double v, double limit) {
    return static_cast<float>(v) > static_cast<float>(limit);
  };
  const auto noLimit = [](double&) -> const char* { return nullptr; };
  const Reading loadUsed = Read(load, OhmsText, [&](double& v) -> const char* {
    if (v > 0.0 && below(v, kMinLoadOhms)) {
      v = kMinLoadOhms;
      return "is below 0.0001 ohms (0 means no load)";
    }
    return nullptr;
  });
  const Reading sourceUsed = Read(source, OhmsText, noLimit);
  const Reading cableUsed = Read(cable, CableText, [&](double& v) -> const char* {
    if (above(v, kMaxCableFarads)) {
      v = kMaxCableFarads;
      return "is above 1 mF";
    }
    return nullptr;
  });
  const Reading toleranceUsed = Read(tolerance, OhmsText, [&](double& v) -> const char* {
    if (below(v, kMinTolerancePercent)) {
      v = kMinTolerancePercent;
    } else if (above(v, kMaxTolerancePercent)) {
      v = kMaxTolerancePercent;
    } else {
      return nullptr;
    }
    return "is outside 0.01 to 20 %";
  });

  inputs.LoadOhms = loadUsed.value;
  inputs.SourceOhms = sourceUsed.value;
  inputs.CableFarads = cableUsed.value;
  inputs.TolerancePercent = toleranceUsed.value;
  boxes.Load = loadUsed.text;
  boxes.Source = sourceUsed.text;
  boxes.Cable = cableUsed.text;
  boxes.Tolerance = toleranceUsed.text;

  std::string message;
  Note(message, "Load", typed.Load, " ohms", loadUsed);
  Note(message, "Source impedance", typed.Source, " ohms", sourceUsed);
  Note(message, "Cable capacitance", typed.Cable, "F", cableUsed);
  Note(message, "Part tolerance", typed.Tolerance, " %", toleranceUsed);
  if (message.empty()) return false;
  if (showMessage) showMessage(message);
  return true;
}

}  // namespace design
