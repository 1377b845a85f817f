// Readable QString values in test failure messages.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '{';
  for (const QString& s : l) *os << '"' << s.toStdString() << "\" ";
  *os << '}';
}
inline void PrintTo(const QChar& c, std::ostream* os) { *os << "U+" << std::hex << unsigned(c.unicode()) << std::dec; }
