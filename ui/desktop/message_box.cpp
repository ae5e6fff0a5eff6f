// The modal OK-only message box and the Yes/No question.
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

void SetUpQuestion(QMessageBox& box, const std::string& question) {
  box.setIcon(QMessageBox::Question);
  box.setWindowTitle(QString::fromLatin1(kApplicationName));
  box.setText(QString::fromStdString(question));
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
}

bool AskQuestion(QWidget* parent, const std::string& question) {
  QMessageBox box(parent);
  SetUpQuestion(box, question);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace ui
