// The as-built window: its table, the keys of a spreadsheet, the summary and
// the chart.
#include "ui/windows/as_built_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

#include "circuit_text/as_built_text.h"
#include "notation/builder_value.h"
#include "notation/decimal_separator.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/message_box.h"
#include "ui/desktop/print_job.h"
#include "ui/desktop/seams.h"
#include "ui/desktop/table_copy.h"
#include "ui/desktop/window_keys.h"
#include "ui/desktop/window_scale.h"
#include "ui/pictures/as_built_chart.h"
#include "ui/pictures/as_built_page.h"
#include "ui/pictures/print_names.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_table.h"
#include "ui/windows/navigation.h"

namespace ui {
namespace {

constexpr const char* kCaption = "Kestrix - As built";
constexpr double kTextPoints = 8.0;

// A table edited as a spreadsheet: Enter commits and moves down, Tab right
// (the view's own), and typing opens the cell with the typed text. Tab from
// the last cell (Shift+Tab from the first) leaves the table for the window's
// next control rather than going round again.
class FittedTable : public QTableView {
 public:
  using QTableView::QTableView;

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    const QModelIndex at = currentIndex();
    const bool last = at.row() == model()->rowCount() - 1 && at.column() == model()->columnCount() - 1;
    const bool first = at.row() == 0 && at.column() == 0;
    if ((action == MoveNext && last) || (action == MovePrevious && first)) return {};
    return QTableView::moveCursor(action, modifiers);
  }

  // Tab out of an open cell moves on as Enter moves down: the next cell
  // becomes current without an editor, so what is typed next replaces it.
  // (The view's own Tab opened the next cell's editor, which the recompute
  // after the commit then closed, leaving the keys nowhere to go.)
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    const bool previous = hint == QAbstractItemDelegate::EditPreviousItem;
    if (next || previous) {
      QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
      const QModelIndex to = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
      if (to.isValid()) {
        setCurrentIndex(to);
      } else {
        focusNextPrevChild(next);
      }
      return;
    }
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
      const QModelIndex below = currentIndex().sibling(currentIndex().row() + 1, currentIndex().column());
      if (below.isValid()) setCurrentIndex(below);
    }
  }
};

AsBuiltChartLayout WindowChart() {
  AsBuiltChartLayout chart;
  chart.left = 6400.0f;
  chart.right = 11600.0f;
  chart.top = 520.0f;
  chart.bottom = 3000.0f;
  chart.unitsPerPoint = 21.2f;
  return chart;
}

}  // namespace

frmAsBuilt::frmAsBuilt(QWidget* parent) : ScaledWindow("frmAsBuilt", kCaption, Qt::white, parent) {
  createControls();
  connectHandlers();
  open();
  recompute();
  grdFitted->setFocus();
  grdFitted->setCurrentIndex(model_->index(AsBuiltTableModel::RowOfResistor(1), 1));
}

void frmAsBuilt::createControls() {
  lblSurroundings = addLabel("lblSurroundings", "", Qt::AlignLeft | Qt::AlignTop);
  lblSurroundings->setWordWrap(true);
  lblSummary = addLabel("lblSummary", "", Qt::AlignLeft | Qt::AlignTop);
  lblSummary->setWordWrap(true);
  lblSummary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  // After the flags, which set their own policy: a screen reader reaches it with Tab.
  lblSummary->setFocusPolicy(Qt::StrongFocus);
  cmdMakeChange = addButton("cmdMakeChange", "&Make this change");
  cmdDesigned = addButton("cmdDesigned", "&Designed values");
  cmdPrint = addButton("cmdPrint", "Print");
  cmdReturn = addButton("cmdReturn", "Return");
  cmdMakeChange->setAccessibleName(QStringLiteral("Make this change"));
  cmdDesigned->setAccessibleName(QStringLiteral("Designed values"));

  model_ = new AsBuiltTableModel([this](const std::string& m) { showMessage(m); }, this);
  grdFitted = new FittedTable(this);
  grdFitted->setObjectName(QStringLiteral("grdFitted"));
  grdFitted->setModel(model_);
  grdFitted->setAccessibleName(QStringLiteral("Fitted values and each channel at each position"));
  grdFitted->verticalHeader()->hide();
  grdFitted->setSelectionMode(QAbstractItemView::SingleSelection);
  grdFitted->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                             QAbstractItemView::EditKeyPressed);
  grdFitted->setTabKeyNavigation(true);
  grdFitted->setWordWrap(false);
  // Every column as wide as its heading and cells, whatever font the style
  // gives the heading when the window is first shown.
  grdFitted->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void frmAsBuilt::connectHandlers() {
  connect(model_, &AsBuiltTableModel::fittedChanged, this, &frmAsBuilt::recompute,
          Qt::QueuedConnection);
  connect(cmdMakeChange, &QPushButton::clicked, this, &frmAsBuilt::makeChange);
  connect(cmdDesigned, &QPushButton::clicked, this, &frmAsBuilt::designedValues);
  connect(cmdReturn, &QPushButton::clicked, this, &frmAsBuilt::returnClicked);
  connect(cmdPrint, &QPushButton::clicked, this, &frmAsBuilt::printClicked);
  PressOnKey(cmdReturn, QKeySequence(Qt::Key_Escape));
  PressOnKey(cmdPrint, QKeySequence::Print);
  auto* pasteKey = new QShortcut(QKeySequence::Paste, grdFitted, nullptr, nullptr,
                                 Qt::WidgetShortcut);
  connect(pasteKey, &QShortcut::activated, this, &frmAsBuilt::paste);
  // Explicit keys rather than the platform's Redo, which is Ctrl+Shift+Z on
  // some desktops and Ctrl+Y on others; an open cell's editor keeps them for
  // its own text.
  const struct {
    QKeySequence keys;
    void (frmAsBuilt::*step)();
  } history[] = {{QKeySequence(Qt::CTRL | Qt::Key_Z), &frmAsBuilt::undo},
                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &frmAsBuilt::redo},
                 {QKeySequence(Qt::CTRL | Qt::Key_Y), &frmAsBuilt::redo}};
  for (const auto& key : history) {
    auto* shortcut = new QShortcut(key.keys, this, nullptr, nullptr, Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, key.step);
  }

  InstallTableCopy(this, [this] { return copyTable(); });
  auto* copy = new QAction(QStringLiteral("Copy table"), this);
  connect(copy, &QAction::triggered, this, [this] { CopyTable([this] { return copyTable(); }); });
  for (QWidget* owner : {static_cast<QWidget*>(this), static_cast<QWidget*>(grdFitted)}) {
    owner->setContextMenuPolicy(Qt::ActionsContextMenu);
    owner->addAction(copy);
  }
}

void frmAsBuilt::showMessage(const std::string& message) {
  const design::MessageSeam& seam = AppSeams().showMessage;
  if (seam) {
    seam(message);
  } else {
    MessageBoxSeam(this)(message);
  }
}

void frmAsBuilt::recompute() {
  AsBuiltSession& kept = KeptAsBuilt();
  circuit::AnalyseAsBuilt(kept.Circuit, kept.Fitted, analysis_);
  const QModelIndex current = grdFitted->currentIndex();
  const char separator = notation::DecimalSeparator();
  model_->show(&analysis_, &kept, separator);
  if (current.isValid() && current != grdFitted->currentIndex()) {
    grdFitted->setCurrentIndex(model_->index(current.row(), current.column()));
  }
  lblSurroundings->setText(
      QString::fromStdString(AsBuiltSurroundingsText(kept.Circuit, separator)));
  const QString summary =
      analysis_.N > 0 ? QString::fromStdString(circuit_text::AsBuiltSummary(analysis_, separator))
                      : QStringLiteral("No string to analyse.");
  lblSummary->setText(summary);
  lblSummary->setAccessibleName(summary);
  cmdMakeChange->setEnabled(analysis_.Best.has_value());
  drawChart(separator);
}

void frmAsBuilt::paste() {
  AsBuiltSession& kept = KeptAsBuilt();
  const QModelIndex at = grdFitted->currentIndex();
  if (at.isValid() && at.column() > model_->stringColumns()) return;
  const int column = at.isValid() ? std::max(at.column() - 1, 0) : 0;
  // From position 0's row, which has no resistor, the paste starts at R1.
  const int resistor = at.isValid() ? std::max(AsBuiltTableModel::ResistorOfRow(at.row()), 1) : 1;
  const std::string text = QApplication::clipboard()->text().toStdString();
  circuit_text::PasteOutcome outcome;
  ChangeFitted(kept, [&](circuit::FittedStrings& fitted) {
    outcome = circuit_text::PasteFitted(text, notation::DecimalSeparator(), resistor, column,
                                        kept.Circuit.Balanced, fitted);
  });
  recompute();
  const std::string message = circuit_text::PasteMessage(outcome);
  if (!message.empty()) showMessage(message);
}

void frmAsBuilt::makeChange() {
  if (!analysis_.Best) return;
  const circuit::SingleChange change = *analysis_.Best;
  ChangeFitted(KeptAsBuilt(), [&change](circuit::FittedStrings& fitted) {
    fitted[change.Column][change.Resistor] = change.To.Ohms();
  });
  recompute();
  grdFitted->setCurrentIndex(
      model_->index(AsBuiltTableModel::RowOfResistor(change.Resistor), change.Column + 1));
}

void frmAsBuilt::designedValues() {
  AsBuiltSession& kept = KeptAsBuilt();
  const circuit::FittedStrings before = kept.Fitted;
  ChangeFitted(kept, [&kept](circuit::FittedStrings& fitted) {
    circuit::DesignedFitted(kept.Circuit, fitted);
  });
  showChanged(before);
}

void frmAsBuilt::undo() {
  const circuit::FittedStrings before = KeptAsBuilt().Fitted;
  if (UndoFitted(KeptAsBuilt())) showChanged(before);
}

void frmAsBuilt::redo() {
  const circuit::FittedStrings before = KeptAsBuilt().Fitted;
  if (RedoFitted(KeptAsBuilt())) showChanged(before);
}

void frmAsBuilt::showChanged(const circuit::FittedStrings& before) {
  recompute();
  const circuit::FittedStrings& now = KeptAsBuilt().Fitted;
  if (before.size() != now.size()) return;
  for (std::size_t k = 1; k < (now.empty() ? 0 : now[0].size()); ++k) {
    for (std::size_t column = 0; column < now.size(); ++column) {
      if (k < before[column].size() && before[column][k] == now[column][k]) continue;
      grdFitted->setCurrentIndex(model_->index(
          AsBuiltTableModel::RowOfResistor(static_cast<int>(k)), static_cast<int>(column) + 1));
      return;
    }
  }
}

void frmAsBuilt::printClicked() {
  const AsBuiltSession& kept = KeptAsBuilt();
  const std::string date = ReportDate();
  const char separator = notation::DecimalSeparator();
  std::vector<PageDrawer> pages;
  for (int index = 0; index < AsBuiltPageCount(analysis_); ++index) {
    pages.push_back([this, &kept, &date, separator, index](surface::Surface& page) {
      return DrawAsBuiltPage(page, index, kept.Circuit, analysis_, kept.Fitted, separator, date);
    });
  }
  PrintPages(this, AsBuiltFileName(kept.Circuit, separator), pages, true);
}

void frmAsBuilt::returnClicked() { ShowInCircuitWindow(this); }

QString frmAsBuilt::tableText() const {
  return QString::fromStdString(circuit_text::AsBuiltTableText(analysis_, KeptAsBuilt().Fitted,
                                                               notation::DecimalSeparator()));
}

QString frmAsBuilt::copyTable() {
  NoteFittedCopied(KeptAsBuilt());
  return tableText();
}

void frmAsBuilt::drawChart(char separator) {
  picture().clear();
  picture().setScale(surface::Scale{0.0f, 0.0f, kUnitsAcross, kUnitsDown});
  DrawAsBuiltChart(picture(), analysis_, WindowChart(), separator);
  update();
}

QFont frmAsBuilt::textFont(double points) const {
  QFont font = WindowFont(points);
  font.setPointSizeF(points * textScale_);
  return font;
}

void frmAsBuilt::layoutControls() {
  const QFont probe = WindowFont(kTextPoints);
  const double scale = scaledFont(probe).pointSizeF() / probe.pointSizeF();
  if (!openingTextScale_) openingTextScale_ = scale;
  textScale_ = std::min(scale, *openingTextScale_);
  const QFont text = textFont(kTextPoints);
  const QFont buttons = textFont(kWindowPoints);
  lblSurroundings->setFont(text);
  lblSummary->setFont(text);
  grdFitted->setFont(text);
  grdFitted->horizontalHeader()->setFont(text);
  for (QPushButton* button : {cmdMakeChange, cmdDesigned, cmdPrint, cmdReturn}) {
    button->setFont(buttons);
  }
  placeAt(lblSurroundings, 240, 150, 5600, 600);
  placeAt(lblSummary, 240, 800, 5600, 1500);
  placeAt(cmdMakeChange, 240, 2400, 1800, 375);
  placeAt(cmdDesigned, 2140, 2400, 1800, 375);
  placeAt(cmdPrint, 4040, 2400, 850, 375);
  placeAt(cmdReturn, 4990, 2400, 850, 375);
  placeAt(grdFitted, 240, 3600, 11520, 5250);
  // The table takes whatever the window has beside and below the laid-out
  // area too, so a wider or taller window shows more of it.
  const int margin = qRound(QFontMetricsF(text).height() / 2.0);
  QRect area = grdFitted->geometry();
  area.setLeft(std::min(area.left(), margin));
  area.setRight(std::max(area.right(), width() - 1 - margin));
  area.setBottom(std::max(area.bottom(), height() - 1 - margin));
  grdFitted->setGeometry(area);
}

frmAsBuilt::~frmAsBuilt() { delete grdFitted; }

}  // namespace ui
