#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "tests/support/qt_printers.h"
#include "tests/ui/widget_state.h"
#include "tests/support/sample_cards.h"
#include "ui/read_form.h"
#include "ui/widgets.h"

namespace {

class ReadFormTest : public testing::Test {
 protected:
  TReadForm form;
  KoConfigImage image{};

  QString Text(const char* name) {
    auto* e = form.findChild<LimitedEdit*>(QLatin1String(name));
    EXPECT_NE(e, nullptr) << name;
    return e ? e->text() : QString();
  }
  bool Enabled(const char* name) { return OwnEnabled(form.findChild<QWidget*>(QLatin1String(name))); }
};

TEST_F(ReadFormTest, WindowIsFixedWithoutCloseBoxAndOnlyCloseEndsIt) {
  EXPECT_EQ(form.objectName(), "ReadForm");
  EXPECT_EQ(form.windowTitle(), "Считанная информация");
  EXPECT_EQ(form.size(), QSize(784, 399));
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(form.GroupBox1->isEnabled());
  EXPECT_EQ(form.Button1->text(), "Закрыть");
  EXPECT_EQ(form.Label30->text(), "Время программирования");
  EXPECT_TRUE(form.UseSim1->isChecked());
  int result = -1;
  QTimer::singleShot(0, &form, [&] {
    QTest::keyClick(&form, Qt::Key_Escape);  // no way out but the button
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.Button1, Qt::LeftButton);
  });
  result = form.exec();
  EXPECT_EQ(result, QDialog::Accepted);
}

struct NumberCase {
  const char* field;
  std::size_t offset;
  std::vector<uint8_t> bytes;
  const char* control;
  const char* shown;
};

TEST_F(ReadFormTest, NumbersDecodeAsUnsigned) {
  const NumberCase cases[] = {
      {"interval 0", 238, {0}, "RCControl", "120"},
      {"interval 1", 238, {1}, "RCControl", "1"},
      {"interval 255", 238, {255}, "RCControl", "255"},
      {"port", 40, {0x17, 0x71}, "PortLoc", "6001"},
      {"port max", 50, {0xFF, 0xFF}, "PortRem1", "65535"},
      {"port 2", 52, {0x00, 0x01}, "PortRem2", "1"},
      {"code", 239, {1, 2, 3, 4}, "CodeUoo", "67305985"},
      {"code max", 239, {0xFF, 0xFF, 0xFF, 0xFF}, "CodeUoo", "4294967295"},
      {"mac zero", 26, {0x00}, "Mac1", "00"},
      {"mac AB", 31, {0xAB}, "Mac6", "AB"},
      {"gateway", 18, {10, 20, 30, 255}, "GateIP1_4", "255"},
      {"mask", 32, {255, 255, 240, 0}, "Mask3", "240"},
      {"ko ip", 36, {7, 8, 9, 10}, "IPLoc1", "7"},
      {"dest 2", 46, {1, 2, 3, 4}, "IPRem2_2", "2"},
  };
  for (const auto& c : cases) {
    image = {};
    std::memcpy(reinterpret_cast<uint8_t*>(&image) + c.offset, c.bytes.data(), c.bytes.size());
    form.FillFromImage(image);
    EXPECT_EQ(Text(c.control), QString::fromUtf8(c.shown)) << c.field;
  }
}

TEST_F(ReadFormTest, ProgrammingTimeAndTexts) {
  const uint8_t stamp[6] = {9, 12, 26, 14, 5, 7};
  std::memcpy(image.ProgStamp, stamp, 6);
  std::memcpy(image.ImageName, "ABCDEFGHIJKL", 12);  // no NUL: must not run into the stamp
  SetFieldText(image.Apn1, QStringLiteral("internet"));
  SetFieldText(image.GsmLogin2, QStringLiteral("логин"));
  SetFieldText(image.GsmDestPort1, QStringLiteral("7001"));
  form.FillFromImage(image);
  EXPECT_EQ(form.Label30->text(), "9.12.26 14:5:7");
  EXPECT_EQ(Text("NCardEdit"), "ABCDEFGHIJKL");
  EXPECT_EQ(Text("APN1Edit"), "internet");
  EXPECT_EQ(Text("LoginGsm2Edit"), "логин");
  EXPECT_EQ(Text("Port1GsmEdit"), "7001");
  image = {};
  form.FillFromImage(image);
  EXPECT_EQ(form.Label30->text(), "0.0.0 0:0:0");
}

TEST_F(ReadFormTest, GsmAddressesSplitFromTheRight) {
  const std::pair<const char*, QStringList> cases[] = {
      {"10.0.0.1", {"10", "0", "0", "1"}},
      {"1.2.3", {"1", "1", "2", "3"}},
      {"nodots", {"nodots", "nodots", "nodots", "nodots"}},
      {"", {"", "", "", ""}},
      {"1.2.3.4.5", {"2", "3", "4", "5"}},
  };
  for (const auto& [text, parts] : cases) {
    image = {};
    SetFieldText(image.GsmDestIp2, QString::fromUtf8(text));
    form.FillFromImage(image);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(Text(QStringLiteral("Ip2GsmEdit_%1").arg(i + 1).toLatin1().constData()), parts[i])
          << text << " part " << i + 1;
  }
}

TEST_F(ReadFormTest, SimBoxesFollowTheFirstPinByteAndEnableTheirSets) {
  SetFieldText(image.SimPin2, QStringLiteral("1234"));
  SetFieldText(image.Apn1, QStringLiteral("still here"));
  form.FillFromImage(image);
  EXPECT_FALSE(form.UseSim1->isChecked());
  for (const char* n : {"Pin1Edit", "Ip1GsmEdit_1", "Ip1GsmEdit_4", "Port1GsmEdit", "APN1Edit",
                        "LoginGsm1Edit", "PassGsm1Edit"})
    EXPECT_FALSE(Enabled(n)) << n;
  EXPECT_TRUE(form.UseSim2->isChecked());
  for (const char* n : {"Pin2Edit", "Ip2GsmEdit_2", "Port2GsmEdit", "APN2Edit", "PassGsm2Edit"})
    EXPECT_TRUE(Enabled(n)) << n;
  EXPECT_EQ(Text("APN1Edit"), "still here");
}

TEST_F(ReadFormTest, OnlyTheBatteryBitOfTheModeIsShown) {
  for (const auto& [flags, checked] : {std::pair{1, false}, {2, true}, {3, true}, {0, false}}) {
    image.ModeFlags = uint8_t(flags);
    form.FillFromImage(image);
    EXPECT_EQ(form.BatteryControl->isChecked(), checked) << flags;
  }
}

TEST_F(ReadFormTest, SecondReadShowsOnlyTheSecondImage) {
  CardDatabase db;
  MakeSampleCard(db, 4, 0);
  form.FillFromImage(db.Card(4).Image);
  EXPECT_EQ(Text("APN2Edit"), "internet.beeline.ru");
  EXPECT_TRUE(form.UseSim2->isChecked());
  KoConfigImage second{};
  SetFieldText(second.ImageName, QStringLiteral("Второй"));
  form.FillFromImage(second);
  EXPECT_EQ(Text("NCardEdit"), "Второй");
  for (const char* n : {"APN2Edit", "Pin1Edit", "LoginGsm1Edit", "Ip1GsmEdit_1", "Port2GsmEdit"})
    EXPECT_TRUE(Text(n).isEmpty()) << n;
  for (const char* n : {"GateIP1_1", "IPLoc4", "PortLoc", "Mask1"}) EXPECT_EQ(Text(n), "0") << n;
  EXPECT_EQ(Text("Mac2"), "00");
  EXPECT_EQ(Text("RCControl"), "120");
  EXPECT_FALSE(form.UseSim2->isChecked());
  EXPECT_FALSE(form.BatteryControl->isChecked());
  EXPECT_EQ(Text("ProgID1"), "0") << "not part of the image";
}

}  // namespace
