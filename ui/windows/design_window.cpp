// The design window: controls, handlers, RunDesign and its display stage.
#include "ui/windows/design_window.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "design/design_state.h"
#include "design/ladder.h"
#include "notation/decimal_separator.h"
#include "notation/eng_notation.h"
#include "ui/desktop/message_box.h"
#include "ui/desktop/print_job.h"
#include "ui/desktop/seams.h"
#include "ui/desktop/window_keys.h"
#include "ui/desktop/window_scale.h"
#include "ui/pictures/print_names.h"
#include "ui/pictures/report.h"
#include "ui/pictures/schematic.h"
#include "ui/windows/accessibility.h"
#include "ui/windows/design_table.h"
#include "ui/windows/navigation.h"

namespace ui {
namespace {

constexpr const char* kCaption = "Kestrix - Design";
constexpr const char* kLogPrompt = "dB per step: ";
constexpr const char* kLinearPrompt = "% per step: ";

// Defaults put in by the load handler while the design state holds zeros.
constexpr int16_t kDefaultPositions = 11;
constexpr float kDefaultStep = 2.0f;
constexpr float kStringTop = 800.0f;  // junction of position 0, design units

}  // namespace

frmDesign::frmDesign(QWidget* parent)
    : ScaledWindow("frmDesign", kCaption, Qt::white, parent),
      showMessage_(AppSeams().showMessage ? AppSeams().showMessage : MessageBoxSeam(this)) {
  createControls();
  chainTabOrder();
  connectHandlers();
  connectKeys();
  open();

  cmdExit->setFocus();
  load();
}

void frmDesign::createControls() {
  const auto label = [this](const char* name, const char* caption) {
    return addLabel(name, caption, Qt::AlignRight | Qt::AlignVCenter);
  };
  const auto frame = [this](const char* name, const char* caption) {
    auto* control = new QGroupBox(QString::fromLatin1(caption), this);
    control->setObjectName(QString::fromLatin1(name));
    return control;
  };
  const auto option = [](QGroupBox* owner, const char* name, const char* caption) {
    auto* control = new QRadioButton(QString::fromLatin1(caption), owner);
    control->setObjectName(QString::fromLatin1(name));
    return control;
  };

  Label1 = label("Label1", "Total resistance (ohms): ");
  Text1 = addBox("Text1");
  Label2 = label("Label2", "Number of switch positions: ");
  Text2 = addBox("Text2");
  Label3 = label("Label3", "");
  Text3 = addBox("Text3");
  fraLinLog = frame("fraLinLog", "Curve type");
  optLinear = option(fraLinLog, "optLinear", "Linear");
  optLog = option(fraLinLog, "optLog", "Log");
  fraToleranceType = frame("fraToleranceType", "Tolerances");
  opt0 = option(fraToleranceType, "opt0", "Ideal only");
  opt1 = option(fraToleranceType, "opt1", "1%");
  opt5 = option(fraToleranceType, "opt5", "5%");
  cmdDisplay = addButton("cmdDisplay", "Display");
  cmdExamine = addButton("cmdExamine", "Deviation");
  cmdPrint = addButton("cmdPrint", "Print");
  cmdInCircuit = addButton("cmdInCircuit", "In circuit");
  cmdExit = addButton("cmdExit", "Exit");

  // Every load starts from the laid-out selection: Log and 5%. The ladder is
  // always worked out in dB, so the curve type is shown greyed out with Log
  // selected, and Tab passes it by.
  optLog->setChecked(true);
  opt5->setChecked(true);
  fraLinLog->setEnabled(false);
}

void frmDesign::chainTabOrder() {
  QWidget* const order[] = {cmdExit,    Text1, Text2, optLinear, optLog,   Text3,       cmdDisplay,
                            cmdExamine, opt0,  opt1,  opt5,      cmdPrint, cmdInCircuit};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmDesign::connectHandlers() {
  connect(cmdDisplay, &QPushButton::clicked, this, &frmDesign::displayClicked);
  connect(cmdExamine, &QPushButton::clicked, this, &frmDesign::examineClicked);
  connect(cmdExit, &QPushButton::clicked, this, &frmDesign::exitClicked);
  connect(cmdPrint, &QPushButton::clicked, this, &frmDesign::printClicked);
  connect(cmdInCircuit, &QPushButton::clicked, this, &frmDesign::inCircuitClicked);
  auto* inCircuitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
  connect(inCircuitKey, &QShortcut::activated, this, &frmDesign::inCircuitClicked);
  connect(optLinear, &QRadioButton::clicked, this, &frmDesign::curveTypeClicked);
  connect(optLog, &QRadioButton::clicked, this, &frmDesign::curveTypeClicked);
  connect(opt0, &QRadioButton::clicked, this, [this] { toleranceClicked(0); });
  connect(opt1, &QRadioButton::clicked, this, [this] { toleranceClicked(1); });
  connect(opt5, &QRadioButton::clicked, this, [this] { toleranceClicked(5); });
}

// Beyond Tab and Space: Enter in a box and F5 display, Ctrl+P prints, Ctrl+C
// copies the design; the prompts name the boxes for screen readers.
void frmDesign::connectKeys() {
  LabelBox(Label1, Text1, kTotalHint);
  LabelBox(Label2, Text2, kPositionsHint);
  LabelBox(Label3, Text3, kStepHint);
  PressOnEnter({Text1, Text2, Text3}, cmdDisplay);
  PressOnKey(cmdDisplay, QKeySequence(Qt::Key_F5));
  PressOnKey(cmdPrint, QKeySequence(Qt::CTRL | Qt::Key_P));
  InstallDesignCopy(this);
}

void frmDesign::load() {
  design::DesignState& state = design::modMain();
  picture().setScale(surface::Scale{0.0f, 0.0f, kUnitsAcross, kUnitsDown});
  stepPrompt();
  if (state.TotalOhms == 0.0f) {
    state.TotalOhms = design::kDefaultTotalOhms;
    Text1->setText(QStringLiteral("10k"));
  } else {
    Text1->setText(QString::fromStdString(notation::FormatEng(state.TotalOhms)));
  }
  if (state.NumPositions == 0) {
    state.NumPositions = kDefaultPositions;
    Text2->setText(QStringLiteral("11"));
  } else {
    Text2->setText(QString::fromStdString(notation::FormatEng(state.NumPositions)));
  }
  if (state.StepSize == 0.0f) {
    state.StepSize = kDefaultStep;
    Text3->setText(QStringLiteral("2"));
  } else {
    Text3->setText(QString::fromStdString(notation::FormatEng(state.StepSize)));
  }
  state.TolType = 5;
  RunDesign();
}

void frmDesign::stepPrompt() {
  Label3->setText(QString::fromLatin1(optLog->isChecked() ? kLogPrompt : kLinearPrompt));
}

void frmDesign::displayClicked() { RunDesign(); }

void frmDesign::curveTypeClicked() {
  stepPrompt();
  RunDesign();
}

void frmDesign::toleranceClicked(int16_t tolType) { design::modMain().TolType = tolType; }

void frmDesign::examineClicked() { ShowDeviationWindow(this); }

void frmDesign::inCircuitClicked() { ShowInCircuitWindow(this); }

// The printed report of the last design run; PrintResistor draws on the page
// while it is being printed.
void frmDesign::printClicked() {
  const std::string fileName = ReportFileName(design::modMain(), notation::DecimalSeparator());
  PrintOnePage(this, fileName, [this](surface::Surface& page) {
    printedPage_ = &page;
    const bool drawn = DrawReport(
        page, design::modMain(), [this](const float& X, const float& Y) { PrintResistor(X, Y); },
        ReportDate());
    printedPage_ = nullptr;
    return drawn;
  });
}

void frmDesign::exitClicked() {
  // Exit ends the program as Ctrl+Q does: unsaved fitted values are asked about first.
  QuitProgram(this);
}

void frmDesign::RunDesign() {
  design::DesignState& state = design::modMain();
  design::BoxTexts boxes{Text1->text().toStdString(), Text2->text().toStdString(),
                         Text3->text().toStdString()};
  // The boxes already show the values used when a message comes up.
  const design::MessageSeam showOverBoxes = [this, &boxes](const std::string& message) {
    showBoxes(boxes);
    showMessage_(message);
  };
  const design::NormaliseOutcome outcome = design::NormaliseInputs(state, boxes, showOverBoxes);
  showBoxes(boxes);
  if (outcome.stepLimited) Text3->setFocus();
  design::CalculateLadder(state);
  display();
}

void frmDesign::showBoxes(const design::BoxTexts& boxes) {
  Text1->setText(QString::fromStdString(boxes.Total));
  Text2->setText(QString::fromStdString(boxes.Positions));
  Text3->setText(QString::fromStdString(boxes.Step));
}

void frmDesign::display() {
  design::DesignState& state = design::modMain();
  picture().clear();
  const SchematicLayout layout = DesignWindowSchematic(state.TolType);
  DrawSchematicWithColumns(picture(), state, layout,
                           [this](const float& X, const float& Y) { DrawResistor(X, Y); });
  // The pen goes back to the junction of position 0.
  state.PenX = layout.stringX;
  state.PenY = kStringTop;
  setAccessibleDescription(QString::fromStdString(DesignDescription(state)));
  update();
}

void frmDesign::DrawResistor(const float& X, const float& Y) {
  const design::DesignState& state = design::modMain();
  DrawResistorSymbol(picture(), X, Y, state.Spacing, state.DrawColor);
}

void frmDesign::PrintResistor(const float& X, const float& Y) {
  if (!printedPage_) return;
  const design::DesignState& state = design::modMain();
  DrawResistorSymbol(*printedPage_, X, Y, state.Spacing, state.DrawColor);
}

void frmDesign::layoutControls() {
  styleFrames(font());
  placeAt(Label1, 840, 1440, 3375, 375);
  placeAt(Text1, 4320, 1440, 1455, 375);
  placeAt(Label2, 840, 1920, 3375, 375);
  placeAt(Text2, 4320, 1920, 1455, 375);
  placeAt(Label3, 840, 2400, 3375, 375);
  placeAt(Text3, 4320, 2400, 1455, 375);
  placeAt(fraLinLog, 840, 3600, 4935, 615);
  placeInFrame(optLinear, 1440, 240, 1380, 300);
  placeInFrame(optLog, 3000, 240, 1380, 300);
  placeAt(fraToleranceType, 840, 2880, 4935, 615);
  placeInFrame(opt0, 600, 240, 1575, 300);
  placeInFrame(opt1, 2280, 240, 855, 300);
  placeInFrame(opt5, 3480, 240, 975, 300);
  placeAt(cmdDisplay, 840, 5040, 1500, 340);
  placeAt(cmdExamine, 840, 5520, 1500, 340);
  placeAt(cmdPrint, 840, 6000, 1455, 375);
  placeAt(cmdInCircuit, 840, 6600, 1500, 340);  // in the free space between Print and Exit
  placeAt(cmdExit, 840, 7200, 1500, 340);
}

// The frames draw their caption on the top edge, and the option buttons'
// circles grow with the text, at every size of the window.
void frmDesign::styleFrames(const QFont& font) {
  const double em = QFontMetricsF(font).height();
  const QString sheet = QStringLiteral(
      "QGroupBox { border: 1px solid rgb(160, 160, 160); border-radius: 2px;"
      "  margin-top: %1px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      "  left: %2px; padding: 0px %3px; background-color: white; }"
      "QRadioButton::indicator { width: %4px; height: %4px; }");
  const QString styled =
      sheet.arg(qRound(em / 2)).arg(qRound(em / 2)).arg(qRound(em / 5)).arg(qRound(em * 0.7));
  // A style sheet takes the frames off the window's font and palette; they
  // get them back.
  for (QGroupBox* frame : {fraLinLog, fraToleranceType}) {
    frame->setStyleSheet(styled);
    frame->setFont(font);
    frame->setPalette(palette());
    for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
      option->setFont(font);
      option->setPalette(palette());
    }
  }
}

}  // namespace ui
