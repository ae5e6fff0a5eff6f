// Questions the window and page tests ask of recorded drawing operations.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ui/surface/recording_surface.h"
#include "ui/surface/surface_ops.h"

namespace recorded {

inline std::vector<surface::LineOp> Lines(const surface::OpList& ops) {
  std::vector<surface::LineOp> found;
  for (const surface::Op& op : ops) {
    if (const auto* line = std::get_if<surface::LineOp>(&op)) found.push_back(*line);
  }
  return found;
}

inline std::vector<surface::TextOp> Texts(const surface::OpList& ops) {
  std::vector<surface::TextOp> found;
  for (const surface::Op& op : ops) {
    if (const auto* text = std::get_if<surface::TextOp>(&op)) found.push_back(*text);
  }
  return found;
}

// The texts printed with their top-left corner at x = `x`: one column.
inline std::vector<surface::TextOp> TextsAt(const surface::OpList& ops, float x) {
  std::vector<surface::TextOp> found = Texts(ops);
  std::erase_if(found, [x](const surface::TextOp& text) { return text.at.x != x; });
  return found;
}

inline std::vector<std::string> Strings(const std::vector<surface::TextOp>& texts) {
  std::vector<std::string> found;
  for (const surface::TextOp& text : texts) found.push_back(text.text);
  return found;
}

// Fails for every line end and text position that is not a finite number.
inline void ExpectFiniteCoordinates(const surface::OpList& ops) {
  const auto finite = [](surface::PointF p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  for (const surface::Op& op : ops) {
    if (const auto* line = std::get_if<surface::LineOp>(&op)) {
      EXPECT_TRUE(finite(line->from) && finite(line->to)) << op;
    }
    if (const auto* text = std::get_if<surface::TextOp>(&op)) {
      EXPECT_TRUE(finite(text->at)) << op;
    }
  }
}

// A line with the pen width in force when it was drawn.
struct PennedLine {
  float pen;
  surface::LineOp line;
};

// Every line, with the width of the last pen set before it (`pen` before the
// first width the operations set).
inline std::vector<PennedLine> PennedLines(const surface::OpList& ops, float pen) {
  std::vector<PennedLine> found;
  for (const surface::Op& op : ops) {
    if (const auto* width = std::get_if<surface::PenWidthOp>(&op)) pen = width->width;
    if (const auto* line = std::get_if<surface::LineOp>(&op)) found.push_back({pen, *line});
  }
  return found;
}

// Each text printed exactly once, with its top-left corner at its place.
using Placed = std::pair<const char*, surface::PointF>;
inline void ExpectPrintedOnceAt(const surface::OpList& ops, const std::vector<Placed>& places) {
  for (const auto& [text, at] : places) {
    SCOPED_TRACE(text);
    std::vector<surface::PointF> where;
    for (const surface::TextOp& printed : Texts(ops)) {
      if (printed.text == text) where.push_back(printed.at);
    }
    ASSERT_EQ(where.size(), 1u);
    EXPECT_EQ(where[0], at);
  }
}

// Fails for every two texts printed on one line (the same top) that touch,
// by the recording surface's measure at the font size and scale in force.
inline void ExpectNoTextsTouch(const surface::OpList& ops) {
  std::map<float, std::vector<std::tuple<float, float, std::string>>> lines;  // left, right
  surface::RecordingSurface measure;
  for (const surface::Op& op : ops) {
    const auto* text = std::get_if<surface::TextOp>(&op);
    if (!text) surface::Replay({op}, measure);  // the font size and scale
    if (text)
      lines[text->at.y].emplace_back(text->at.x, text->at.x + measure.textWidth(text->text),
                                     text->text);
  }
  for (auto& [top, texts] : lines) {
    std::sort(texts.begin(), texts.end());
    for (std::size_t i = 1; i < texts.size(); ++i) {
      EXPECT_GT(std::get<0>(texts[i]), std::get<1>(texts[i - 1]))
          << std::get<2>(texts[i - 1]) << " | " << std::get<2>(texts[i]) << " at y " << top;
    }
  }
}

}  // namespace recorded
