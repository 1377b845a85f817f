// One table binds each edit of a window to its field of the card record, for showing a card
// or an image and, later, for storing the edits back.
#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "store/card_record.h"

class QWidget;
class LimitedEdit;

enum class FieldKind {
  Octet,      // one byte, decimal
  Port,       // two bytes, big-endian, decimal
  MacByte,    // one byte, two upper-case hex digits
  Text,       // NUL-terminated Windows-1251 text of the field's size
  GsmIpPart,  // part `part` (1..4) of a dotted text, split from the right
  Code,       // four bytes little-endian, unsigned decimal
  Interval,   // one byte, decimal; 0 shows as 120
};

struct FieldBinding {
  const char* Control;
  FieldKind Kind;
  std::size_t Offset;  // into the CardRecord (the image is its first 248 bytes)
  std::size_t Size;
  int Part = 0;        // GsmIpPart: 1..4
};

// Fields of the KO configuration image, shared by the KO page and the read-result window.
const std::vector<FieldBinding>& ImageFieldBindings();
// Text fields that live in the card only (KO page).
const std::vector<FieldBinding>& CardTextBindings();

// The text a bound edit shows for the given bytes.
QString FieldDisplayText(const FieldBinding& field, const uint8_t* record);

// The part of a dotted text that goes into edit `part` (1..4), taken from the right: the part
// after the last "." goes into 4, that part and its "." are removed, and so on.
QString DottedPartFromRight(const QString& text, int part);

// Fills every bound edit found under root.
void ShowBoundFields(QWidget* root, const std::vector<FieldBinding>& fields, const uint8_t* record);

QString Hex4(unsigned value);
