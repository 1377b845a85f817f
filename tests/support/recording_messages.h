// Records every message the program shows and answers with scripted buttons.
#pragma once

#include <deque>
#include <vector>

#include "store/message_sink.h"
#include "tests/support/qt_printers.h"

struct ShownMessage {
  QString Caption;
  QString Text;
  MessageButtons Buttons;
};

class RecordingMessages : public MessageSink {
 public:
  std::vector<ShownMessage> Shown;
  std::deque<MessageAnswer> Answers;  // answers for YesNo questions, in order; "No" when empty

  MessageAnswer Show(const QString& caption, const QString& text, MessageButtons buttons) override {
    Shown.push_back({caption, text, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (Answers.empty()) return MessageAnswer::No;
    const MessageAnswer a = Answers.front();
    Answers.pop_front();
    return a;
  }
};
