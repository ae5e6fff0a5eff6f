// Font substitution for the window typeface.
#include "ui/desktop/fonts.h"

#include <QStringList>

namespace ui {

void InstallFontSubstitutions() {
  const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
  const QStringList serif = {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
  const auto substitute = [](const char* family, const QStringList& faces) {
    const QString name = QString::fromLatin1(family);
    if (QFont::substitutes(name).isEmpty()) QFont::insertSubstitutions(name, faces);
  };
  substitute(kWindowFamily, sans);
  substitute("Arial", sans);
  substitute("Times New Roman", serif);
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
