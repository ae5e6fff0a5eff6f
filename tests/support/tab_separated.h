// Reads copied tables back: lines ended by a line feed, cells split at tabs.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace testing_support {

// The parts of `text` between the `at` characters; an `at` at the end leaves
// an empty last part.
inline std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == at) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// The cells of a copied table, line by line; fails unless every line,
// the last included, ends with a line feed.
inline std::vector<std::vector<std::string>> Cells(const std::string& table) {
  std::vector<std::string> lines = Split(table, '\n');
  EXPECT_TRUE(lines.back().empty()) << "every line ends with a line feed";
  lines.pop_back();
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : lines) rows.push_back(Split(line, '\t'));
  return rows;
}

}  // namespace testing_support
