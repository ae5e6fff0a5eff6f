// Window hand-over.
#include "ui/navigation.h"

#include <QWidget>

namespace ui {

void ShowOwnWindow(QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

void ReplaceWindow(QWidget* leaving, QWidget* next) {
  ShowOwnWindow(next);
  leaving->setAttribute(Qt::WA_DeleteOnClose);
  leaving->close();
}

}  // namespace ui
