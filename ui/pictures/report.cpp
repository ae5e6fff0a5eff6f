// The printed report, drawn step by step on a page surface.
#include "ui/pictures/report.h"

#include "ui/pictures/deviation_chart.h"

namespace ui {
namespace {

using surface::PointF;

// Page set-up: the printable area as 12000 x 16000 units, the shape of a
// portrait page, with y = 0 a thousand units below its top edge.
constexpr surface::Scale kPageScale{0.0f, -1000.0f, 12000.0f, 16000.0f};
constexpr float kTextPoints = 8.0f;
constexpr float kFooterPoints = 6.0f;
constexpr float kSchematicPen = 8.0f;  // printer dots
constexpr PointF kFooterAt{2000.0f, 13500.0f};

// The schematic: the design window's column, moved left to x = 2500, with
// both rounded sets, their headings 200 units right of their values.
constexpr RoundedColumns kPageSets[] = {
    {5, 5500.0f, 5700.0f, 6500.0f},
    {1, 8400.0f, 8600.0f, 9400.0f},
};

}  // namespace

constinit const SchematicLayout kReportSchematic{
    .leadX = 2000.0f,
    .stringX = 2500.0f,
    .targetX = 3040.0f,  // 2500 + 540
    .idealX = 3700.0f,
    .textPoints = std::nullopt,  // set with the page
    .rounded = kPageSets,
};

// The deviation chart below it: 2000 units per dB, 0 dB at y = 10500; pens
// in printer dots, a bold frame over a fine grid.
constinit const DeviationChartLayout kReportChart{
    .zeroY = 10500.0f,
    .unitsPerDb = 2000.0f,
    .framePen = 16.0f,
    .zeroLinePen = 4.0f,
    .gridPen = 2.0f,
    .firstColumnLine = 1,  // position 0 lies on the frame's left edge
    .numbersY = 12800.0f,
    .labelX = 2500.0f,
    .positionCaption = {5500.0f, 13100.0f},
    .lessAtten = {1200.0f, 8400.0f},
    .moreAtten = {1200.0f, 12400.0f},
};

bool DrawReport(surface::Surface& page, design::DesignState& state,
                const ResistorDrawer& PrintResistor, const std::string& date) {
  if (state.NumPositions < design::kMinPositions || state.NumPositions > design::kMaxPositions) {
    return false;
  }
  page.setFontSize(kTextPoints);
  page.setScale(kPageScale);
  page.setPenWidth(kSchematicPen);
  DrawSchematicWithColumns(page, state, kReportSchematic, PrintResistor);
  DrawDeviationChart(page, state, kReportChart);
  page.setTextPosition(kFooterAt);
  page.setFontSize(kFooterPoints);
  page.printText(std::string("Kestrix from ") + kMakerAddress + "  - " + date);
  return true;
}

}  // namespace ui
