// Window hand-over.
#include "ui/windows/navigation.h"

#include <QWidget>

#include "ui/windows/as_built_session.h"
#include "ui/windows/as_built_window.h"
#include "ui/windows/design_window.h"
#include "ui/windows/deviation_window.h"
#include "ui/windows/in_circuit_window.h"

namespace ui {

void ShowOwnWindow(QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

void ReplaceWindow(QWidget* leaving, QWidget* next) {
  // The next window takes the place, size and maximised state of the one
  // being left, so a moved or enlarged window stays where the user put it.
  next->restoreGeometry(leaving->saveGeometry());
  ShowOwnWindow(next);
  leaving->setAttribute(Qt::WA_DeleteOnClose);
  leaving->close();
}

void ShowDesignWindow(QWidget* leaving) { ReplaceWindow(leaving, new frmDesign); }

void ShowDeviationWindow(QWidget* leaving) { ReplaceWindow(leaving, new frmExamine); }

void ShowInCircuitWindow(QWidget* leaving) { ReplaceWindow(leaving, new frmInCircuit); }

void ShowAsBuiltWindow(QWidget* leaving, const design::CircuitAnalysis& circuit) {
  StartAsBuilt(circuit);
  ReplaceWindow(leaving, new frmAsBuilt);
}

}  // namespace ui
