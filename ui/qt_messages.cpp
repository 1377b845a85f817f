#include "ui/qt_messages.h"

#include <QMessageBox>
#include <QPushButton>

MessageAnswer QtMessageBox::Show(const QString& caption, const QString& text,
                                 MessageButtons buttons) {
  QMessageBox box(owner_);
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowModality(Qt::ApplicationModal);
  if (buttons == MessageButtons::Ok) {
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return MessageAnswer::Ok;
  }
  QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}
