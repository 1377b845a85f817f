// The program's message boxes: modal, owned by the main window, no icon, Russian buttons.
#pragma once

#include "store/message_sink.h"

class QWidget;

class QtMessageBox : public MessageSink {
 public:
  explicit QtMessageBox(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }
  MessageAnswer Show(const QString& caption, const QString& text, MessageButtons buttons) override;

 private:
  QWidget* owner_;
};
