// One printed page on a printer the user chooses: the dialog, the job and
// its failures.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace surface {
class Surface;
}

namespace ui {

// Resolution of the page, printer dots per inch. Pen widths are given in
// dots: at 720 dpi the report's 2, 4, 8 and 16 dots are 0.07, 0.14, 0.28 and
// 0.56 mm, a fine grid under a bold frame. Text is set in whole dots, and at
// 10 dots per point every whole point size comes out exact.
inline constexpr int kPageDotsPerInch = 720;

// Today's date in the user's short date format, as a printed page's footer
// carries it.
std::string ReportDate();

// Draws the page; returns false when it has nothing to print.
using PageDrawer = std::function<bool(surface::Surface& page)>;

// Asks for a printer (through AppSeams().choosePrinter when set, otherwise
// the platform's printer dialog, modal over `dialogParent`), lets `draw` draw
// the page, measuring its texts as the printer will set them, then opens one
// portrait page on the printer, puts the drawing on it and sends it. The job
// is named `fileName` (a name a file system takes, ending ".pdf"), which the
// dialog offers when printing to a file; where no printer is installed the
// job is set to print to that file in the user's documents folder.
// AppSeams().pageRecorder, when set, receives every operation the page
// receives. A cancelled dialog draws and shows nothing; a page that `draw`
// refuses never opens the printer; a printer that cannot be opened prints
// nothing. Every failure ends the job silently. Returns true when the page
// was sent.
bool PrintOnePage(QWidget* dialogParent, const std::string& fileName, const PageDrawer& draw);

// The margin on every side of a page that PrintPages keeps when asked, mm.
inline constexpr double kPagesMarginMm = 10.0;

// The same for several pages: the first must draw, a later one that draws
// nothing is left out, and each that does is printed on a page of its own,
// in order; AppSeams().pageRecorder receives them one after another. With
// `widenMargins`, the printer's margins are widened to kPagesMarginMm where
// narrower.
bool PrintPages(QWidget* dialogParent, const std::string& fileName,
                const std::vector<PageDrawer>& pages, bool widenMargins = false);

}  // namespace ui
