// The in-circuit window: its controls, the keys, Recompute and the chart.
#include "ui/windows/in_circuit_window.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QTableView>
#include <QTextDocument>
#include <QtMath>

#include "circuit_text/build_list.h"
#include "circuit_text/circuit_inputs.h"
#include "circuit_text/kind_table.h"
#include "circuit_text/parts_lines.h"
#include "circuit_text/parts_list.h"
#include "circuit_text/string_summary.h"
#include "circuit_text/string_table.h"
#include "design/design_state.h"
#include "notation/decimal_separator.h"
#include "notation/eng_notation.h"
#include "ui/desktop/fonts.h"
#include "ui/desktop/measured_table_view.h"
#include "ui/desktop/message_box.h"
#include "ui/desktop/print_job.h"
#include "ui/desktop/seams.h"
#include "ui/desktop/table_copy.h"
#include "ui/desktop/window_keys.h"
#include "ui/desktop/window_scale.h"
#include "ui/pictures/circuit_cells.h"
#include "ui/pictures/in_circuit_chart.h"
#include "ui/pictures/in_circuit_page.h"
#include "ui/pictures/print_names.h"
#include "ui/pictures/report.h"
#include "ui/windows/accessibility.h"
#include "ui/windows/circuit_session.h"
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
  chart.left = 6500.0f;
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
    : ScaledWindow("frmInCircuit", kCaption, Qt::white, parent),
      showMessage_(AppSeams().showMessage ? AppSeams().showMessage : MessageBoxSeam(this)) {
  createControls();
  chainTabOrder();
  connectHandlers();
  open();

  CircuitSession& session = KeptCircuitSession();
  FollowDesign(session, design::modMain());
  circuit_text::CircuitBoxes boxes;
  circuit_text::WriteCircuitBoxes(session.Inputs, session.String, notation::DecimalSeparator(),
                                  boxes);
  showBoxes(boxes);
  cboFirstSeries->setCurrentText(QString::fromUtf8(session.RoundedIn[0]->Name()));
  cboSecondSeries->setCurrentText(QString::fromUtf8(session.RoundedIn[1]->Name()));
  chkBalanced->setChecked(session.Balanced);
  cboKind->setCurrentIndex(static_cast<int>(session.Kind));
  showKindControls();
  recompute();
  txtLoad->setFocus();
}

void frmInCircuit::showBoxes(const circuit_text::CircuitBoxes& boxes) {
  txtLoad->setText(QString::fromStdString(boxes.Load));
  txtSource->setText(QString::fromStdString(boxes.Source));
  txtCable->setText(QString::fromStdString(boxes.Cable));
  txtTolerance->setText(QString::fromStdString(boxes.Tolerance));
  txtTotal->setText(QString::fromStdString(boxes.Total));
  txtPositions->setText(QString::fromStdString(boxes.Positions));
  txtSteps->setText(QString::fromStdString(boxes.Steps));
}

void frmInCircuit::createControls() {
  const auto label = [this](const char* name, const char* caption, Qt::Alignment alignment) {
    return addLabel(name, caption, alignment);
  };
  const auto box = [this](const char* name, QLabel* prompt, const char* meaning) {
    QLineEdit* control = addBox(name);
    LabelBox(prompt, control, meaning);
    return control;
  };
  const auto series = [this](const char* name, QLabel* prompt, const char* meaning) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(QString::fromLatin1(name));
    // Not editable: typing a series' name into the focused choice selects it.
    for (const design::Series* each : design::kAllSeries) {
      choice->addItem(QString::fromUtf8(each->Name()));
    }
    choice->setToolTip(QString::fromUtf8(meaning));
    prompt->setBuddy(choice);
    QString spoken = prompt->text();
    spoken.remove(QLatin1Char('&'));
    spoken.chop(1);
    choice->setAccessibleName(spoken);
    return choice;
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
  lblTotal = label("lblTotal", "T&otal (ohms):", prompt);
  txtTotal = box("txtTotal", lblTotal, "Total resistance of one string, top to ground");
  lblPositions = label("lblPositions", "&Positions:", prompt);
  txtPositions = box("txtPositions", lblPositions, "Switch positions, 2 to 64");
  lblSteps = label("lblSteps", "St&eps (dB):", prompt);
  txtSteps = box("txtSteps", lblSteps,
                 "Steps from the top down, e.g. 11x2 3: eleven 2 dB steps, then 3 dB steps");
  lblFirstSeries = label("lblFirstSeries", "&First series:", prompt);
  cboFirstSeries = series("cboFirstSeries", lblFirstSeries, "Series of the first rounded set");
  lblSecondSeries = label("lblSecondSeries", "Seco&nd series:", prompt);
  cboSecondSeries = series("cboSecondSeries", lblSecondSeries, "Series of the second rounded set");
  chkBalanced = new QCheckBox(QStringLiteral("&Balanced"), this);
  chkBalanced->setObjectName(QStringLiteral("chkBalanced"));
  chkBalanced->setToolTip(
      QStringLiteral("Two strings whose ground ends meet, the load between the two wipers"));
  cmdRecompute = addButton("cmdRecompute", "Recompute");
  cmdPrint = addButton("cmdPrint", "Print");
  cmdReturn = addButton("cmdReturn", "Return");
  cmdAsBuilt = addButton("cmdAsBuilt", "As built");
  lblSummary = label("lblSummary", "", Qt::AlignLeft | Qt::AlignTop);
  lblSummary->setWordWrap(true);

  model_ = new CircuitTableModel(this);
  grdPositions = new MeasuredTableView(this);
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
  // Each column as wide as its contents; room left over stays beside the last.
  grdPositions->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grdPositions->horizontalHeader()->setStretchLastSection(false);

  txtParts = new QPlainTextEdit(this);
  txtParts->setObjectName(QStringLiteral("txtParts"));
  txtParts->setReadOnly(true);
  txtParts->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtParts->setAccessibleName(QStringLiteral("Parts list and build list"));
  txtParts->setTabChangesFocus(true);
  createKindControls();
}

void frmInCircuit::chainTabOrder() {
  QWidget* const order[] = {txtLoad,        txtSource,       txtCable,     txtTolerance,
                            txtTotal,       txtPositions,    txtSteps,     cboFirstSeries,
                            cboSecondSeries, chkBalanced, cboKind, cmdRecompute, grdPositions,
                            txtParts,       cmdPrint,        cmdReturn,    cmdAsBuilt};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmInCircuit::connectHandlers() {
  PressOnEnter({txtLoad, txtSource, txtCable, txtTolerance, txtTotal, txtPositions, txtSteps},
               cmdRecompute);
  connect(cmdRecompute, &QPushButton::clicked, this, &frmInCircuit::recompute);
  for (QComboBox* choice : {cboFirstSeries, cboSecondSeries}) {
    connect(choice, &QComboBox::activated, this, &frmInCircuit::recompute);
  }
  connect(chkBalanced, &QCheckBox::toggled, this, &frmInCircuit::recompute);
  connect(cmdPrint, &QPushButton::clicked, this, &frmInCircuit::printClicked);
  connect(cmdReturn, &QPushButton::clicked, this, &frmInCircuit::returnClicked);

  PressOnKey(cmdReturn, QKeySequence(Qt::Key_Escape));
  PressOnKey(cmdPrint, QKeySequence::Print);
  connect(cmdAsBuilt, &QPushButton::clicked, this, [this] { ShowAsBuiltWindow(this, analysis_); });
  PressOnKey(cmdAsBuilt, QKeySequence(Qt::CTRL | Qt::Key_B));

  InstallTableCopy(this, [this] { return tableText(); });
  auto* copy = new QAction(QStringLiteral("Copy table"), this);
  connect(copy, &QAction::triggered, this, [this] { CopyTable([this] { return tableText(); }); });
  auto* copyParts = new QAction(QStringLiteral("Copy parts list"), this);
  copyParts->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyParts->setShortcutContext(Qt::WindowShortcut);
  connect(copyParts, &QAction::triggered, this,
          [this] { CopyTable([this] { return partsText(); }); });
  auto* copyBuild = new QAction(QStringLiteral("Copy build list"), this);
  connect(copyBuild, &QAction::triggered, this,
          [this] { CopyTable([this] { return buildText(); }); });
  connectKindHandlers();
  for (QWidget* owner : {static_cast<QWidget*>(this), static_cast<QWidget*>(grdPositions),
                         static_cast<QWidget*>(txtParts)}) {
    owner->setContextMenuPolicy(Qt::ActionsContextMenu);
    owner->addActions({copy, copyParts, copyBuild});
  }
}

void frmInCircuit::recompute() {
  if (!isString()) {
    recomputeKind();
    return;
  }
  circuit_text::CircuitBoxes boxes{
      txtLoad->text().toStdString(),  txtSource->text().toStdString(),
      txtCable->text().toStdString(), txtTolerance->text().toStdString(),
      txtTotal->text().toStdString(), txtPositions->text().toStdString(),
      txtSteps->text().toStdString()};
  CircuitSession& session = KeptCircuitSession();
  const char separator = notation::DecimalSeparator();
  // The boxes show the values used while the message is up.
  circuit_text::NormaliseCircuitInputs(boxes, session.Inputs, session.String, separator,
                                       [this, &boxes](const std::string& message) {
                                         showBoxes(boxes);
                                         showMessage_(message);
                                       });
  showBoxes(boxes);
  const auto chosen = [](const QComboBox* choice) {
    const design::Series* series = design::FindSeries(choice->currentText().toStdString());
    return series ? series : &design::kE96;
  };
  session.RoundedIn = {chosen(cboFirstSeries), chosen(cboSecondSeries)};
  session.Balanced = chkBalanced->isChecked();

  const design::DesignState& state = design::modMain();
  circuit::AnalyseString(SessionSpec(session, state), analysis_);
  model_->setTable(ShownCircuitTable(analysis_, separator));
  showHeading(separator);
  QStringList summary;
  for (const std::string& line : circuit_text::SummaryLines(analysis_, separator)) {
    summary << QString::fromStdString(line);
  }
  lblSummary->setText(summary.join(QLatin1Char('\n')));
  showParts(separator);
  drawChart();
}

void frmInCircuit::showHeading(char separator) {
  const design::DesignState& state = design::modMain();
  if (state.NumPositions >= design::kMinPositions &&
      circuit_text::IsDesignString(KeptCircuitSession().String, state)) {
    lblDesign->setText(QString::fromStdString(DesignLine(state, separator)));
    return;
  }
  // Another string than the design's: as its boxes show it.
  lblDesign->setText(QStringLiteral("String: %1, %2 positions, law %3")
                         .arg(txtTotal->text(), txtPositions->text(), txtSteps->text()));
}

void frmInCircuit::showParts(char separator) {
  std::string text;
  for (const std::string& line : circuit_text::PartsLines(analysis_, separator)) text += line + '\n';
  txtParts->setPlainText(QString::fromStdString(text));
  placeTableAndParts();  // the longest line sets the box's width
}

void frmInCircuit::drawChart() {
  picture().clear();
  picture().setScale(surface::Scale{0.0f, 0.0f, kUnitsAcross, kUnitsDown});
  DrawInCircuitChart(picture(), analysis_, WindowChart());
  update();
}

QString frmInCircuit::partsText() const {
  const char separator = notation::DecimalSeparator();
  return QString::fromStdString(isString() ? circuit_text::PartsListText(analysis_, separator)
                                           : circuit_text::PartsListText(kindAnalysis_, separator));
}

QString frmInCircuit::buildText() const {
  const char separator = notation::DecimalSeparator();
  return QString::fromStdString(isString() ? circuit_text::BuildListText(analysis_, separator)
                                           : circuit_text::BuildListText(kindAnalysis_, separator));
}

QString frmInCircuit::tableText() const {
  const char separator = notation::DecimalSeparator();
  return QString::fromStdString(isString() ? circuit_text::CircuitTableText(analysis_, separator)
                                           : circuit_text::KindTableText(kindAnalysis_, separator));
}

void frmInCircuit::printClicked() {
  if (!isString()) {
    printKind();
    return;
  }
  const char separator = notation::DecimalSeparator();
  const std::string date = ReportDate();
  std::string law = KeptCircuitSession().String.LawText;
  notation::PointToSeparator(law, separator);
  std::vector<PageDrawer> pages;
  for (int index = 0; index < InCircuitPageCount(analysis_); ++index) {
    pages.push_back([&, index](surface::Surface& page) {
      return DrawInCircuitPage(page, index, design::modMain(), analysis_, law, separator, date);
    });
  }
  PrintPages(this, InCircuitFileName(analysis_, law, separator), pages, true);
}

void frmInCircuit::returnClicked() { ShowDesignWindow(this); }

void frmInCircuit::layoutControls() {
  placeAt(lblDesign, 240, 150, 2560, 560);
  placeAt(lblKind, 2820, 150, 1420, 375);
  // The kind's choice as wide as its longest kind, growing to the right
  // toward the chart (design units from 6500) but never into it.
  const qreal unitsPerPixel = 12000.0 / std::max<qreal>(1.0, contentRect().width());
  placeAt(cboKind, 4260, 150,
          std::clamp(cboKind->sizeHint().width() * unitsPerPixel, qreal{1380}, qreal{2140}), 375);
  // Two columns of inputs: the surroundings, then the string.
  const struct {
    QWidget* prompt;
    QWidget* control;
  } left[] = {{lblLoad, txtLoad}, {lblSource, txtSource}, {lblCable, txtCable},
              {lblTolerance, txtTolerance}, {nullptr, chkBalanced}},
    right[] = {{lblTotal, txtTotal}, {lblPositions, txtPositions}, {lblSteps, txtSteps},
               {lblFirstSeries, cboFirstSeries}, {lblSecondSeries, cboSecondSeries}};
  for (std::size_t i = 0; i < std::size(left); ++i) {
    const qreal top = 760 + 420 * static_cast<qreal>(i);
    if (left[i].prompt) {
      placeAt(left[i].prompt, 240, top, 1500, 375);
      placeAt(left[i].control, 1800, top, 1000, 375);
    } else {
      placeAt(left[i].control, 600, top, 2200, 375);
    }
    placeAt(right[i].prompt, 2820, top, 1420, 375);
    placeAt(right[i].control, 4260, top, 1380, 375);
  }
  placeAt(cmdRecompute, 240, 2900, 1350, 375);
  placeAt(cmdPrint, 1665, 2900, 1350, 375);
  placeAt(cmdReturn, 3090, 2900, 1350, 375);
  placeAt(cmdAsBuilt, 4515, 2900, 1125, 375);
  lblDesign->setFont(scaledFont(WindowFont(kSummaryPoints)));
  lblSummary->setFont(scaledFont(WindowFont(kSummaryPoints)));
  placeAt(lblSummary, 240, 3380, 6000, 1500);

  placeTableAndParts();
}

void frmInCircuit::placeTableAndParts() {
  // The table and the parts box keep their text at its true size (smaller
  // only in a window made smaller than the layout's true size): a larger
  // window shows more rows and columns, not larger text.
  QFont table = WindowFont(kTablePoints);
  table.setBold(false);
  table.setPointSizeF(std::min(scaledFont(table).pointSizeF(), kTablePoints));
  grdPositions->setFont(table);
  txtParts->setFont(table);
  QFont heading = table;
  heading.setBold(true);
  grdPositions->horizontalHeader()->setFont(heading);
  const QFontMetricsF metrics(table);
  const double line = metrics.height();
  grdPositions->verticalHeader()->setDefaultSectionSize(qRound(line * 1.35));

  // The parts box: at least its laid-out width, and as wide as its longest
  // line up to a third of the window; the table takes the rest, to the
  // window's left and bottom edges. Each is moved once, and only when its
  // place changes: a table moved measures every cell of every column again.
  const QRect laidTable = placedRect(QRectF(240, 4920, 9400, 3930));
  const QRect laidParts = placedRect(QRectF(9740, 4150, 2020, 4700));
  const int margin = qRound(line / 2.0);
  double longest = 0.0;
  for (const QString& text : txtParts->toPlainText().split(QLatin1Char('\n'))) {
    longest = std::max(longest, metrics.horizontalAdvance(text));
  }
  const int chrome = 2 * txtParts->frameWidth() +
                     qCeil(2.0 * txtParts->document()->documentMargin()) +
                     txtParts->verticalScrollBar()->sizeHint().width() + margin;
  const int partsWidth =
      std::max(laidParts.width(), std::min(qCeil(longest) + chrome, width() / 3));
  const int bottom = std::max(laidTable.bottom(), height() - margin - 1);
  const QRect parts(QPoint(width() - margin - partsWidth, laidParts.y()),
                    QPoint(width() - margin - 1, bottom));
  txtParts->setGeometry(parts);
  grdPositions->setGeometry(
      QRect(QPoint(margin, laidTable.y()), QPoint(parts.left() - margin - 1, bottom)));
}

frmInCircuit::~frmInCircuit() { delete grdPositions; }

}  // namespace ui
