// A small, realistic database for screenshots, benchmarks and window tests.
#pragma once

#include <cstdio>
#include <cstring>

#include "store/card_database.h"
#include "store/cp1251.h"

inline void SetIp(uint8_t (&ip)[4], int a, int b, int c, int d) {
  ip[0] = uint8_t(a), ip[1] = uint8_t(b), ip[2] = uint8_t(c), ip[3] = uint8_t(d);
}

// Slot `slot` gets a full card: Ethernet, both SIM cards, and UOO entries 0..uooCount-1.
inline void MakeSampleCard(CardDatabase& db, int slot, int uooCount) {
  CardRecord& c = db.Card(slot);
  c = CardRecord{};
  SetFieldText(c.CardName, QStringLiteral("К%1").arg(slot + 100));
  SetFieldText(c.Image.ImageName, QStringLiteral("К%1").arg(slot + 100));
  SetFieldText(c.ObjectName, QStringLiteral("Магазин «Продукты» №%1").arg(slot + 1));
  SetFieldText(c.ObjectAddress, QStringLiteral("ул. Ленина, д. %1").arg(slot + 3));
  SetFieldText(c.Remark, QStringLiteral("вход со двора"));
  SetIp(c.Image.Gateway1, 192, 168, 1, 1);
  SetIp(c.Image.Gateway2, 192, 168, 1, 2);
  SetIp(c.Image.SubnetMask, 255, 255, 255, 0);
  SetIp(c.Image.KoIp, 192, 168, 1, uint8_t(10 + slot % 200));
  SetIp(c.Image.DestIp1, 10, 0, 0, 1);
  SetIp(c.Image.DestIp2, 10, 0, 0, 2);
  const uint8_t mac[6] = {0, 0x1A, 0x2B, 0x3C, 0x4D, uint8_t(slot)};
  std::memcpy(c.Image.MacAddress, mac, 6);
  SetPort(c.Image.KoPort, 6001);
  SetPort(c.Image.DestPort1, 6001);
  SetPort(c.Image.DestPort2, 6002);
  SetFieldText(c.Image.SimPin1, QStringLiteral("1234"));
  SetFieldText(c.Image.SimPin2, QStringLiteral("4321"));
  SetFieldText(c.Image.GsmDestIp1, QStringLiteral("85.140.2.17"));
  SetFieldText(c.Image.GsmDestIp2, QStringLiteral("85.140.2.18"));
  SetFieldText(c.Image.GsmDestPort1, QStringLiteral("7001"));
  SetFieldText(c.Image.GsmDestPort2, QStringLiteral("7002"));
  SetFieldText(c.Image.Apn1, QStringLiteral("internet.mts.ru"));
  SetFieldText(c.Image.Apn2, QStringLiteral("internet.beeline.ru"));
  SetFieldText(c.Image.GsmLogin1, QStringLiteral("mts"));
  SetFieldText(c.Image.GsmLogin2, QStringLiteral("beeline"));
  SetFieldText(c.Image.GsmPassword1, QStringLiteral("mts"));
  SetFieldText(c.Image.GsmPassword2, QStringLiteral("beeline"));
  c.Image.BackupInterval = 30;
  c.Image.ModeFlags = kModeBatteryCheckOff;
  SetFieldText(c.Puk1, QStringLiteral("12345678"));
  SetFieldText(c.SimPhone1, QStringLiteral("+79161234567"));
  SetFieldText(c.SimId1, QStringLiteral("8970101234567890"));
  SetFieldText(c.Puk2, QStringLiteral("87654321"));
  SetFieldText(c.SimPhone2, QStringLiteral("+79031234567"));
  SetFieldText(c.SimId2, QStringLiteral("8970199876543210"));
  c.SimUse = 3;
  c.LastChange = 45000.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0;
  c.LastProgrammed = 45001.0 + (9 * 3600 + 5 * 60 + 7) / 86400.0;
  c.ProgId = 0xA3;
  c.PrevProgId = 0x1F2E;
  for (int u = 0; u < uooCount && u < kUooPerCard; ++u) {
    UooRecord& e = c.Uoo[u];
    e.Block.UooNumber = uint8_t(u + 1);
    e.Block.GuardLoops = 0x05;
    e.Block.FireLoops = 0x04;
    e.Block.UooFlags = kUooBatteryCheckOff;
    e.UooLastChange = 45002.5;
    e.UooLastProgrammed = 45003.25;
    e.UooProgId = uint16_t(0x100 + u);
    SetFieldText(e.UooObjectName, QStringLiteral("Квартира %1").arg(u + 1));
    SetFieldText(e.UooObjectAddress, QStringLiteral("подъезд %1").arg(u / 4 + 1));
  }
}

inline void MakeSampleDatabase(CardDatabase& db, int cards, int uooPerCard) {
  for (int s = 0; s < cards; ++s) MakeSampleCard(db, s, uooPerCard);
  db.TemplateImage = db.Card(cards - 1).Image;
  db.StampSlotCodes();
}
