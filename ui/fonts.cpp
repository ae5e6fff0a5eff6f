// Font substitution for the window typeface.
#include "ui/fonts.h"

#include <QStringList>

namespace ui {

void InstallFontSubstitutions() {
  const QString family = QString::fromLatin1(kWindowFamily);
  if (!QFont::substitutes(family).isEmpty()) return;
  QFont::insertSubstitutions(family, {QStringLiteral("Liberation Sans"),
                                      QStringLiteral("DejaVu Sans")});
}

QFont WindowFont(double points) {
  QFont font(QString::fromLatin1(kWindowFamily));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

QFont PageFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace ui
