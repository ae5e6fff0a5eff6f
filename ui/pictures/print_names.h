// The file names the printed reports are offered under, one per report and
// design, so that printing one to a file does not overwrite another.
#pragma once

#include <string>

#include "circuit/string_analysis.h"
#include "design/design_state.h"

namespace ui {

// The longest name before ".pdf", bytes: far inside every file system's 255.
inline constexpr std::size_t kLongestFileStem = 120;

// `stem` made a file name every common file system takes, with ".pdf"
// added: the characters some refuse (/ \ : * ? " < > | and control
// characters) become '-', blanks and dots are trimmed from both ends, and
// the rest is cut to kLongestFileStem bytes on a whole UTF-8 character.
// Nothing left gives "Kestrix.pdf".
std::string PdfFileName(const std::string& stem);

// The design window's report: "Kestrix design 10k 11x2dB.pdf" (total,
// positions x step), numbers with `separator`.
std::string ReportFileName(const design::DesignState& state, char separator);

// The in-circuit pages: "Kestrix in circuit 10k 11 positions 2 dB.pdf"
// (total, positions and the law `lawText` as written with `separator`; a
// law longer than kLongestLawInName characters is left out).
inline constexpr std::size_t kLongestLawInName = 32;
std::string InCircuitFileName(const circuit::CircuitAnalysis& analysis, const std::string& lawText,
                              char separator);

// The as-built pages: "Kestrix as built 10k 11 positions E96.pdf" (total,
// positions, the first set's series, and "balanced" when it is).
std::string AsBuiltFileName(const circuit::CircuitAnalysis& circuit, char separator);

}  // namespace ui
