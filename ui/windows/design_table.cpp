// The design as tab-separated text.
#include "ui/windows/design_table.h"

#include <charconv>

#include <QAction>
#include <QString>
#include <QWidget>

#include "design/design_state.h"
#include "design/tab_text.h"
#include "notation/eng_notation.h"
#include "ui/desktop/table_copy.h"

namespace ui {
namespace {

QString CurrentTable() {
  return QString::fromStdString(DesignTable(design::modMain(), notation::DecimalSeparator()));
}

}  // namespace

std::string ShortestText(float value, char separator) {
  char digits[64];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  std::string text(digits, error == std::errc() ? end : digits);
  notation::PointToSeparator(text, separator);
  return text;
}

std::string DesignTable(const design::DesignState& state, char separator) {
  const auto number = [separator](float value) { return ShortestText(value, separator); };
  const int n = state.NumPositions;
  std::string table = kDesignTableHeader;
  table += '\n';
  for (int p = 0; p <= n - 1; ++p) {
    const bool top = p == 0;
    const bool ground = p == n - 1;
    design::AppendTabLine(
        table, std::initializer_list<std::string>{
                   std::to_string(p), ground ? "" : number(state.TargetAtten[p]),
                   top ? "" : number(state.IdealR[p]), top ? "" : number(state.R1Pct[p]),
                   top ? "" : number(state.R5Pct[p]), ground ? "" : number(state.Atten1Pct[p]),
                   ground ? "" : number(state.Atten5Pct[p])});
  }
  design::AppendTabLine(table, std::initializer_list<std::string>{
                                   "total", "", number(state.TotalOhms), number(state.Total1Pct),
                                   number(state.Total5Pct), "", ""});
  return table;
}

void InstallDesignCopy(QWidget* window) {
  InstallTableCopy(window, CurrentTable);
  auto* copy = new QAction(QStringLiteral("Copy design"), window);
  copy->setObjectName(QStringLiteral("actCopyDesign"));
  QObject::connect(copy, &QAction::triggered, window, [] { CopyTable(CurrentTable); });
  window->addAction(copy);
  window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace ui
