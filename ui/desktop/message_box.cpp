// The modal OK-only message box.
#include "ui/desktop/message_box.h"

#include <QMessageBox>
#include <QString>

namespace ui {

design::MessageSeam MessageBoxSeam(QWidget* parent) {
  return [parent](const std::string& message) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationName),
                    QString::fromStdString(message), QMessageBox::Ok, parent);
    box.exec();
  };
}

}  // namespace ui
