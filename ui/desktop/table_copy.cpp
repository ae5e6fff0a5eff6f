// The window-wide Copy key.
#include "ui/desktop/table_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace ui {
namespace {

// A box accepts every Copy key for itself, selection or not. This filter
// hands the key back to the window's shortcut when the box has nothing
// selected.
class EmptySelectionYieldsCopy : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (box == nullptr || !key->matches(QKeySequence::Copy) || box->hasSelectedText()) return false;
    event->ignore();
    return true;
  }
};

}  // namespace

void CopyTable(const std::function<QString()>& table) {
  QApplication::clipboard()->setText(table());
}

void InstallTableCopy(QWidget* window, std::function<QString()> table) {
  auto* yield = new EmptySelectionYieldsCopy(window);
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) box->installEventFilter(yield);
  auto* shortcut = new QShortcut(QKeySequence::Copy, window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window,
                   [table = std::move(table)] { CopyTable(table); });
}

}  // namespace ui
