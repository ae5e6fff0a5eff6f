// The in-circuit window: its controls, the keys, Recompute and the chart.
#include "ui/in_circuit_window.h"

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
#include "ui/fonts.h"
#include "ui/in_circuit_chart.h"
#include "ui/in_circuit_page.h"
#include "ui/in_circuit_table.h"
#include "ui/message_seam.h"
#include "ui/navigation.h"
#include "ui/print_job.h"
#include "ui/report.h"
#include "ui/seams.h"
#include "ui/table_copy.h"
#include "ui/window_scale.h"

namespace ui {
namespace {

constexpr const char* kCaption = "Kestrix - In circuit";
constexpr double kTablePoints = 8.0;
constexpr double kSummaryPoints = 8.0;

// The chart's place on the window, in design units, and its pens in pixels
// of an 800 x 600 screen.
ChartLayout WindowChart() {
  ChartLayout chart;
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
  Text1->setText(QString::fromStdString(boxes.Load));
  Text2->setText(QString::fromStdString(boxes.Source));
  Text3->setText(QString::fromStdString(boxes.Cable));
  Text4->setText(QString::fromStdString(boxes.Tolerance));
  Recompute();
  Text1->setFocus();
}

void frmInCircuit::createControls() {
  const auto label = [this](const char* name, const char* caption, Qt::Alignment alignment) {
    auto* control = new QLabel(QString::fromUtf8(caption), this);
    control->setObjectName(QString::fromLatin1(name));
    control->setAlignment(alignment);
    return control;
  };
  const auto box = [this](const char* name, QLabel* prompt, const char* meaning) {
    auto* control = new QLineEdit(this);
    control->setObjectName(QString::fromLatin1(name));
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
  Label1 = label("Label1", "&Load (ohms):", prompt);
  Text1 = box("Text1", Label1,
              "Input impedance of the amplifier after the attenuator; 0 or empty: no load");
  Label2 = label("Label2", "&Source (ohms):", prompt);
  Text2 = box("Text2", Label2, "Output impedance of the stage that drives the attenuator");
  Label3 = label("Label3", "&Cable (farads):", prompt);
  Text3 = box("Text3", Label3,
              "Capacitance of the cable after the attenuator (100p = 100 pF); 0: none");
  Label4 = label("Label4", "&Tolerance (%):", prompt);
  Text4 = box("Text4", Label4, "Tolerance of the resistors, 0.01 to 20 %, for the band");
  cmdRecompute = addButton("cmdRecompute", "Recompute");
  cmdPrint = addButton("cmdPrint", "Print");
  cmdExit = addButton("cmdExit", "Return");
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
  QWidget* const order[] = {Text1, Text2, Text3, Text4, cmdRecompute,
                            grdPositions, cmdPrint, cmdExit};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmInCircuit::connectHandlers() {
  for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
    connect(box, &QLineEdit::returnPressed, this, &frmInCircuit::Recompute);
  }
  connect(cmdRecompute, &QPushButton::clicked, this, &frmInCircuit::Recompute);
  connect(cmdPrint, &QPushButton::clicked, this, &frmInCircuit::printClicked);
  connect(cmdExit, &QPushButton::clicked, this, &frmInCircuit::returnClicked);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &frmInCircuit::returnClicked);
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

void frmInCircuit::Recompute() {
  design::CircuitBoxes boxes{Text1->text().toStdString(), Text2->text().toStdString(),
                             Text3->text().toStdString(), Text4->text().toStdString()};
  const auto showBoxes = [this, &boxes] {
    Text1->setText(QString::fromStdString(boxes.Load));
    Text2->setText(QString::fromStdString(boxes.Source));
    Text3->setText(QString::fromStdString(boxes.Cable));
    Text4->setText(QString::fromStdString(boxes.Tolerance));
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
  lblDesign->setText(QString::fromStdString(
      analysis_.N > 0 ? DesignLine(state) : std::string("No design yet.")));
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
  const auto at = [this](QWidget* control, qreal left, qreal top, qreal width, qreal height) {
    placeAt(control, QRectF(left, top, width, height));
  };
  at(lblDesign, 240, 150, 4300, 615);
  at(Label1, 240, 900, 2600, 375);
  at(Text1, 2940, 900, 1500, 375);
  at(Label2, 240, 1380, 2600, 375);
  at(Text2, 2940, 1380, 1500, 375);
  at(Label3, 240, 1860, 2600, 375);
  at(Text3, 2940, 1860, 1500, 375);
  at(Label4, 240, 2340, 2600, 375);
  at(Text4, 2940, 2340, 1500, 375);
  at(cmdRecompute, 240, 2940, 1350, 375);
  at(cmdPrint, 1665, 2940, 1350, 375);
  at(cmdExit, 3090, 2940, 1350, 375);
  lblDesign->setFont(scaledFont(WindowFont(kSummaryPoints)));
  lblSummary->setFont(scaledFont(WindowFont(kSummaryPoints)));
  at(lblSummary, 240, 3480, 4300, 1050);

  QFont table = scaledFont(WindowFont(kTablePoints));
  table.setBold(false);
  grdPositions->setFont(table);
  QFont heading = table;
  heading.setBold(true);
  grdPositions->horizontalHeader()->setFont(heading);
  const double line = QFontMetricsF(table).height();
  grdPositions->verticalHeader()->setDefaultSectionSize(qRound(line * 1.35));
  at(grdPositions, 240, 4620, 11520, 4230);
  fitColumns();
}

}  // namespace ui
