// Reads the reference tables in tests/data/golden: tab-separated rows whose
// numbers are the bit patterns of singles, written as eight hex digits.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#ifndef KESTRIX_GOLDEN_DIR
#error "the test target must define KESTRIX_GOLDEN_DIR, the folder of the reference tables"
#endif

namespace golden {

struct Row {
  int line;                         // line number in the file, for messages
  std::vector<std::string> fields;  // split at tabs only: spaces belong to the text
};

// Every row of `file` after its header line. Fails the test when the file is
// missing, and never yields a row with the wrong number of fields.
inline std::vector<Row> ReadTable(const std::string& file, std::size_t columns) {
  std::ifstream in(std::string(KESTRIX_GOLDEN_DIR) + "/" + file, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot open " << file;
  std::vector<Row> rows;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (line == 1 || text.empty()) continue;
    Row row{line, {}};
    std::size_t start = 0;
    for (std::size_t tab; (tab = text.find('\t', start)) != std::string::npos; start = tab + 1) {
      row.fields.push_back(text.substr(start, tab - start));
    }
    row.fields.push_back(text.substr(start));
    EXPECT_EQ(row.fields.size(), columns) << file << " line " << line;
    if (row.fields.size() == columns) rows.push_back(std::move(row));
  }
  return rows;
}

// The bit pattern of a single as the tables write it: eight lower-case hex digits.
inline std::string Bits(float value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(std::bit_cast<uint32_t>(value)));
  return text;
}

// The single whose bit pattern `hex` writes.
inline float Single(const std::string& hex) {
  return std::bit_cast<float>(static_cast<uint32_t>(std::stoul(hex, nullptr, 16)));
}

// Entries first .. last of a column as the tables list them, space-separated.
template <typename Column>
std::string BitsList(const Column& column, int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) {
    if (i > first) text += ' ';
    text += Bits(column[static_cast<std::size_t>(i)]);
  }
  return text;
}

// "line 12 [4.7k]": where a failing row is, with its texts shown.
inline std::string Where(const std::string& file, const Row& row, std::size_t textFields) {
  std::string where = file + " line " + std::to_string(row.line);
  for (std::size_t i = 0; i < textFields && i < row.fields.size(); ++i) {
    where += " [" + row.fields[i] + "]";
  }
  return where;
}

}  // namespace golden
