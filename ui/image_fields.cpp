#include "ui/image_fields.h"

#include <QWidget>
#include <cstring>

#include "store/cp1251.h"
#include "ui/widgets.h"

namespace {

#define IMG(field) offsetof(CardRecord, Image) + offsetof(KoConfigImage, field)
#define CARD(field) offsetof(CardRecord, field), sizeof(CardRecord::field)
#define IMGTEXT(field) IMG(field), sizeof(KoConfigImage::field)

FieldBinding Ip(const char* control, std::size_t offset, int octet) {
  return {control, FieldKind::Octet, offset + std::size_t(octet), 1};
}

std::vector<FieldBinding> MakeImageBindings() {
  std::vector<FieldBinding> f;
  const struct {
    const char* controls[4];
    std::size_t offset;
  } addresses[] = {
      {{"GateIP1_1", "GateIP1_2", "GateIP1_3", "GateIP1_4"}, IMG(Gateway1)},
      {{"GateIP2_1", "GateIP2_2", "GateIP2_3", "GateIP2_4"}, IMG(Gateway2)},
      {{"Mask1", "Mask2", "Mask3", "Mask4"}, IMG(SubnetMask)},
      {{"IPLoc1", "IPLoc2", "IPLoc3", "IPLoc4"}, IMG(KoIp)},
      {{"IPRem1_1", "IPRem1_2", "IPRem1_3", "IPRem1_4"}, IMG(DestIp1)},
      {{"IPRem2_1", "IPRem2_2", "IPRem2_3", "IPRem2_4"}, IMG(DestIp2)},
  };
  for (const auto& a : addresses)
    for (int i = 0; i < 4; ++i) f.push_back(Ip(a.controls[i], a.offset, i));
  const char* macs[] = {"Mac1", "Mac2", "Mac3", "Mac4", "Mac5", "Mac6"};
  for (int i = 0; i < 6; ++i)
    f.push_back({macs[i], FieldKind::MacByte, IMG(MacAddress) + std::size_t(i), 1});
  f.push_back({"CodeUoo", FieldKind::Code, IMG(KoCode), 4});
  f.push_back({"PortLoc", FieldKind::Port, IMG(KoPort), 2});
  f.push_back({"PortRem1", FieldKind::Port, IMG(DestPort1), 2});
  f.push_back({"PortRem2", FieldKind::Port, IMG(DestPort2), 2});
  f.push_back({"Pin1Edit", FieldKind::Text, IMGTEXT(SimPin1)});
  f.push_back({"Pin2Edit", FieldKind::Text, IMGTEXT(SimPin2)});
  for (int part = 4; part >= 1; --part) {
    static const char* gsm1[] = {"Ip1GsmEdit_1", "Ip1GsmEdit_2", "Ip1GsmEdit_3", "Ip1GsmEdit_4"};
    f.push_back({gsm1[part - 1], FieldKind::GsmIpPart, IMGTEXT(GsmDestIp1), part});
  }
  for (int part = 4; part >= 1; --part) {
    static const char* gsm2[] = {"Ip2GsmEdit_1", "Ip2GsmEdit_2", "Ip2GsmEdit_3", "Ip2GsmEdit_4"};
    f.push_back({gsm2[part - 1], FieldKind::GsmIpPart, IMGTEXT(GsmDestIp2), part});
  }
  f.push_back({"Port1GsmEdit", FieldKind::Text, IMGTEXT(GsmDestPort1)});
  f.push_back({"Port2GsmEdit", FieldKind::Text, IMGTEXT(GsmDestPort2)});
  f.push_back({"APN1Edit", FieldKind::Text, IMGTEXT(Apn1)});
  f.push_back({"APN2Edit", FieldKind::Text, IMGTEXT(Apn2)});
  f.push_back({"LoginGsm1Edit", FieldKind::Text, IMGTEXT(GsmLogin1)});
  f.push_back({"LoginGsm2Edit", FieldKind::Text, IMGTEXT(GsmLogin2)});
  f.push_back({"PassGsm1Edit", FieldKind::Text, IMGTEXT(GsmPassword1)});
  f.push_back({"PassGsm2Edit", FieldKind::Text, IMGTEXT(GsmPassword2)});
  f.push_back({"RCControl", FieldKind::Interval, IMG(BackupInterval), 1});
  return f;
}

std::vector<FieldBinding> MakeCardTextBindings() {
  return {
      {"NCardEdit", FieldKind::Text, CARD(CardName)},
      {"Edit1", FieldKind::Text, CARD(ObjectName)},
      {"FIOEdit", FieldKind::Text, CARD(ObjectAddress)},
      {"RemarkEdit", FieldKind::Text, CARD(Remark)},
      {"PUK1_Edit", FieldKind::Text, CARD(Puk1)},
      {"PUK2_Edit", FieldKind::Text, CARD(Puk2)},
      {"SIM_ID1_Edit", FieldKind::Text, CARD(SimId1)},
      {"SIM_ID2_Edit", FieldKind::Text, CARD(SimId2)},
      {"Number1_Edit", FieldKind::Text, CARD(SimPhone1)},
      {"Number2_Edit", FieldKind::Text, CARD(SimPhone2)},
  };
}

#undef IMG
#undef CARD
#undef IMGTEXT

QString BoundedText(const uint8_t* p, std::size_t size) {
  std::size_t len = 0;
  while (len < size && p[len] != 0) ++len;
  return DecodeCp1251(reinterpret_cast<const char*>(p), len);
}

}  // namespace

const std::vector<FieldBinding>& ImageFieldBindings() {
  static const std::vector<FieldBinding> table = MakeImageBindings();
  return table;
}

const std::vector<FieldBinding>& CardTextBindings() {
  static const std::vector<FieldBinding> table = MakeCardTextBindings();
  return table;
}

QString Hex4(unsigned value) { return QStringLiteral("%1").arg(value & 0xFFFF, 4, 16, QChar('0')).toUpper(); }

QString DottedPartFromRight(const QString& text, int part) {
  QString s = text;
  for (int step = 4; step > part; --step) {
    const qsizetype dot = s.lastIndexOf('.');
    if (dot >= 0) s.truncate(dot);
  }
  const qsizetype dot = s.lastIndexOf('.');
  return dot >= 0 ? s.mid(dot + 1) : s;
}

QString FieldDisplayText(const FieldBinding& f, const uint8_t* record) {
  const uint8_t* p = record + f.Offset;
  switch (f.Kind) {
    case FieldKind::Octet:
      return QString::number(p[0]);
    case FieldKind::Port:
      return QString::number(unsigned(p[0]) << 8 | p[1]);
    case FieldKind::MacByte:
      return QStringLiteral("%1").arg(p[0], 2, 16, QChar('0')).toUpper();
    case FieldKind::Text:
      return BoundedText(p, f.Size);
    case FieldKind::GsmIpPart:
      return DottedPartFromRight(BoundedText(p, f.Size), f.Part);
    case FieldKind::Code: {
      uint32_t v;
      std::memcpy(&v, p, sizeof v);
      return QString::number(v);
    }
    case FieldKind::Interval:
      return QString::number(p[0] == 0 ? 120 : p[0]);
  }
  return {};
}

void ShowBoundFields(QWidget* root, const std::vector<FieldBinding>& fields, const uint8_t* record) {
  for (const FieldBinding& f : fields)
    if (auto* edit = root->findChild<LimitedEdit*>(QLatin1String(f.Control)))
      edit->setText(FieldDisplayText(f, record));
}
