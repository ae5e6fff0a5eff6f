// Keys the windows share.
#include "ui/desktop/window_keys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace ui {
namespace {

bool IsEnter(const QKeyEvent& key) {
  const Qt::KeyboardModifiers others = key.modifiers() & ~Qt::KeypadModifier;
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && others == Qt::NoModifier;
}

// A button takes Space but lets Enter pass unless it is a dialog's default;
// this filter makes Enter press the button it reaches. On the window itself
// it marks the focus as moved by the keyboard each time the window is shown:
// styles draw the focus frame only in such a window, and showing a window
// clears the mark.
class EnterPresses : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == parent()) {
      static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr || !button->isEnabled() || !IsEnter(*static_cast<QKeyEvent*>(event))) {
      return false;
    }
    button->click();
    return true;
  }
};

// Escape on an open drop-down list closes the list and does nothing else:
// it takes the key before any shortcut of the window (Escape for Return, say)
// can, and hides the list. Watches the list's view, which has the keys while
// the list is open; the filter's parent is the drop-down.
class EscapeClosesList : public QObject {
 public:
  explicit EscapeClosesList(QComboBox* choice) : QObject(choice), choice_(choice) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
      return false;
    }
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape || !choice_->view()->isVisible()) {
      return false;
    }
    if (event->type() == QEvent::KeyPress) choice_->hidePopup();
    event->accept();  // on ShortcutOverride: the key is the list's, not a shortcut's
    return true;
  }

 private:
  QComboBox* choice_;
};

QuitCheck& TheQuitCheck() {
  static QuitCheck check;
  return check;
}

bool MayQuit(QWidget* window) {
  const QuitCheck& check = TheQuitCheck();
  return !check || check(window);
}

// Closing the window through its frame (the only close the window system
// starts) ends the program when it is the last window: the quit check
// decides first. The hand-over's own closes pass untouched.
class FrameCloseAsks : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Close || !event->spontaneous() || watched != parent()) {
      return false;
    }
    if (MayQuit(static_cast<QWidget*>(watched))) return false;
    event->ignore();
    return true;
  }
};

constexpr const char* kKeysInstalled = "kestrixWindowKeys";

}  // namespace

void SetQuitCheck(QuitCheck check) { TheQuitCheck() = std::move(check); }

bool QuitProgram(QWidget* window) {
  if (!MayQuit(window)) return false;
  window->close();
  QCoreApplication::quit();
  return true;
}

void InstallWindowKeys(QWidget* window) {
  // Twice installed, Ctrl+Q would be an ambiguous shortcut and do nothing.
  if (window->property(kKeysInstalled).toBool()) return;
  window->setProperty(kKeysInstalled, true);
  for (QComboBox* choice : window->findChildren<QComboBox*>()) {
    choice->view()->installEventFilter(new EscapeClosesList(choice));
  }
  auto* enter = new EnterPresses(window);
  window->installEventFilter(enter);
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    button->installEventFilter(enter);
  }
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), window);
  quit->setContext(Qt::WindowShortcut);
  QObject::connect(quit, &QShortcut::activated, window, [window] { QuitProgram(window); });
  window->installEventFilter(new FrameCloseAsks(window));
}

void PressOnKey(QAbstractButton* button, const QKeySequence& keys) {
  auto* shortcut = new QShortcut(keys, button);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, button, [button] {
    if (button->isEnabled()) button->click();
  });
}

void PressOnEnter(std::initializer_list<QLineEdit*> boxes, QAbstractButton* button) {
  for (QLineEdit* box : boxes) {
    QObject::connect(box, &QLineEdit::returnPressed, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
}

}  // namespace ui
