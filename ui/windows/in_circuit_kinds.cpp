// The in-circuit window's kinds other than the series string: the Kind
// choice, its captions and boxes, the analysis, picture, copies and pages.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableView>

#include "circuit_text/parts_lines.h"
#include "circuit_text/box_captions.h"
#include "circuit_text/kind_summary.h"
#include "notation/decimal_separator.h"
#include "ui/desktop/print_job.h"
#include "ui/desktop/window_scale.h"
#include "ui/pictures/circuit_cells.h"
#include "ui/pictures/in_circuit_chart.h"
#include "ui/pictures/kind_page.h"
#include "ui/pictures/kind_schematic.h"
#include "ui/pictures/print_names.h"
#include "ui/pictures/report.h"
#include "ui/windows/circuit_session.h"
#include "ui/windows/in_circuit_table.h"
#include "ui/windows/in_circuit_window.h"

namespace ui {
namespace {

constexpr circuit::Kind kKinds[] = {circuit::Kind::String, circuit::Kind::Ladder,
                                    circuit::Kind::Shunt, circuit::Kind::RelayLadder};

// The string's chart area, in design units: the schematic above, the chart
// below, each with the string chart's type and pens.
KindSchematicLayout WindowSchematic() {
  KindSchematicLayout layout;
  layout.left = 6500.0f;
  layout.right = 11600.0f;
  layout.top = 80.0f;
  layout.bottom = 1500.0f;
  layout.textPoints = 7.0f;
  layout.unitsPerPoint = 21.2f;
  layout.wirePen = 1.0f;
  layout.partPen = 2.0f;
  return layout;
}

CircuitChartLayout WindowKindChart() {
  CircuitChartLayout chart;
  chart.left = 6500.0f;
  chart.right = 11600.0f;
  chart.top = 1950.0f;
  chart.bottom = 3350.0f;
  chart.textPoints = 7.0f;
  chart.unitsPerPoint = 21.2f;
  chart.framePen = 2.0f;
  chart.gridPen = 1.0f;
  chart.seriesPen = 1.5f;
  chart.bandPen = 2.5f;
  chart.marker = 40.0f;
  return chart;
}

// A caption without its access-key marker and colon: "Input (ohms)".
std::string Spoken(const char* caption) {
  std::string text;
  for (const char* c = caption; *c; ++c) {
    if (*c != '&') text += *c;
  }
  if (!text.empty() && text.back() == ':') text.pop_back();
  return text;
}

// The normalisation names the total box as the string's; the kind's box
// goes by its own caption.
std::string KindMessage(std::string message, circuit::Kind kind) {
  const std::string string = "Total (ohms): ";
  const std::string own = Spoken(circuit_text::CaptionsFor(kind).Total.Caption) + ": ";
  for (std::size_t at = 0; at < message.size();) {
    if (message.compare(at, string.size(), string) == 0) message.replace(at, string.size(), own);
    const std::size_t end = message.find('\n', at);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return message;
}

std::string ShownLaw(const circuit_text::StringInputs& boxes) {
  std::string law = boxes.LawText;
  notation::PointToSeparator(law, notation::DecimalSeparator());
  return law;
}

}  // namespace

bool frmInCircuit::isString() const {
  return KeptCircuitSession().Kind == circuit::Kind::String;
}

void frmInCircuit::createKindControls() {
  lblKind = addLabel("lblKind", "&Kind:", Qt::AlignRight | Qt::AlignVCenter);
  cboKind = new QComboBox(this);
  cboKind->setObjectName(QStringLiteral("cboKind"));
  for (const circuit::Kind kind : kKinds) cboKind->addItem(QString::fromUtf8(KindName(kind)));
  cboKind->setToolTip(QStringLiteral("The kind of attenuator to analyse in the circuit"));
  cboKind->setAccessibleName(QStringLiteral("Kind"));
  lblKind->setBuddy(cboKind);
  asBuiltTip_ = cmdAsBuilt->toolTip();
}

void frmInCircuit::connectKindHandlers() {
  connect(cboKind, &QComboBox::activated, this, &frmInCircuit::kindChosen);
  connect(grdPositions->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &frmInCircuit::drawKindPicture);
}

void frmInCircuit::kindChosen(int index) {
  CircuitSession& session = KeptCircuitSession();
  if (index < 0 || index >= static_cast<int>(std::size(kKinds)) ||
      kKinds[index] == session.Kind) {
    return;
  }
  recompute();  // what was typed stays with the kind being left
  session.Kind = kKinds[index];
  showKindControls();
  recompute();
}

void frmInCircuit::showKindControls() {
  CircuitSession& session = KeptCircuitSession();
  const bool string = isString();
  const circuit_text::KindCaptions& captions = circuit_text::CaptionsFor(session.Kind);
  const struct {
    QLabel* prompt;
    QWidget* box;
    const circuit_text::BoxCaption& caption;
  } boxes[] = {{lblTotal, txtTotal, captions.Total},
               {lblPositions, txtPositions, captions.Positions},
               {lblSteps, txtSteps, captions.Steps}};
  for (const auto& each : boxes) {
    each.prompt->setText(QString::fromUtf8(each.caption.Caption));
    each.box->setToolTip(QString::fromUtf8(each.caption.Meaning));
  }
  circuit_text::CircuitBoxes texts;
  circuit_text::WriteCircuitBoxes(session.Inputs, KindInputs(session, session.Kind),
                                  notation::DecimalSeparator(), texts);
  showBoxes(texts);

  {
    const QSignalBlocker quiet(chkBalanced);
    chkBalanced->setChecked(string && session.Balanced);
  }
  chkBalanced->setEnabled(string);
  chkBalanced->setToolTip(
      string ? QString::fromUtf8(captions.Balanced.Meaning)
             : QStringLiteral("Balanced is a series-string choice: the ladder, shunt and relay "
                              "ladder are analysed single-ended"));
  cmdAsBuilt->setEnabled(string);
  cmdAsBuilt->setToolTip(string ? asBuiltTip_
                                : QStringLiteral("As built is a series-string choice: it "
                                                 "measures a built string"));
  grdPositions->setAccessibleName(
      session.Kind == circuit::Kind::RelayLadder
          ? QStringLiteral("Attenuation and impedances at each relay code")
          : QStringLiteral("Attenuation and impedances at each position"));
}

void frmInCircuit::recomputeKind() {
  circuit_text::CircuitBoxes boxes{
      txtLoad->text().toStdString(),  txtSource->text().toStdString(),
      txtCable->text().toStdString(), txtTolerance->text().toStdString(),
      txtTotal->text().toStdString(), txtPositions->text().toStdString(),
      txtSteps->text().toStdString()};
  CircuitSession& session = KeptCircuitSession();
  circuit_text::StringInputs& own = KindInputs(session, session.Kind);
  const char separator = notation::DecimalSeparator();
  // The boxes show the values used while the message is up.
  const auto show = [this, &boxes, &session](const std::string& message) {
    showBoxes(boxes);
    showMessage_(KindMessage(message, session.Kind));
  };
  if (session.Kind == circuit::Kind::RelayLadder) {
    circuit_text::NormaliseRelayInputs(boxes, session.Inputs, own, separator, show);
  } else {
    circuit_text::NormaliseCircuitInputs(boxes, session.Inputs, own, separator, show);
  }
  showBoxes(boxes);
  for (std::size_t set = 0; set < 2; ++set) {
    const QComboBox* choice = set == 0 ? cboFirstSeries : cboSecondSeries;
    const design::Series* series = design::FindSeries(choice->currentText().toStdString());
    session.RoundedIn[set] = series ? series : &design::kE96;
  }

  circuit::AnalyseKind(KindSessionSpec(session), kindAnalysis_);
  model_->setTable(ShownKindTable(kindAnalysis_, separator));
  lblDesign->setText(QString::fromStdString(KindLine(kindAnalysis_, ShownLaw(own), separator)));
  QStringList summary;
  for (const std::string& line : circuit_text::SummaryLines(kindAnalysis_, separator)) {
    summary << QString::fromStdString(line);
  }
  lblSummary->setText(summary.join(QLatin1Char('\n')));
  std::string parts;
  for (const std::string& line : circuit_text::PartsLines(kindAnalysis_, separator)) parts += line + '\n';
  txtParts->setPlainText(QString::fromStdString(parts));
  placeTableAndParts();
  drawKindPicture();
}

// The schematic at the table's current position (the second when none is
// current, where every part of a position shows), the chart below it.
void frmInCircuit::drawKindPicture() {
  if (isString()) return;
  const QModelIndex current = grdPositions->currentIndex();
  const int position = current.isValid() ? current.row() : 1;
  picture().clear();
  picture().setScale(surface::Scale{0.0f, 0.0f, kUnitsAcross, kUnitsDown});
  DrawKindSchematic(picture(), kindAnalysis_, WindowSchematic(),
                    std::clamp(position, 0, std::max(0, kindAnalysis_.Positions - 1)));
  DrawKindChart(picture(), kindAnalysis_, WindowKindChart());
  update();
}

void frmInCircuit::printKind() {
  const char separator = notation::DecimalSeparator();
  const std::string date = ReportDate();
  const std::string law = ShownLaw(KindInputs(KeptCircuitSession(), KeptCircuitSession().Kind));
  std::vector<PageDrawer> pages;
  const int count = KindPageCount(kindAnalysis_, separator);
  for (int index = 0; index < count; ++index) {
    pages.push_back([this, &law, separator, &date, index](surface::Surface& page) {
      return DrawKindPage(page, kindAnalysis_, law, separator, date, index);
    });
  }
  // Offered under a name of its own: "Kestrix in circuit Ladder, input 10k ohms, ...".
  const std::string name = PdfFileName("Kestrix in circuit " + KindLine(kindAnalysis_, law, separator));
  if (!pages.empty()) PrintPages(this, name, pages, true);
}

}  // namespace ui
