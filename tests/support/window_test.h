// The fixture every window test starts from: the design, the seams and the
// decimal separator reset around each test, messages, questions and print
// dialogs answered without a modal box, drawings recorded, and controls
// reached by their object names.
#pragma once

#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "notation/eng_notation.h"
#include "ui/desktop/seams.h"
#include "ui/surface/recording_surface.h"
#include "ui/windows/as_built_session.h"

#include "tests/support/open_windows.h"

namespace testing_support {

class WindowTest : public testing::Test {
 public:  // table rows' lambdas reach into the fixture
  void SetUp() override {
    design::modMain() = {};
    ui::KeptAsBuilt() = {};
    separator_ = notation::DecimalSeparator();
    ui::Seams& seams = ui::AppSeams();
    seams = {};
    seams.showMessage = [this](const std::string& message) { messages_.push_back(message); };
    seams.askQuestion = [this](const std::string& question) {
      questions_.push_back(question);
      return false;  // No
    };
    seams.choosePrinter = [this](QPrinter&) {
      ++printDialogs_;
      return false;  // cancelled
    };
    seams.windowRecorder = &drawing_;
    seams.pageRecorder = &page_;
  }
  void TearDown() override {
    for (QWidget* window : OpenWindows()) delete window;
    ui::AppSeams() = {};
    design::modMain() = {};
    ui::KeptAsBuilt() = {};
    notation::SetDecimalSeparator(separator_);
  }

  // Makes `window` the one the helpers below work on, in place of the one
  // opened before; shown and active when `activate`, so that its keys reach
  // it as a user's do.
  template <class W>
  W& open(W* window, bool activate = false) {
    delete window_.data();
    window_ = window;
    if (activate) {
      window->show();
      QApplication::setActiveWindow(window);
      EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    return *window;
  }

  // The one top-level window that exists; fails unless there is exactly one.
  static QWidget* onlyWindow() {
    const std::vector<QWidget*> open = OpenWindows();
    std::string names;
    for (const QWidget* window : open) names += name(window) + " ";
    EXPECT_EQ(open.size(), 1u) << names;
    return open.size() == 1 ? open.front() : nullptr;
  }
  static std::string name(const QWidget* window) {
    return window ? window->objectName().toStdString() : std::string("(none)");
  }

  // The control called `name` in `window` (the window opened last when
  // omitted); fails the test when there is none.
  template <class T = QWidget>
  static T* control(QWidget* window, const char* name) {
    T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  template <class T = QWidget>
  T* control(const char* name) const {
    return control<T>(window_, name);
  }
  std::string text(const char* box) const {
    const QLineEdit* edit = control<QLineEdit>(box);
    return edit ? edit->text().toStdString() : std::string();
  }
  static void type(QWidget* window, const char* box, const char* typed) {
    QLineEdit* edit = control<QLineEdit>(window, box);
    if (!edit) return;
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(typed));
  }
  void type(const char* box, const char* typed) const { type(window_, box, typed); }
  static void click(QWidget* window, const char* button) {
    auto* target = control<QAbstractButton>(window, button);
    if (target) QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
  }
  void click(const char* button) const { click(window_, button); }

  // What the windows drew since the last clear.
  surface::OpList lastDrawing() const {
    surface::OpList found;
    for (const surface::Op& op : drawing_.ops()) {
      if (std::holds_alternative<surface::ClearOp>(op)) found.clear();
      found.push_back(op);
    }
    return found;
  }

  QPointer<QWidget> window_;  // the window opened last, until it is destroyed
  surface::RecordingSurface drawing_;  // every window's drawing
  surface::RecordingSurface page_;     // every printed page
  std::vector<std::string> messages_;
  std::vector<std::string> questions_;  // every yes-or-no question, answered No
  int printDialogs_ = 0;

 private:
  char separator_ = '.';
};

}  // namespace testing_support
