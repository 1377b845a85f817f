#include <gtest/gtest.h>
#include <iconv.h>

#include <QString>
#include <cstring>

#include "store/card_record.h"
#include "store/cp1251.h"

namespace {

// glibc's converter, as an independent reference. Returns false where it has no mapping.
bool IconvDecode(uint8_t byte, char16_t& out) {
  iconv_t cd = iconv_open("UTF-16LE", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char in[1] = {static_cast<char>(byte)};
  char buf[4] = {};
  char* inp = in;
  char* outp = buf;
  size_t inLeft = 1, outLeft = sizeof buf;
  const size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || outLeft != 2) return false;
  out = char16_t(uint8_t(buf[0]) | uint8_t(buf[1]) << 8);
  return true;
}

TEST(Cp1251, AllByteValuesMatchIconvBothWays) {
  int unmapped = 0;
  for (int b = 0; b < 256; ++b) {
    char16_t ref = 0;
    if (!IconvDecode(uint8_t(b), ref)) {
      ++unmapped;
      EXPECT_EQ(b, 0x98) << "iconv left byte " << b << " unmapped";
      // kept as the C1 control of the same value so that the byte survives a round trip
      EXPECT_EQ(Cp1251ToUnicode(uint8_t(b)), char16_t(0x98));
    } else {
      EXPECT_EQ(Cp1251ToUnicode(uint8_t(b)), ref) << "byte " << b;
    }
    EXPECT_EQ(UnicodeToCp1251(Cp1251ToUnicode(uint8_t(b))), b) << "byte " << b;
  }
  EXPECT_EQ(unmapped, 1);
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(EncodeCp1251(QString::fromUtf8("Ёж Ω 中 😀")), std::string("\xA8\xE6 ? ? ?"));
  EXPECT_EQ(EncodeCp1251(QString::fromUtf8("Объект №5")), std::string("\xCE\xE1\xFA\xE5\xEA\xF2 \xB9" "5"));
}

TEST(Cp1251, LowerCaseAgreesWithUnicodeForEveryLetter) {
  for (int b = 0; b < 256; ++b) {
    const QChar c(Cp1251ToUnicode(uint8_t(b)));
    const QChar lower = c.toLower();
    const uint8_t expected = UnicodeToCp1251(lower.unicode()) == '?' && lower != QChar('?')
                                 ? uint8_t(b)
                                 : UnicodeToCp1251(lower.unicode());
    EXPECT_EQ(Cp1251Lower(uint8_t(b)), expected) << "byte " << b;
  }
  EXPECT_EQ(Cp1251LowerText("\xA8\xC6 AZ"), std::string("\xB8\xE6 az"));
}

TEST(Cp1251, FieldTextStopsAtNulOrAtTheEndOfTheField) {
  CardRecord c{};
  std::memcpy(c.Image.ImageName, "ABCDEFGHIJKL", 12);  // no NUL: the stamp follows
  c.Image.ProgStamp[0] = 'Z';
  EXPECT_EQ(FieldText(c.Image.ImageName), QString("ABCDEFGHIJKL"));
  std::memcpy(c.CardName, "ab\0cd", 5);
  EXPECT_EQ(FieldText(c.CardName), QString("ab"));
}

TEST(Cp1251, SetFieldTextClearsTheAreaAndKeepsTheTerminator) {
  char field[5];
  std::memset(field, 'x', sizeof field);
  SetFieldText(field, QString::fromUtf8("Пи"));
  EXPECT_EQ(std::memcmp(field, "\xCF\xE8\0\0\0", 5), 0);
  SetFieldText(field, QString("123456"));
  EXPECT_EQ(std::memcmp(field, "1234\0", 5), 0);
}

}  // namespace
