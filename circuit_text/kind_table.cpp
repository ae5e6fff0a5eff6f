// The cells of a kind's table and its copy.
#include "circuit_text/kind_table.h"

#include <cmath>

#include "circuit_text/cells.h"
#include "circuit_text/string_table.h"
#include "design/tab_text.h"

namespace circuit_text {
namespace {

using circuit::Kind;
using circuit::KindAnalysis;
using circuit::Section;

struct Shape {
  const char* First;  // "position" or "code"
  bool Series;        // a series part per line
  bool Shunt;         // a shunt part per line
};

Shape ShapeOf(Kind kind) {
  switch (kind) {
    case Kind::Ladder:
      return {"position", true, true};
    case Kind::Shunt:
      return {"position", false, true};
    default:
      return {"code", false, false};
  }
}

// The part columns' names, or their cells for `section`: the ideal part,
// then each set's.
void AddPartNames(const KindAnalysis& a, Shape shape, Line& line) {
  const auto add = [&](const std::string& owner) {
    if (shape.Series) line.push_back(owner + "_series_ohm");
    if (shape.Shunt) line.push_back(owner + "_shunt_ohm");
  };
  add("ideal");
  for (std::size_t set = 0; set < std::max<std::size_t>(a.Sets.size(), 2); ++set) {
    add(SeriesName(a, set));
  }
}

void AddPartCells(const KindAnalysis& a, Shape shape, Section section, char separator, Line& line) {
  const auto add = [&](const circuit::PartOhms& values) {
    if (shape.Series) line.push_back(PartCell(section.Series, values, separator));
    if (shape.Shunt) line.push_back(PartCell(section.Shunt, values, separator));
  };
  add(a.Design.Ideal);
  for (const circuit::PartSet& set : a.Sets) add(set.Parts.Ohms);
}

std::string Number(const circuit::PositionColumn& column, int p, char separator) {
  return static_cast<std::size_t>(p) < column.size()
             ? circuit_text::PlainDecimal(column[static_cast<std::size_t>(p)], separator)
             : std::string();
}

}  // namespace

KindTable PositionTable(const KindAnalysis& a, char separator) {
  KindTable table;
  if (a.What == Kind::String) return table;
  const Shape shape = ShapeOf(a.What);
  Line& header = table.Header;
  header = {shape.First, "target_dB"};
  AddPartNames(a, shape, header);
  for (std::size_t set = 0; set < std::max<std::size_t>(a.Sets.size(), 2); ++set) {
    header.push_back(SeriesName(a, set) + "_dB");
  }
  for (const char* name :
       {"band_low_dB", "band_high_dB", "zout_ohm", "zin_ohm", "f3db_Hz", "noise_uV"}) {
    header.push_back(name);
  }
  const circuit::Network& net = a.Design.Net;
  for (int p = 0; p < a.Positions && p < circuit::Positions(net); ++p) {
    const bool output = circuit::HasOutput(net, p);
    Line line{std::to_string(p), output ? Number(a.Target, p, separator) : std::string()};
    const Section section = static_cast<std::size_t>(p) < a.Design.Sections.size()
                                ? a.Design.Sections[static_cast<std::size_t>(p)]
                                : Section{circuit::kOpen, circuit::kOpen};
    AddPartCells(a, shape, section, separator, line);
    const auto measure = [&](const circuit::PositionColumn& column) {
      line.push_back(output ? Number(column, p, separator) : std::string());
    };
    for (const circuit::PartSet& set : a.Sets) measure(set.Db);
    for (const circuit::PositionColumn* column :
         {&a.BandLowDb, &a.BandHighDb, &a.ZoutOhms, &a.ZinOhms}) {
      measure(*column);
    }
    const std::optional<double> corner = static_cast<std::size_t>(p) < a.F3dbHz.size()
                                             ? a.F3dbHz[static_cast<std::size_t>(p)]
                                             : std::nullopt;
    line.push_back(output && corner ? circuit_text::PlainDecimal(*corner, separator)
                                    : std::string());
    measure(a.NoiseMicrovolts);
    table.Lines.push_back(std::move(line));
  }
  return table;
}

KindTable StageTable(const KindAnalysis& a, char separator) {
  KindTable table;
  if (a.What != Kind::RelayLadder) return table;
  const Shape shape{"stage", true, true};
  table.Header = {"stage", "stage_dB"};
  AddPartNames(a, shape, table.Header);
  const circuit::Network& net = a.Design.Net;
  for (int i = 1; i <= a.Stages; ++i) {
    const std::string number = std::to_string(i);
    Line line{number, circuit_text::PlainDecimal(a.StepDb * std::ldexp(1.0, i - 1), separator)};
    AddPartCells(a, shape, {PartNamed(net, "S" + number), PartNamed(net, "H" + number)}, separator,
                 line);
    table.Lines.push_back(std::move(line));
  }
  Line termination{"termination", ""};
  AddPartCells(a, shape, {circuit::kOpen, PartNamed(net, "T")}, separator, termination);
  table.Lines.push_back(std::move(termination));
  return table;
}

std::string KindTableText(const KindAnalysis& analysis, char separator) {
  std::string text;
  const KindTable positions = PositionTable(analysis, separator);
  if (positions.Header.empty()) return text;
  design::AppendTabLine(text, positions.Header);
  for (const Line& line : positions.Lines) design::AppendTabLine(text, line);
  const KindTable stages = StageTable(analysis, separator);
  if (stages.Header.empty()) return text;
  text += '\n';
  design::AppendTabLine(text, stages.Header);
  for (const Line& line : stages.Lines) design::AppendTabLine(text, line);
  return text;
}

}  // namespace circuit_text
