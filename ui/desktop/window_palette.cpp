// The windows' fixed palettes.
#include "ui/desktop/window_palette.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// One sRGB channel (0 .. 1) made linear.
double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(QColor colour) {
  return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
         0.0722 * Linear(colour.blueF());
}

const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kSelection(0, 84, 166);  // white on it: 7.5:1
// On a dark window the focus frame, drawn in the selection colour, must
// stand out from the background: light cyan, as the opening window's titles.
const QColor kDarkSelection = kLightCyan;
const QColor kDisabled(96, 96, 96);  // on white: 6.3:1; on the button face: 4.8:1
const QColor kLink(0, 0, 192);

}  // namespace

double ContrastRatio(QColor a, QColor b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette FixedPalette(QColor background) {
  const bool dark = RelativeLuminance(background) < 0.18;
  const QColor windowText = dark ? kPaper : kInk;
  QPalette colours(kButtonFace, background);  // button face and window, with bevel shades
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool off = group == QPalette::Disabled;
    colours.setColor(group, QPalette::Window, background);
    colours.setColor(group, QPalette::WindowText, off ? kDisabled : windowText);
    colours.setColor(group, QPalette::Base, kPaper);
    colours.setColor(group, QPalette::AlternateBase, QColor(240, 240, 240));
    colours.setColor(group, QPalette::Text, off ? kDisabled : kInk);
    colours.setColor(group, QPalette::PlaceholderText, kDisabled);
    colours.setColor(group, QPalette::Button, kButtonFace);
    colours.setColor(group, QPalette::ButtonText, off ? kDisabled : kInk);
    colours.setColor(group, QPalette::BrightText, kPaper);
    colours.setColor(group, QPalette::Highlight, dark ? kDarkSelection : kSelection);
    colours.setColor(group, QPalette::HighlightedText, dark ? kInk : kPaper);
    colours.setColor(group, QPalette::Link, kLink);
    colours.setColor(group, QPalette::LinkVisited, kLink);
    colours.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
    colours.setColor(group, QPalette::ToolTipText, kInk);
  }
  return colours;
}

}  // namespace ui
