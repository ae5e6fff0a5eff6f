// Naming the printed reports' files.
#include "ui/pictures/print_names.h"

#include <string_view>

#include "notation/builder_value.h"
#include "ui/pictures/page_parts.h"

namespace ui {
namespace {

constexpr std::string_view kRefused = "/\\:*?\"<>|";

bool Trimmed(char c) { return c == ' ' || c == '.'; }

}  // namespace

std::string PdfFileName(const std::string& stem) {
  std::string name;
  for (const char c : stem) {
    const auto byte = static_cast<unsigned char>(c);
    name += byte < 0x20 || byte == 0x7F || kRefused.find(c) != kRefused.npos ? '-' : c;
  }
  if (name.size() > kLongestFileStem) {
    std::size_t cut = kLongestFileStem;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  while (!name.empty() && Trimmed(name.back())) name.pop_back();
  std::size_t first = 0;
  while (first < name.size() && Trimmed(name[first])) ++first;
  name.erase(0, first);
  return (name.empty() ? std::string("Kestrix") : name) + ".pdf";
}

std::string ReportFileName(const design::DesignState& state, char separator) {
  return PdfFileName("Kestrix design " + EngText(state.TotalOhms, separator) + " " +
                     std::to_string(state.NumPositions) + "x" + EngText(state.StepSize, separator) +
                     "dB");
}

std::string InCircuitFileName(const circuit::CircuitAnalysis& analysis, const std::string& lawText,
                              char separator) {
  std::string stem = "Kestrix in circuit " +
                     notation::WriteBuilderValue(analysis.TotalOhms, separator) + " " +
                     std::to_string(analysis.N) + " positions";
  if (!lawText.empty() && lawText.size() <= kLongestLawInName) stem += " " + lawText + " dB";
  return PdfFileName(stem);
}

std::string AsBuiltFileName(const circuit::CircuitAnalysis& circuit, char separator) {
  std::string stem = "Kestrix as built " +
                     notation::WriteBuilderValue(circuit.TotalOhms, separator) + " " +
                     std::to_string(circuit.N) + " positions";
  if (!circuit.Sets.empty()) stem += " " + std::string(circuit.Sets[0].RoundedIn->Name());
  if (circuit.Balanced) stem += " balanced";
  return PdfFileName(stem);
}

}  // namespace ui
