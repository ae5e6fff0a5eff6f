// The program's windows as a test sees them between steps.
#pragma once

#include <vector>

#include <QApplication>
#include <QWidget>

namespace testing_support {

// Every top-level window that exists, once the ones closed have been
// destroyed; a choice's drop-down list is part of its window.
inline std::vector<QWidget*> OpenWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::vector<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->windowType() != Qt::Popup) found.push_back(widget);
  }
  return found;
}

}  // namespace testing_support
