// Window hand-over.
#include "ui/windows/navigation.h"

#include <map>

#include <QString>
#include <QWidget>

#include "ui/desktop/message_box.h"
#include "ui/desktop/seams.h"
#include "ui/desktop/window_keys.h"
#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"
#include "ui/windows/design_window.h"
#include "ui/windows/deviation_window.h"
#include "ui/windows/in_circuit_window.h"

namespace ui {

bool MayEndProgram(QWidget* window) {
  if (!FittedUncopied(KeptAsBuilt())) return true;
  const QuestionSeam& ask = AppSeams().askQuestion;
  return ask ? ask(kDiscardFittedQuestion) : AskQuestion(window, kDiscardFittedQuestion);
}

void ShowOwnWindow(QWidget* window) {
  SetQuitCheck(MayEndProgram);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

namespace {

// The control that had the focus when the user last left each window, by
// the window's and the control's object names. A window not yet left keeps
// the focus its own construction gives. (A std::map: GCC's link-time
// optimiser warns falsely about QHash's growth when it inlines it here.)
std::map<QString, QString>& LeftFocus() {
  static std::map<QString, QString> focus;
  return focus;
}

}  // namespace

void ReplaceWindow(QWidget* leaving, QWidget* next) {
  // The next window takes the place, size and maximised state of the one
  // being left, so a moved or enlarged window stays where the user put it.
  next->restoreGeometry(leaving->saveGeometry());
  QWidget* had = leaving->focusWidget();
  if (had && leaving->isAncestorOf(had) && !had->objectName().isEmpty()) {
    LeftFocus()[leaving->objectName()] = had->objectName();
  }
  ShowOwnWindow(next);
  const auto again = LeftFocus().find(next->objectName());
  if (again != LeftFocus().end()) {
    if (auto* control = next->findChild<QWidget*>(again->second)) control->setFocus();
  }
  leaving->setAttribute(Qt::WA_DeleteOnClose);
  leaving->close();
}

void ShowDesignWindow(QWidget* leaving) { ReplaceWindow(leaving, new frmDesign); }

void ShowDeviationWindow(QWidget* leaving) { ReplaceWindow(leaving, new frmExamine); }

void ShowInCircuitWindow(QWidget* leaving) { ReplaceWindow(leaving, new frmInCircuit); }

void ShowAsBuiltWindow(QWidget* leaving, const circuit::CircuitAnalysis& circuit) {
  StartAsBuilt(circuit);
  ReplaceWindow(leaving, new frmAsBuilt);
}

}  // namespace ui
