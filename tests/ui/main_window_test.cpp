#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "tests/ui/window_fixture.h"

namespace {

TEST_F(WindowTest, WindowHasItsTitleFixedSizeAndViewModeAtStart) {
  Open();
  EXPECT_EQ(form->objectName(), "Form1");
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Утилита программирования KО R и УОО 3ZU (Версия 1.13)"));
  const qsizetype ko = form->windowTitle().indexOf(QStringLiteral(" K"));
  ASSERT_GT(ko, 0);
  EXPECT_EQ(form->windowTitle()[ko + 1], QChar('K'));     // Latin K ...
  EXPECT_EQ(form->windowTitle()[ko + 2], QChar(0x041E));  // ... then Cyrillic О
  EXPECT_EQ(form->size(), QSize(766, 610));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  for (const char* group : {"GroupBox1", "GroupBox2", "MainGSM_Sheet", "Add_GSM_Sheet"})
    EXPECT_FALSE(W<QWidget>(group)->isEnabled()) << group;
  EXPECT_FALSE(form->BitBtn2->isEnabled());
  EXPECT_FALSE(form->BitBtn3->isEnabled());
  EXPECT_TRUE(form->ProgBtn->isEnabled());
  EXPECT_EQ(form->BitBtn1->text(), "Включить редактирование");
  EXPECT_EQ(form->BitBtn1->toolTip(), "Включить режим редактирования");
  EXPECT_EQ(form->SpeedButton3->toolTip(), "Искать далее...");
  EXPECT_EQ(Text("SearchEdit"), "(Поиск)");
  EXPECT_EQ(form->PageControl2->tabText(0), "Концентратор Объектовый");
  EXPECT_EQ(form->PageControl2->tabText(1), "Подключенные УОО");
  EXPECT_EQ(form->PageControl1->tabText(0), "Основные");
  EXPECT_EQ(form->PageControl1->tabText(1), "Дополнительно");
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_EQ(form->Timer1->interval(), 100);
}

TEST_F(WindowTest, EveryNamedControlExists) {
  Open();
  const char* names[] = {
      "Image1", "SearchEdit", "SpeedButton3", "BitBtn1", "BitBtn2", "BitBtn3", "ExitBtn", "SetsGrid",
      "PageControl2", "TabSheet1", "TabSheet2", "GroupBox1", "GroupBox3", "GroupBox4", "GroupBox5",
      "GroupBox6", "NCardEdit", "CodeUoo", "Label17", "Mac1", "Mac6", "SpeedButton2", "PortLoc",
      "PortRem1", "PortRem2", "PPPLoginEdit", "PPPPassEdit", "IndicZU", "BatteryControl", "Edit1",
      "FIOEdit", "RemarkEdit", "ProgID1", "ProgID2", "PageControl1", "MainGSM_Sheet", "Add_GSM_Sheet",
      "Pin1Edit", "UseSim1", "Ip1GsmEdit_1", "Ip1GsmEdit_4", "Port1GsmEdit", "APN1Edit",
      "LoginGsm1Edit", "PassGsm1Edit", "Pin2Edit", "UseSim2", "Ip2GsmEdit_1", "Ip2GsmEdit_4",
      "Port2GsmEdit", "APN2Edit", "LoginGsm2Edit", "PassGsm2Edit", "RCControl", "PUK1_Edit",
      "Number1_Edit", "SIM_ID1_Edit", "PUK2_Edit", "Number2_Edit", "SIM_ID2_Edit", "Progress",
      "ProgBtn", "SpeedButton1", "UooTab", "ProgressBar1", "GroupBox2", "BitBtn4", "ProgBtnUoo",
      "CodeUOO_Lab", "NCardUoo", "LastChangeUoo", "LastProgUoo", "GroupBox8", "IndicZU_UOO",
      "BatteryControl_UOO", "GroupBox7", "Cord1", "Cord2", "Cord3", "GroupBox9", "ObNameEdit",
      "ObAddrEdit", "ObRemarkEdit", "ProgID1_UOO", "ProgID2_UOO", "Timer1"};
  for (const char* n : names) EXPECT_NE(form->findChild<QObject*>(QLatin1String(n)), nullptr) << n;
  EXPECT_FALSE(W<QWidget>("IndicZU")->isVisible());
  EXPECT_FALSE(W<QWidget>("Label17")->isVisible());
  EXPECT_FALSE(W<QWidget>("PPPLoginEdit")->isVisible());
  EXPECT_FALSE(W<QWidget>("BitBtn4")->isVisible());
  EXPECT_FALSE(W<QWidget>("Progress")->isVisible());
}

struct LimitCase {
  const char* name;
  int limit;
  const char* hint;
};

TEST_F(WindowTest, EditsCarryTheirLimitsAndValidationHints) {
  Open();
  const LimitCase cases[] = {
      {"NCardEdit", 10, "Номер карточки"}, {"CodeUoo", 9, "Код УО"},
      {"GateIP1_1", 3, "Адрес 1 шлюза"},   {"Mask4", 3, "Маска подсети"},
      {"IPLoc2", 3, "IP адрес УО"},        {"IPRem2_4", 3, "IP назначения 2"},
      {"Mac3", 2, "MAC адрес"},            {"PortLoc", 5, "Порт КО"},
      {"PortRem2", 5, "Порт назначения 2"}, {"Pin1Edit", 4, "PIN1"},
      {"Ip2GsmEdit_3", 3, "IP назначения 2 (GSM)"}, {"Port1GsmEdit", 5, "Порт назначения 1 (GSM)"},
      {"APN2Edit", 24, "Точка доступа 2"}, {"LoginGsm1Edit", 19, ""},
      {"RCControl", 3, ""},                {"PUK1_Edit", 19, ""},
      {"Number2_Edit", 14, ""},            {"SIM_ID1_Edit", 24, ""},
      {"Edit1", 99, ""},                   {"RemarkEdit", 39, ""},
      {"NCardUoo", 10, "Номер карточки"},  {"ObRemarkEdit", 39, ""},
      {"PPPLoginEdit", 31, ""},
  };
  for (const auto& c : cases) {
    auto* e = W(c.name);
    EXPECT_EQ(e->Limit(), c.limit) << c.name;
    EXPECT_EQ(e->Hint(), QString::fromUtf8(c.hint)) << c.name;
    EXPECT_TRUE(e->toolTip().isEmpty()) << c.name;
  }
  EXPECT_TRUE(W("Mac1")->isReadOnly());
  EXPECT_TRUE(W("CodeUoo")->isReadOnly());
  EXPECT_TRUE(W("ProgID2_UOO")->isReadOnly());
}

TEST_F(WindowTest, EveryEditIsNamedByItsLabel) {
  Open();
  // every edit the operator can see is announced: by its label, or by its own name where
  // one label covers a row of boxes
  for (LimitedEdit* e : form->findChildren<LimitedEdit*>()) {
    if (!e->isVisibleTo(form.get())) continue;
    bool labelled = !e->accessibleName().isEmpty();
    for (QLabel* label : form->findChildren<QLabel*>()) labelled = labelled || label->buddy() == e;
    EXPECT_TRUE(labelled) << e->objectName().toStdString();
  }
  const std::pair<const char*, const char*> pairs[] = {
      {"Имя карточки в базе ПЦН", "NCardEdit"}, {"Код КО", "CodeUoo"}, {"Маска подсети", "Mask1"},
      {"Порт КО", "PortLoc"}, {"Точка доступа 2", "APN2Edit"}, {"ID SIM карты 1", "SIM_ID1_Edit"},
      {"Примечание", "RemarkEdit"}, {"Имя карточки", "NCardUoo"}};
  for (const auto& [caption, edit] : pairs) {
    bool found = false;
    for (QLabel* label : form->findChildren<QLabel*>())
      if (label->text() == QString::fromUtf8(caption) && label->buddy() &&
          label->buddy()->objectName() == edit)
        found = true;
    EXPECT_TRUE(found) << caption << " -> " << edit;
  }
}

TEST_F(WindowTest, TypingStopsAtTheLimitButProgramTextStaysWhole) {
  Open();
  auto* name = W("NCardUoo");
  name->setEnabled(true);
  form->GroupBox2->setEnabled(true);
  name->setText("ABCDEFGHIJKL");  // 12 bytes, as a device may hold
  EXPECT_EQ(name->text(), "ABCDEFGHIJKL");
  name->setFocus();
  name->end(false);
  QTest::keyClicks(name, "Z");
  EXPECT_EQ(name->text(), "ABCDEFGHIJKL");
  QTest::keyClick(name, Qt::Key_Backspace);
  EXPECT_EQ(name->text(), "ABCDEFGHIJK");  // shortening is allowed
  name->clear();
  QTest::keyClicks(name, "12345678901234");
  EXPECT_EQ(name->text(), "1234567890");
}

TEST_F(WindowTest, StartWithoutFileListsEveryCodeAndShowsSlotZeroFromZeroTemplate) {
  Open();
  EXPECT_EQ(form->SetsGrid->model()->rowCount(), 1000);
  EXPECT_EQ(form->SetsGrid->model()->headerData(0, Qt::Horizontal).toString(), "Код KО");
  EXPECT_EQ(form->SetsGrid->model()->headerData(4, Qt::Horizontal).toString(), "Дата программирования");
  for (int row = 1; row <= 1000; ++row) {
    ASSERT_EQ(form->GridCell(row, 0), QString::number(31968 + 32 * row));
    for (int col = 1; col <= 4; ++col) ASSERT_TRUE(form->GridCell(row, col).isEmpty()) << row;
  }
  EXPECT_EQ(form->GridCell(1000, 0), "63968");
  EXPECT_EQ(db.CurrentCard, 0);
  EXPECT_EQ(Text("CodeUoo"), "32000");
  EXPECT_EQ(form->Label17->text(), "( 0x00007D00 )");
  for (const char* zero : {"GateIP1_1", "GateIP2_4", "Mask1", "Mask4", "IPLoc3", "IPRem1_1",
                           "IPRem2_4", "PortLoc", "PortRem1", "PortRem2"})
    EXPECT_EQ(Text(zero), "0") << zero;
  for (const char* empty : {"NCardEdit", "Edit1", "Mac1", "Mac6", "Pin1Edit", "Pin2Edit",
                            "Ip1GsmEdit_1", "Port1GsmEdit", "APN1Edit", "PUK1_Edit", "Number2_Edit"})
    EXPECT_TRUE(Text(empty).isEmpty()) << empty;
  EXPECT_EQ(Text("RCControl"), "120");
  EXPECT_EQ(Text("ProgID1"), "0000");
  EXPECT_FALSE(form->UseSim1->isChecked());
  EXPECT_FALSE(form->UseSim2->isChecked());
  EXPECT_FALSE(OwnEnabled(W("Pin1Edit")));
  EXPECT_FALSE(OwnEnabled(W("PassGsm2Edit")));
  form->close();
  EXPECT_FALSE(std::filesystem::exists(file)) << "closing right after start writes nothing";
}

TEST_F(WindowTest, FullFileShowsCardsInTheGridAndTheSelectedCardOnThePages) {
  CardDatabase content;
  MakeSampleDatabase(content, 3, 31);
  content.Card(1).LastProgrammed = 0.0;
  content.Card(2).LastChange = 45000.0;  // midnight: date alone
  WriteDatabase(content);
  Open();
  EXPECT_EQ(form->GridCell(1, 1), "К100");
  EXPECT_EQ(form->GridCell(1, 2), "Магазин «Продукты» №1");
  EXPECT_EQ(form->GridCell(1, 3), "15.03.2023 14:07:09");
  EXPECT_EQ(form->GridCell(1, 4), "16.03.2023 9:05:07");
  EXPECT_TRUE(form->GridCell(2, 4).isEmpty());
  EXPECT_EQ(form->GridCell(3, 3), "15.03.2023");
  EXPECT_TRUE(form->GridCell(4, 1).isEmpty());

  EXPECT_EQ(Text("NCardEdit"), "К100");
  EXPECT_EQ(Text("FIOEdit"), "ул. Ленина, д. 3");
  EXPECT_EQ(Text("GateIP1_1"), "192");
  EXPECT_EQ(Text("GateIP1_4"), "1");
  EXPECT_EQ(Text("Mask3"), "255");
  EXPECT_EQ(Text("Mac2"), "1A");
  EXPECT_EQ(Text("Mac1"), "00");
  EXPECT_EQ(Text("PortLoc"), "6001");
  EXPECT_EQ(Text("PortRem2"), "6002");
  EXPECT_EQ(Text("Ip1GsmEdit_1"), "85");
  EXPECT_EQ(Text("Ip1GsmEdit_4"), "17");
  EXPECT_EQ(Text("APN2Edit"), "internet.beeline.ru");
  EXPECT_EQ(Text("Number1_Edit"), "+79161234567");
  EXPECT_EQ(Text("RCControl"), "30");
  EXPECT_EQ(Text("ProgID1"), "00A3");
  EXPECT_EQ(Text("ProgID2"), "1F2E");
  EXPECT_TRUE(form->UseSim1->isChecked());
  EXPECT_TRUE(form->UseSim2->isChecked());
  EXPECT_TRUE(OwnEnabled(W("Pin1Edit")));
  EXPECT_TRUE(OwnEnabled(W("PassGsm2Edit")));
  EXPECT_TRUE(form->BatteryControl->isChecked());
  EXPECT_FALSE(form->IndicZU->isChecked());
  EXPECT_EQ(form->CodeUOO_Lab->text(), "32001");
  EXPECT_EQ(Text("ObNameEdit"), "Квартира 1");
}

TEST_F(WindowTest, EmptySlotShowsTheTemplateWithItsOwnCode) {
  CardDatabase content;
  MakeSampleDatabase(content, 6, 0);
  content.TemplateImage = content.Card(5).Image;
  content.TemplateImage.ModeFlags = kModeIndicatorOff | kModeBatteryCheckOff;
  WriteDatabase(content);
  Open();
  ClickRow(9);  // slot 8: empty
  EXPECT_EQ(db.CurrentCard, 8);
  EXPECT_EQ(Text("CodeUoo"), "32256");
  EXPECT_EQ(Text("IPLoc4"), "15");
  EXPECT_EQ(Text("PortRem1"), "6001");
  EXPECT_EQ(Text("Ip2GsmEdit_4"), "18");
  EXPECT_EQ(Text("APN1Edit"), "internet.mts.ru");
  EXPECT_EQ(Text("LoginGsm2Edit"), "beeline");
  EXPECT_EQ(Text("RCControl"), "30");
  EXPECT_TRUE(form->IndicZU->isChecked());
  EXPECT_TRUE(form->BatteryControl->isChecked());
  for (const char* empty : {"NCardEdit", "Edit1", "FIOEdit", "RemarkEdit", "PUK1_Edit", "PUK2_Edit",
                            "Number1_Edit", "SIM_ID2_Edit", "Mac1", "Mac4", "Pin1Edit", "Pin2Edit"})
    EXPECT_TRUE(Text(empty).isEmpty()) << empty;
  EXPECT_FALSE(form->UseSim1->isChecked());
  EXPECT_FALSE(form->UseSim2->isChecked());
  EXPECT_FALSE(OwnEnabled(W("APN1Edit")));
  EXPECT_EQ(Text("APN1Edit"), "internet.mts.ru") << "disabling keeps the text";
  EXPECT_TRUE(form->GridCell(9, 1).isEmpty());
  EXPECT_EQ(db.Card(8).Image.Gateway1[0], 0) << "showing an empty slot changes nothing stored";
}

TEST_F(WindowTest, UooTabFiveOfSlotTwoShowsItsCodeLoopsAndNameFallback) {
  CardDatabase content;
  MakeSampleDatabase(content, 3, 5);
  SetFieldText(content.Card(2).Uoo[1].UooCardName, QStringLiteral("Собств"));
  WriteDatabase(content);
  Open();
  ClickRow(3);
  ClickUooTab(4);
  EXPECT_EQ(db.CurrentUooSlot, 4);
  EXPECT_EQ(form->CodeUOO_Lab->text(), "32069");
  EXPECT_EQ(form->Cord1->ItemIndex(), 1);  // Охр.
  EXPECT_EQ(form->Cord2->ItemIndex(), 0);  // Выкл.
  EXPECT_EQ(form->Cord3->ItemIndex(), 3);  // КТС
  EXPECT_TRUE(form->BatteryControl_UOO->isChecked());
  EXPECT_FALSE(form->IndicZU_UOO->isChecked());
  EXPECT_EQ(Text("NCardUoo"), "К102") << "an empty UOO card name shows the KO's";
  EXPECT_EQ(form->LastChangeUoo->text(), "17.03.2023 12:00:00");
  EXPECT_EQ(form->LastProgUoo->text(), "18.03.2023 6:00:00");
  EXPECT_EQ(Text("ProgID1_UOO"), "0104");
  ClickUooTab(1);
  EXPECT_EQ(Text("NCardUoo"), "Собств");
  ClickUooTab(20);  // no data: loops off, no dates
  EXPECT_EQ(form->Cord3->ItemIndex(), 0);
  EXPECT_TRUE(form->LastChangeUoo->text().isEmpty());
  EXPECT_EQ(form->CodeUOO_Lab->text(), "32085");
  // another card keeps the same entry number
  ClickRow(1);
  EXPECT_EQ(db.CurrentUooSlot, 20);
  EXPECT_EQ(form->CodeUOO_Lab->text(), "32021");
}

TEST_F(WindowTest, LoopTypesFromTheTwoMasks) {
  CardDatabase content;
  MakeSampleDatabase(content, 1, 1);
  content.Card(0).Uoo[0].Block.GuardLoops = 0x02;
  content.Card(0).Uoo[0].Block.FireLoops = 0x03;
  WriteDatabase(content);
  Open();
  EXPECT_EQ(form->Cord1->ItemIndex(), 2);  // Пож.
  EXPECT_EQ(form->Cord2->ItemIndex(), 3);  // КТС
  EXPECT_EQ(form->Cord3->ItemIndex(), 0);
}

TEST_F(WindowTest, KeyboardMovesSelectAndClickingTheSelectedRowDoesNothing) {
  CardDatabase content;
  MakeSampleDatabase(content, 4, 0);
  WriteDatabase(content);
  Open();
  form->SetsGrid->setFocus();
  QTest::keyClick(form->SetsGrid, Qt::Key_Down);
  EXPECT_EQ(db.CurrentCard, 1);
  EXPECT_EQ(Text("NCardEdit"), "К101");
  EXPECT_EQ(form->SearchRow, 2);
  W("Edit1")->setText("typed, not stored");
  ClickRow(2);
  EXPECT_EQ(Text("Edit1"), "typed, not stored");
  EXPECT_EQ(form->SearchUooCard, 1);
  QTest::keyClick(form->SetsGrid, Qt::Key_Down);
  EXPECT_EQ(Text("Edit1"), "Магазин «Продукты» №3");
}

TEST_F(WindowTest, ShowingACardZeroesOnlyTheFirstMacByteInMemory) {
  CardDatabase content;
  MakeSampleDatabase(content, 2, 0);
  content.Card(1).Image.MacAddress[0] = 0x77;
  WriteDatabase(content);
  Open();
  EXPECT_EQ(db.Card(1).Image.MacAddress[0], 0x77);
  ClickRow(2);
  EXPECT_EQ(db.Card(1).Image.MacAddress[0], 0);
  EXPECT_EQ(Text("Mac1"), "00");
  EXPECT_FALSE(db.DatabaseChanged);
}

TEST_F(WindowTest, SwitchingPagesShowsTheCurrentEntryAgain) {
  CardDatabase content;
  MakeSampleDatabase(content, 1, 3);
  WriteDatabase(content);
  Open();
  ClickUooTab(2);
  W("ObNameEdit")->setText("scratch");
  form->PageControl2->setCurrentIndex(0);
  EXPECT_EQ(Text("ObNameEdit"), "Квартира 3");
  EXPECT_EQ(Text("NCardEdit"), "К100");
}

TEST_F(WindowTest, DamagedValuesShowWithoutACrash) {
  CardDatabase content;
  MakeSampleDatabase(content, 3, 2);
  CardRecord& c = content.Card(0);
  c.LastChange = 1e300;  // counts as a card, no real date
  c.LastProgrammed = std::nan("");
  std::memset(c.CardName, 'N', sizeof c.CardName);   // no NUL anywhere
  std::memset(c.Image.Apn1, 'A', sizeof c.Image.Apn1);
  c.SimUse = 7;
  c.Uoo[0].UooLastChange = -std::numeric_limits<double>::infinity();
  std::memset(c.Uoo[0].UooCardName, 'U', sizeof c.Uoo[0].UooCardName);
  content.Card(1).LastChange = std::nan("");
  WriteDatabase(content);
  Open();
  EXPECT_EQ(Text("NCardEdit"), QString(11, 'N'));
  EXPECT_EQ(Text("APN1Edit"), QString(25, 'A'));
  EXPECT_FALSE(form->UseSim1->isChecked());
  EXPECT_FALSE(form->UseSim2->isChecked());
  EXPECT_EQ(form->GridCell(1, 1), QString(11, 'N'));
  EXPECT_TRUE(form->GridCell(1, 3).isEmpty());
  EXPECT_TRUE(form->GridCell(2, 1).isEmpty()) << "a date that is not a number is no card";
  EXPECT_EQ(Text("NCardUoo"), QString(11, 'U'));
  EXPECT_TRUE(form->LastChangeUoo->text().isEmpty());
}

TEST_F(WindowTest, ActivityBarsCycleThroughTenSteps) {
  Open();
  QList<int> seen;
  for (int i = 0; i < 11; ++i) {
    form->Timer1Timer();
    seen << form->Progress->value();
    EXPECT_EQ(form->ProgressBar1->value(), form->Progress->value());
  }
  EXPECT_EQ(seen, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
}

TEST_F(WindowTest, ClosingSavesOnlyWhenACardWasSaved) {
  CardDatabase content;
  MakeSampleDatabase(content, 2, 0);
  content.Card(0).Image.KoCode = 5;  // a wrong code, replaced at start
  WriteDatabase(content);
  const auto before = ReadAll(file);
  Open();
  QTest::mouseClick(form->ExitBtn, Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(ReadAll(file) == before) << "nothing saved: nothing written";

  form.reset();
  Open();
  db.DatabaseChanged = true;
  form->close();
  const auto after = ReadAll(file);
  ASSERT_EQ(after.size(), kDatabaseFileSize);
  uint32_t code;
  std::memcpy(&code, &after[239], 4);
  EXPECT_EQ(code, 32000u);
  EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(WindowTest, CodeLabelFollowsTheCodeEdit) {
  Open();
  form->CodeUoo->setText("32001");
  EXPECT_EQ(form->Label17->text(), "( 0x00007D01 )");
  form->CodeUoo->setText("abc");
  EXPECT_EQ(form->Label17->text(), "( 0x00000001 )");
  form->CodeUoo->clear();
  EXPECT_TRUE(form->Label17->text().isEmpty());
}

}  // namespace
