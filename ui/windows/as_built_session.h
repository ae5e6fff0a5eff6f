// What the as-built window keeps for the rest of the process: the in-circuit
// analysis it was last opened on, the values the user typed, their history
// for undo and redo, and what was last copied.
#pragma once

#include <vector>

#include "circuit/as_built.h"
#include "circuit/string_analysis.h"

namespace ui {

// Undo and redo keep whole snapshots of the fitted strings: at most 4
// strings of 64 values, some 2 KB each, so a long history costs little and
// every step puts back exactly what was there.
struct AsBuiltSession {
  circuit::CircuitAnalysis Circuit;          // the in-circuit window's, as last computed
  circuit::FittedStrings Fitted;             // the table's values
  std::vector<circuit::FittedStrings> Undo;  // earlier values, the latest last
  std::vector<circuit::FittedStrings> Redo;  // values undone, the latest undone last
  // The values the table started from or was last copied with: ending the
  // program with these loses nothing.
  circuit::FittedStrings Kept;
};

// Snapshots kept for undo; the oldest go first.
inline constexpr std::size_t kUndoDepth = 200;

// The process's session.
AsBuiltSession& KeptAsBuilt();

// Takes `circuit` as the surroundings. The typed values stay while the
// positions, the law and balanced stay the same; otherwise every cell starts
// again from the new first set, with no history and nothing copied.
void StartAsBuilt(const circuit::CircuitAnalysis& circuit);

// Applies `change` to the session's fitted values as one step that undo
// takes back; a change that leaves every value as it was is no step.
// Returns whether a value changed.
template <class Change>
bool ChangeFitted(AsBuiltSession& session, Change&& change) {
  circuit::FittedStrings before = session.Fitted;
  change(session.Fitted);
  if (session.Fitted == before) return false;
  session.Undo.push_back(std::move(before));
  if (session.Undo.size() > kUndoDepth) session.Undo.erase(session.Undo.begin());
  session.Redo.clear();
  return true;
}

// Puts back the values before the last step (UndoFitted) or the step last
// undone (RedoFitted). Return false, changing nothing, when there is none.
bool UndoFitted(AsBuiltSession& session);
bool RedoFitted(AsBuiltSession& session);

// Notes that the table was copied with the values it holds now.
void NoteFittedCopied(AsBuiltSession& session);

// True while the values differ both from the first set's and from the kept
// ones: ending the program would lose what the user typed.
bool FittedUncopied(const AsBuiltSession& session);

}  // namespace ui
