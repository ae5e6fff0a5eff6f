// The in-circuit window: its controls, the keys, Recompute and the chart.
#include "ui/windows/in_circuit_window.h"

#include <QAction>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QTableView>

#include "design/circuit_inputs.h"
#include "design/design_state.h"
#include "design/in_circuit_text.h"
#include "notation/eng_notation.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/message_box.h"
#include "ui/desktop/print_job.h"
#include "ui/desktop/seams.h"
#include "ui/desktop/table_copy.h"
#include "ui/desktop/window_keys.h"
#include "ui/desktop/window_scale.h"
#include "ui/pictures/in_circuit_chart.h"
#include "ui/pictures/in_circuit_page.h"
#include "ui/pictures/report.h"
#include "ui/windows/in_circuit_table.h"
#include "ui/windows/navigation.h"

namespace ui {
namespace {

constexpr const char* kCaption = "Kestrix - In circuit";
constexpr double kTablePoints = 8.0;
constexpr double kSummaryPoints = 8.0;

// The chart's place on the window, in design units, and its pens in pixels
// of an 800 x 600 screen.
CircuitChartLayout WindowChart() {
  CircuitChartLayout chart;
  chart.left = 5500.0f;
  chart.right = 11600.0f;
  chart.top = 520.0f;
  chart.bottom = 3350.0f;
  chart.textPoints = 7.0f;
  chart.unitsPerPoint = 21.2f;  // 20 twips, at 0.9433 twip per unit down
  chart.framePen = 2.0f;
  chart.gridPen = 1.0f;
  chart.seriesPen = 1.5f;
  chart.bandPen = 2.5f;
  chart.marker = 40.0f;
  return chart;
}

}  // namespace

frmInCircuit::frmInCircuit(QWidget* parent)
    : ScaledWindow("frmInCircuit", kCaption, Qt::white, parent) {
  createControls();
  chainTabOrder();
  connectHandlers();
  open();

  design::CircuitBoxes boxes;
  design::WriteCircuitBoxes(design::KeptCircuitInputs(), boxes);
  txtLoad->setText(QString::fromStdString(boxes.Load));
  txtSource->setText(QString::fromStdString(boxes.Source));
  txtCable->setText(QString::fromStdString(boxes.Cable));
  txtTolerance->setText(QString::fromStdString(boxes.Tolerance));
  recompute();
  txtLoad->setFocus();
}

void frmInCircuit::createControls() {
  const auto label = [this](const char* name, const char* caption, Qt::Alignment alignment) {
    return addLabel(name, caption, alignment);
  };
  const auto box = [this](const char* name, QLabel* prompt, const char* meaning) {
    QLineEdit* control = addBox(name);
    control->setToolTip(QString::fromUtf8(meaning));
    QString spoken = prompt->text();
    spoken.remove(QLatin1Char('&'));
    spoken.chop(1);  // the colon
    control->setAccessibleName(spoken);
    control->setAccessibleDescription(QString::fromUtf8(meaning));
    prompt->setBuddy(control);
    return control;
  };
  const Qt::Alignment prompt = Qt::AlignRight | Qt::AlignVCenter;

  lblDesign = label("lblDesign", "", Qt::AlignLeft | Qt::AlignTop);
  lblDesign->setWordWrap(true);
  lblLoad = label("lblLoad", "&Load (ohms):", prompt);
  txtLoad = box("txtLoad", lblLoad,
                "Input impedance of the amplifier after the attenuator; 0 or empty: no load");
  lblSource = label("lblSource", "&Source (ohms):", prompt);
  txtSource =
      box("txtSource", lblSource, "Output impedance of the stage that drives the attenuator");
  lblCable = label("lblCable", "&Cable (farads):", prompt);
  txtCable = box("txtCable", lblCable,
                 "Capacitance of the cable after the attenuator (100p = 100 pF); 0: none");
  lblTolerance = label("lblTolerance", "&Tolerance (%):", prompt);
  txtTolerance =
      box("txtTolerance", lblTolerance, "Tolerance of the resistors, 0.01 to 20 %, for the band");
  cmdRecompute = addButton("cmdRecompute", "Recompute");
  cmdPrint = addButton("cmdPrint", "Print");
  cmdReturn = addButton("cmdReturn", "Return");
  cmdAsBuilt = addButton("cmdAsBuilt", "As built");
  lblSummary = label("lblSummary", "", Qt::AlignLeft | Qt::AlignTop);
  lblSummary->setWordWrap(true);

  model_ = new CircuitTableModel(this);
  grdPositions = new QTableView(this);
  grdPositions->setObjectName(QStringLiteral("grdPositions"));
  grdPositions->setModel(model_);
  grdPositions->setAccessibleName(QStringLiteral("Attenuation and impedances at each position"));
  grdPositions->verticalHeader()->hide();
  grdPositions->setAlternatingRowColors(true);
  grdPositions->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdPositions->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdPositions->setWordWrap(false);
  grdPositions->setTabKeyNavigation(false);  // arrows move among the cells, Tab moves on
  grdPositions->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void frmInCircuit::chainTabOrder() {
  QWidget* const order[] = {txtLoad,      txtSource,    txtCable, txtTolerance,
                            cmdRecompute, grdPositions, cmdPrint, cmdReturn};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmInCircuit::connectHandlers() {
  for (QLineEdit* box : {txtLoad, txtSource, txtCable, txtTolerance}) {
    connect(box, &QLineEdit::returnPressed, this, &frmInCircuit::recompute);
  }
  connect(cmdRecompute, &QPushButton::clicked, this, &frmInCircuit::recompute);
  connect(cmdPrint, &QPushButton::clicked, this, &frmInCircuit::printClicked);
  connect(cmdReturn, &QPushButton::clicked, this, &frmInCircuit::returnClicked);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &frmInCircuit::returnClicked);
  connect(cmdAsBuilt, &QPushButton::clicked, this, [this] { ShowAsBuiltWindow(this, analysis_); });
  PressOnKey(cmdAsBuilt, QKeySequence(Qt::CTRL | Qt::Key_B));
  auto* print = new QShortcut(QKeySequence::Print, this);
  connect(print, &QShortcut::activated, this, &frmInCircuit::printClicked);

  InstallTableCopy(this, [this] { return tableText(); });
  auto* copy = new QAction(QStringLiteral("Copy table"), this);
  connect(copy, &QAction::triggered, this, [this] { CopyTable([this] { return tableText(); }); });
  for (QWidget* owner : {static_cast<QWidget*>(this), static_cast<QWidget*>(grdPositions)}) {
    owner->setContextMenuPolicy(Qt::ActionsContextMenu);
    owner->addAction(copy);
  }
}

void frmInCircuit::showMessage(const std::string& message) {
  const design::MessageSeam& seam = AppSeams().showMessage;
  if (seam) {
    seam(message);
  } else {
    MessageBoxSeam(this)(message);
  }
}

void frmInCircuit::recompute() {
  design::CircuitBoxes boxes{txtLoad->text().toStdString(), txtSource->text().toStdString(),
                             txtCable->text().toStdString(), txtTolerance->text().toStdString()};
  const auto showBoxes = [this, &boxes] {
    txtLoad->setText(QString::fromStdString(boxes.Load));
    txtSource->setText(QString::fromStdString(boxes.Source));
    txtCable->setText(QString::fromStdString(boxes.Cable));
    txtTolerance->setText(QString::fromStdString(boxes.Tolerance));
  };
  design::CircuitInputs& inputs = design::KeptCircuitInputs();
  // The boxes show the values used while the message is up.
  design::NormaliseCircuitInputs(boxes, inputs, [this, &showBoxes](const std::string& message) {
    showBoxes();
    showMessage(message);
  });
  showBoxes();

  const design::DesignState& state = design::modMain();
  design::AnalyseInCircuit(state, inputs, analysis_);
  const char separator = notation::DecimalSeparator();
  model_->setAnalysis(analysis_, separator);
  fitColumns();
  lblDesign->setText(
      QString::fromStdString(analysis_.N > 0 ? DesignLine(state) : std::string("No design yet.")));
  QStringList summary;
  for (const std::string& line : SummaryLines(analysis_, separator)) {
    summary << QString::fromStdString(line);
  }
  lblSummary->setText(summary.join(QLatin1Char('\n')));
  drawChart();
}

// Each column as wide as its contents, and the room left over shared out so
// the table fills its width.
void frmInCircuit::fitColumns() {
  grdPositions->resizeColumnsToContents();
  QHeaderView* header = grdPositions->horizontalHeader();
  // The viewport of a window not yet shown has no size of its own yet.
  const QSize room = grdPositions->maximumViewportSize();
  int width = room.width();
  if (grdPositions->verticalHeader()->length() + header->height() > room.height()) {
    width -= grdPositions->verticalScrollBar()->sizeHint().width();
  }
  const int spare = width - header->length();
  const int columns = header->count();
  if (spare <= 0 || columns == 0) return;
  for (int c = 0; c < columns; ++c) {
    header->resizeSection(c, header->sectionSize(c) + spare / columns);
  }
}

void frmInCircuit::drawChart() {
  picture().clear();
  picture().setScale(surface::Scale{0.0f, 0.0f, kUnitsAcross, kUnitsDown});
  DrawInCircuitChart(picture(), analysis_, WindowChart());
  update();
}

QString frmInCircuit::tableText() const {
  return QString::fromStdString(design::CircuitTableText(analysis_, notation::DecimalSeparator()));
}

void frmInCircuit::printClicked() {
  PrintOnePage(this, [this](surface::Surface& page) {
    return DrawInCircuitPage(page, design::modMain(), analysis_, notation::DecimalSeparator(),
                             ReportDate());
  });
}

void frmInCircuit::returnClicked() { ShowDesignWindow(this); }

void frmInCircuit::layoutControls() {
  placeAt(lblDesign, 240, 150, 4300, 615);
  placeAt(lblLoad, 240, 900, 2600, 375);
  placeAt(txtLoad, 2940, 900, 1500, 375);
  placeAt(lblSource, 240, 1380, 2600, 375);
  placeAt(txtSource, 2940, 1380, 1500, 375);
  placeAt(lblCable, 240, 1860, 2600, 375);
  placeAt(txtCable, 2940, 1860, 1500, 375);
  placeAt(lblTolerance, 240, 2340, 2600, 375);
  placeAt(txtTolerance, 2940, 2340, 1500, 375);
  placeAt(cmdRecompute, 240, 2940, 1350, 375);
  placeAt(cmdPrint, 1665, 2940, 1350, 375);
  placeAt(cmdReturn, 3090, 2940, 1350, 375);
  placeAt(cmdAsBuilt, 3090, 3420, 1350, 375);
  lblDesign->setFont(scaledFont(WindowFont(kSummaryPoints)));
  lblSummary->setFont(scaledFont(WindowFont(kSummaryPoints)));
  placeAt(lblSummary, 240, 3480, 4300, 1050);

  QFont table = scaledFont(WindowFont(kTablePoints));
  table.setBold(false);
  grdPositions->setFont(table);
  QFont heading = table;
  heading.setBold(true);
  grdPositions->horizontalHeader()->setFont(heading);
  const double line = QFontMetricsF(table).height();
  grdPositions->verticalHeader()->setDefaultSectionSize(qRound(line * 1.35));
  placeAt(grdPositions, 240, 4620, 11520, 4230);
  fitColumns();
}

}  // namespace ui
