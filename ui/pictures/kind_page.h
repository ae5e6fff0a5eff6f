// The printed pages of a ladder, shunt or relay ladder, and the lines they
// share with the in-circuit window: the kind's line, its parts and build list.
#pragma once

#include <string>
#include <vector>

#include "circuit/analysis.h"
#include "ui/surface/surface.h"

namespace ui {

// "Series string", "Ladder", "Shunt", "Relay ladder".
const char* KindName(circuit::Kind kind);

// What was analysed: "Ladder, input 10k ohms, 11 positions, steps 2 dB, E96,
// E24" ("Shunt, series ...", "Relay ladder, stage 10k ohms, 6 relays, step 1
// dB, ..."), the law as `lawText`; "No attenuator to analyse." without one.
std::string KindLine(const circuit::KindAnalysis& analysis, std::string lawText, char separator);


// How many pages DrawKindPage draws: the first, the table's continuation
// pages and the parts pages; 0 when the analysis holds no attenuator.
int KindPageCount(const circuit::KindAnalysis& analysis, char separator);

// Draws page `index` (0 .. KindPageCount - 1) in page units (12000 x 16000,
// starting with the page set-up), 7 pt or larger: the first page the title,
// the inputs, the kind's line, the summary, the schematic at position 1 and
// the table's first rows; then the rest of the table, then the parts and
// build lists; each page's foot `date` and "Page i of n". Returns false,
// drawing nothing, for an index beyond the pages.
bool DrawKindPage(surface::Surface& page, const circuit::KindAnalysis& analysis,
                  const std::string& lawText, char separator, const std::string& date, int index);

}  // namespace ui
