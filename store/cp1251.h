// Stored texts are 8-bit Windows-1251; the windows work in Unicode.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

char16_t Cp1251ToUnicode(uint8_t byte);
// '?' for characters that Windows-1251 cannot hold.
uint8_t UnicodeToCp1251(char16_t ch);

QString DecodeCp1251(const char* bytes, std::size_t count);
std::string EncodeCp1251(const QString& text);

// Lower case of a Windows-1251 byte: Latin, Cyrillic (Ё/ё included) and the other
// Cyrillic letters of the code page.
uint8_t Cp1251Lower(uint8_t byte);
std::string Cp1251LowerText(const std::string& bytes);

// A text field ends at its first NUL, or at the end of its area when it has none.
template <std::size_t N>
QString FieldText(const char (&field)[N]) {
  std::size_t len = 0;
  while (len < N && field[len] != '\0') ++len;
  return DecodeCp1251(field, len);
}

// Clears the area, then stores at most N - 1 bytes of the text, NUL-terminated.
template <std::size_t N>
void SetFieldText(char (&field)[N], const QString& text) {
  const std::string bytes = EncodeCp1251(text);
  std::size_t len = bytes.size() < N - 1 ? bytes.size() : N - 1;
  for (std::size_t i = 0; i < N; ++i) field[i] = i < len ? bytes[i] : '\0';
}
