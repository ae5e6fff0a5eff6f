// Tab-separated text, the form a spreadsheet pastes into columns.
#pragma once

#include <string>

namespace design {

// Appends `cells` (any range of strings) joined by one tab, then a line feed.
template <typename Cells>
void AppendTabLine(std::string& text, const Cells& cells) {
  bool first = true;
  for (const auto& cell : cells) {
    if (!first) text += '\t';
    text += cell;
    first = false;
  }
  text += '\n';
}

}  // namespace design
