// Every message of the program goes through one seam: a modal box in the program,
// a recorder with scripted answers in tests.
#pragma once

#include <QString>

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual MessageAnswer Show(const QString& caption, const QString& text,
                             MessageButtons buttons) = 0;
};
