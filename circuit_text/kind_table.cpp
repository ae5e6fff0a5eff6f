// The columns and cells of a kind's table, and its copy.
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

void AddPartCells(const KindAnalysis& a, Shape shape, Section section, char separator,
                  CellWriter write, Line& line) {
  const auto add = [&](const circuit::PartOhms& values) {
    if (shape.Series) line.push_back(PartCell(section.Series, values, separator, write));
    if (shape.Shunt) line.push_back(PartCell(section.Shunt, values, separator, write));
  };
  add(a.Design.Ideal);
  for (const circuit::PartSet& set : a.Sets) add(set.Parts.Ohms);
}

}  // namespace

std::vector<ColumnHeading> PositionHeadings(const KindAnalysis& a) {
  std::vector<ColumnHeading> columns;
  if (a.What == Kind::String) return columns;
  const Shape shape = ShapeOf(a.What);
  if (a.What == Kind::RelayLadder) {
    columns.push_back(
        {shape.First, "Code", "", "relay code, relay i switched in where bit i - 1 is set"});
  } else {
    columns.push_back({shape.First, "Pos.", "", "switch position, 0 at the top"});
  }
  columns.push_back({"target_dB", "Target", "dB", "target attenuation"});
  const auto parts = [&](const std::string& owner, const std::string& unit,
                         const std::string& whose) {
    if (shape.Series) {
      columns.push_back({owner + "_series_ohm", "Series", unit,
                         whose + " series part of this position, input to output"});
    }
    if (shape.Shunt) {
      columns.push_back({owner + "_shunt_ohm", "Shunt", unit,
                         whose + " shunt part of this position, output to ground"});
    }
  };
  const std::size_t sets = std::max<std::size_t>(a.Sets.size(), 2);
  parts("ideal", "ohm", "ideal");
  for (std::size_t set = 0; set < sets; ++set) {
    parts(SeriesName(a, set), SetUnit(SetSeries(a, set), "ohm"),
          std::string(SetSeries(a, set).Name()));
  }
  for (std::size_t set = 0; set < sets; ++set) {
    const std::string series(SetSeries(a, set).Name());
    columns.push_back({SeriesName(a, set) + "_dB", "Atten.", SetUnit(SetSeries(a, set), "dB"),
                       "attenuation of the " + series + " set into the load", true});
  }
  const std::string first(SetSeries(a, 0).Name());
  columns.push_back({"band_low_dB", "Band", "low dB",
                     "least attenuation the " + first + " set gives with toleranced parts", true});
  columns.push_back({"band_high_dB", "Band", "high dB",
                     "most attenuation the " + first + " set gives with toleranced parts", true});
  columns.push_back({"zout_ohm", "Zout", "ohm", "output impedance the load sees"});
  columns.push_back({"zin_ohm", "Zin", "ohm", "input impedance the source sees"});
  columns.push_back({"f3db_Hz", "f -3 dB", "Hz", "treble corner of the cable capacitance"});
  columns.push_back({"noise_uV", "Noise", "\u00b5V", "thermal noise at the output, into the load"});
  return columns;
}

KindTable PositionTable(const KindAnalysis& a, char separator, CellWriter write) {
  KindTable table;
  if (a.What == Kind::String) return table;
  const Shape shape = ShapeOf(a.What);
  for (const ColumnHeading& column : PositionHeadings(a)) table.Header.push_back(column.Name);
  const circuit::Network& net = a.Design.Net;
  for (int p = 0; p < a.Positions && p < circuit::Positions(net); ++p) {
    const bool output = circuit::HasOutput(net, p);
    const auto number = [&](const circuit::PositionColumn& column, Quantity quantity) {
      return output && static_cast<std::size_t>(p) < column.size()
                 ? write(quantity, column[static_cast<std::size_t>(p)], separator)
                 : std::string();
    };
    Line line{std::to_string(p), number(a.Target, Quantity::Decibels)};
    const Section section = static_cast<std::size_t>(p) < a.Design.Sections.size()
                                ? a.Design.Sections[static_cast<std::size_t>(p)]
                                : Section{circuit::kOpen, circuit::kOpen};
    AddPartCells(a, shape, section, separator, write, line);
    for (const circuit::PartSet& set : a.Sets) line.push_back(number(set.Db, Quantity::Decibels));
    line.push_back(number(a.BandLowDb, Quantity::Decibels));
    line.push_back(number(a.BandHighDb, Quantity::Decibels));
    line.push_back(number(a.ZoutOhms, Quantity::Ohms));
    line.push_back(number(a.ZinOhms, Quantity::Ohms));
    const std::optional<double> corner = static_cast<std::size_t>(p) < a.F3dbHz.size()
                                             ? a.F3dbHz[static_cast<std::size_t>(p)]
                                             : std::nullopt;
    line.push_back(output && corner ? write(Quantity::Hertz, *corner, separator) : std::string());
    line.push_back(number(a.NoiseMicrovolts, Quantity::Microvolts));
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
                 PlainCell, line);
    table.Lines.push_back(std::move(line));
  }
  Line termination{"termination", ""};
  AddPartCells(a, shape, {circuit::kOpen, PartNamed(net, "T")}, separator, PlainCell, termination);
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
