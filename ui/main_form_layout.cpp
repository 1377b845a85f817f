// Placement of the main window's controls.
#include <QCheckBox>
#include <array>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include "ui/form_builder.h"
#include "ui/main_form.h"
#include "ui/widgets.h"

namespace {

QPixmap SearchPicture() {
  QPixmap pix(24, 23);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 80, 140), 2.2));
  p.drawEllipse(QRectF(3, 3, 12, 12));
  p.drawLine(QPointF(13.5, 13.5), QPointF(20, 20));
  return pix;
}

QProgressBar* AddProgress(QWidget* parent, const char* name, QRect geometry) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(QLatin1String(name));
  bar->setGeometry(geometry);
  bar->setRange(0, 10);
  bar->setValue(0);
  bar->setTextVisible(false);
  bar->hide();
  return bar;
}

// The object's name, address and remark, one captioned row each; returns the y below them.
int AddObjectRows(QWidget* group, std::array<const char*, 3> names, std::array<LimitedEdit**, 3> edits,
                  int editWidth) {
  const char* captions[3] = {"Наименование объекта", "Адрес", "Примечание"};
  const int limits[3] = {99, 99, 39};
  int y = 18;
  for (int i = 0; i < 3; ++i) {
    *edits[i] = AddEdit(group, names[i], QRect(150, y, editWidth, kEditHeight), {}, limits[i]);
    AddLabel(group, QString::fromUtf8(captions[i]), QRect(8, y, 140, kEditHeight), *edits[i]);
    y += kRowStep;
  }
  return y;
}

}  // namespace

void TForm1::BuildTopRow() {
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(4, 5, 24, 23);
  image->setPixmap(SearchPicture());

  SearchEdit = AddEdit(this, "SearchEdit", QRect(32, 6, 184, 22), QStringLiteral("(Поиск)"), 0);
  SearchEdit->setAccessibleName(QStringLiteral("Поиск"));
  SpeedButton3 = new QToolButton(this);
  SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
  SpeedButton3->setGeometry(218, 5, 26, 24);
  SpeedButton3->setAutoRaise(true);
  SpeedButton3->setText(QStringLiteral("»"));
  SpeedButton3->setToolTip(QStringLiteral("Искать далее..."));
  SpeedButton3->setAccessibleName(QStringLiteral("Искать далее"));

  BitBtn1 = AddButton(this, "BitBtn1", QStringLiteral("Включить редактирование"), QRect(252, 4, 176, 26));
  BitBtn1->setToolTip(QStringLiteral("Включить режим редактирования"));
  BitBtn2 = AddButton(this, "BitBtn2", QStringLiteral("Сохранить изменения"), QRect(432, 4, 146, 26));
  BitBtn2->setToolTip(QStringLiteral("Сохранить изменения в записи"));
  BitBtn2->setEnabled(false);
  BitBtn3 = AddButton(this, "BitBtn3", QStringLiteral("Удалить запись"), QRect(582, 4, 110, 26));
  BitBtn3->setToolTip(QStringLiteral("Удалить текущую запись"));
  BitBtn3->setEnabled(false);
  ExitBtn = AddButton(this, "ExitBtn", QStringLiteral("Выход"), QRect(696, 4, 66, 26));

  SetsGrid = new QTableView(this);
  SetsGrid->setObjectName(QStringLiteral("SetsGrid"));
  SetsGrid->setGeometry(4, 34, 758, 150);
  SetsGridCells = new GridModel(kCardSlots, SetsGrid);
  SetsGrid->setModel(SetsGridCells);
  SetsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  SetsGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  SetsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SetsGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetsGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetsGrid->setWordWrap(false);
  SetsGrid->verticalHeader()->hide();
  SetsGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  SetsGrid->verticalHeader()->setDefaultSectionSize(20);
  SetsGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  SetsGrid->horizontalHeader()->setFixedHeight(20);
  SetsGrid->horizontalHeader()->setHighlightSections(false);
  const int widths[GridModel::kColumns] = {56, 127, 289, 119, 136};
  for (int c = 0; c < GridModel::kColumns; ++c) SetsGrid->setColumnWidth(c, widths[c]);
  QFont gridFont = SetsGrid->font();
  gridFont.setPixelSize(10);
  SetsGrid->setFont(gridFont);
  SetsGrid->horizontalHeader()->setFont(gridFont);
  SetsGrid->setAccessibleName(QStringLiteral("Список карточек"));

  PageControl2 = new QTabWidget(this);
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  PageControl2->setGeometry(4, 188, 758, 418);
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
  PageControl2->addTab(TabSheet1, QStringLiteral("Концентратор Объектовый"));
  PageControl2->addTab(TabSheet2, QStringLiteral("Подключенные УОО"));
}

void TForm1::BuildKoPage(QWidget* page) {
  GroupBox1 = AddGroup(page, "GroupBox1", QStringLiteral("Текущие настройки"), QRect(2, 2, 480, 386));
  NCardEdit = AddEdit(GroupBox1, "NCardEdit", QRect(162, 20, 92, kEditHeight), QStringLiteral("1"),
                      10, QStringLiteral("Номер карточки"));
  AddLabel(GroupBox1, QStringLiteral("Имя карточки в базе ПЦН"), QRect(8, 20, 152, kEditHeight), NCardEdit);
  CodeUoo = AddEdit(GroupBox1, "CodeUoo", QRect(312, 20, 80, kEditHeight), QStringLiteral("1"), 9,
                    QStringLiteral("Код УО"));
  CodeUoo->setReadOnly(true);
  AddLabel(GroupBox1, QStringLiteral("Код КО"), QRect(262, 20, 48, kEditHeight), CodeUoo);
  Label17 = AddLabel(GroupBox1, QStringLiteral("( 0x00000001 )"), QRect(398, 20, 78, kEditHeight),
                     nullptr, "Label17");
  Label17->hide();

  GroupBox3 = BuildEthernetGroup(GroupBox1, QRect(6, 44, 468, 180));
  SpeedButton2 = new QToolButton(GroupBox3);
  SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
  SpeedButton2->setText(QStringLiteral("Новый MAC адрес"));
  SpeedButton2->setGeometry(286, 20 + 6 * kRowStep - 1, 120, 22);

  GroupBox4 = AddGroup(GroupBox1, "GroupBox4", QStringLiteral("Режим работы"), QRect(6, 226, 468, 38));
  BatteryControl = AddCheck(GroupBox4, "BatteryControl",
                            QStringLiteral("Выключить контроль заряда батареи"), QPoint(10, 16));
  // Outside the group's visible area, as it always was: set by the card view, never seen.
  IndicZU = AddCheck(GroupBox4, "IndicZU", QStringLiteral("Выключить мигание индикатора на ЗУ"),
                     QPoint(10, 46));
  IndicZU->hide();

  GroupBox6 = AddGroup(GroupBox1, "GroupBox6", QStringLiteral("Дополнительная информация"),
                       QRect(6, 266, 468, 118));
  int y = AddObjectRows(GroupBox6, {"Edit1", "FIOEdit", "RemarkEdit"}, {&Edit1, &FIOEdit, &RemarkEdit}, 310);
  ProgID1 = AddEdit(GroupBox6, "ProgID1", QRect(176, y + 2, 46, kEditHeight), QStringLiteral("0"), 0);
  ProgID1->setReadOnly(true);
  AddLabel(GroupBox6, QStringLiteral("Результат программирования (ID)"), QRect(8, y, 166, 28), ProgID1);
  ProgID2 = AddEdit(GroupBox6, "ProgID2", QRect(414, y + 2, 46, kEditHeight), QStringLiteral("0"), 0);
  ProgID2->setReadOnly(true);
  AddLabel(GroupBox6, QStringLiteral("Предыдущий результат программирования (ID)"),
           QRect(232, y, 180, 28), ProgID2);

  BuildGsmGroup(page);

  Progress = AddProgress(page, "Progress", QRect(488, 362, 70, 18));
  ProgBtn = AddButton(page, "ProgBtn", QStringLiteral("Программировать"), QRect(562, 358, 112, 26));
  SpeedButton1 = AddButton(page, "SpeedButton1", QStringLiteral("Считать"), QRect(678, 358, 70, 26));
}

void TForm1::BuildGsmGroup(QWidget* page) {
  GroupBox5 = AddGroup(page, "GroupBox5", QStringLiteral("Настройки GSM"), QRect(486, 2, 264, 350));
  PageControl1 = new QTabWidget(GroupBox5);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(4, 18, 256, 328);
  MainGSM_Sheet = new QWidget;
  MainGSM_Sheet->setObjectName(QStringLiteral("MainGSM_Sheet"));
  Add_GSM_Sheet = new QWidget;
  Add_GSM_Sheet->setObjectName(QStringLiteral("Add_GSM_Sheet"));
  PageControl1->addTab(MainGSM_Sheet, QStringLiteral("Основные"));
  PageControl1->addTab(Add_GSM_Sheet, QStringLiteral("Дополнительно"));

  BuildSimRows(MainGSM_Sheet, 1, 4);
  BuildSimRows(MainGSM_Sheet, 2, 4 + 6 * kRowStep + 8);
  Pin1Edit = Child<LimitedEdit>("Pin1Edit");
  Pin2Edit = Child<LimitedEdit>("Pin2Edit");
  UseSim1 = Child<QCheckBox>("UseSim1");
  UseSim2 = Child<QCheckBox>("UseSim2");

  RCControl = AddEdit(Add_GSM_Sheet, "RCControl", QRect(196, 8, 44, kEditHeight), QStringLiteral("1"), 3);
  AddLabel(Add_GSM_Sheet, QStringLiteral("Интервал регистрации на ПЦН по резервному каналу (мин)"),
           QRect(4, 2, 188, 32), RCControl);
  struct Row {
    const char* name;
    const char* caption;
    int limit;
  };
  const Row rows[] = {{"PUK1_Edit", "PUK-код SIM карты 1", 19},
                      {"Number1_Edit", "Номер телефона SIM карты 1", 14},
                      {"SIM_ID1_Edit", "ID SIM карты 1", 24},
                      {"PUK2_Edit", "PUK-код SIM карты 2", 19},
                      {"Number2_Edit", "Номер телефона SIM карты 2", 14},
                      {"SIM_ID2_Edit", "ID SIM карты 2", 24}};
  int y = 40;
  for (const Row& r : rows) {
    auto* e = AddEdit(Add_GSM_Sheet, r.name, QRect(4, y + 15, 236, kEditHeight), {}, r.limit);
    AddLabel(Add_GSM_Sheet, QString::fromUtf8(r.caption), QRect(4, y, 236, 15), e);
    y += 40;
  }
}

void TForm1::BuildUooPage(QWidget* page) {
  UooTab = new TabControl(16, 22, page);
  UooTab->setObjectName(QStringLiteral("UooTab"));
  UooTab->setGeometry(2, 2, 748, 386);
  QStringList tabs;
  for (int i = 1; i <= kUooPerCard; ++i) tabs << QString::number(i);
  UooTab->SetTabs(tabs);
  const int top = UooTab->StripHeight() + 2;

  GroupBox2 = AddGroup(UooTab, "GroupBox2", {}, QRect(0, top, 748, 296));
  CodeUOO_Lab = AddLabel(GroupBox2, QStringLiteral("Код УО"), QRect(64, 12, 80, kEditHeight), nullptr,
                         "CodeUOO_Lab");
  AddLabel(GroupBox2, QStringLiteral("Код УО"), QRect(10, 12, 52, kEditHeight), CodeUOO_Lab);
  NCardUoo = AddEdit(GroupBox2, "NCardUoo", QRect(250, 12, 92, kEditHeight), QStringLiteral("1"), 10,
                     QStringLiteral("Номер карточки"));
  AddLabel(GroupBox2, QStringLiteral("Имя карточки"), QRect(160, 12, 88, kEditHeight), NCardUoo);
  LastChangeUoo = AddLabel(GroupBox2, {}, QRect(190, 38, 150, kEditHeight), nullptr, "LastChangeUoo");
  AddLabel(GroupBox2, QStringLiteral("Время последнего изменения"), QRect(10, 38, 178, kEditHeight),
           LastChangeUoo);
  LastProgUoo = AddLabel(GroupBox2, {}, QRect(520, 38, 150, kEditHeight), nullptr, "LastProgUoo");
  AddLabel(GroupBox2, QStringLiteral("Время программирования"), QRect(360, 38, 158, kEditHeight),
           LastProgUoo);

  GroupBox8 = AddGroup(GroupBox2, "GroupBox8", QStringLiteral("Режим работы"), QRect(8, 64, 430, 60));
  IndicZU_UOO = AddCheck(GroupBox8, "IndicZU_UOO", QStringLiteral("Выключить мигание индикатора на СТМ"),
                         QPoint(10, 17));
  BatteryControl_UOO = AddCheck(GroupBox8, "BatteryControl_UOO",
                                QStringLiteral("Выключить контроль заряда батареи"), QPoint(10, 37));

  GroupBox7 = AddGroup(GroupBox2, "GroupBox7", QStringLiteral("Шлейфы"), QRect(444, 64, 296, 152));
  const QStringList loopTypes = {QStringLiteral("Выкл."), QStringLiteral("Охр."), QStringLiteral("Пож."),
                                 QStringLiteral("КТС")};
  RadioGroup** cords[] = {&Cord1, &Cord2, &Cord3};
  for (int i = 0; i < 3; ++i) {
    *cords[i] = new RadioGroup(QStringLiteral("Cord%1").arg(i + 1), QStringLiteral("Шлейф %1").arg(i + 1),
                               loopTypes, GroupBox7);
    (*cords[i])->setGeometry(8, 18 + i * 44, 280, 42);
  }

  GroupBox9 = AddGroup(GroupBox2, "GroupBox9", QStringLiteral("Дополнительная информация"),
                       QRect(8, 126, 430, 164));
  int y = AddObjectRows(GroupBox9, {"ObNameEdit", "ObAddrEdit", "ObRemarkEdit"},
                        {&ObNameEdit, &ObAddrEdit, &ObRemarkEdit}, 272);
  y += 4;
  ProgID1_UOO = AddEdit(GroupBox9, "ProgID1_UOO", QRect(300, y, 60, kEditHeight), QStringLiteral("0"), 0);
  ProgID1_UOO->setReadOnly(true);
  AddLabel(GroupBox9, QStringLiteral("Результат программирования (ID)"), QRect(8, y, 290, kEditHeight),
           ProgID1_UOO);
  y += 26;
  ProgID2_UOO = AddEdit(GroupBox9, "ProgID2_UOO", QRect(300, y, 60, kEditHeight), QStringLiteral("0"), 0);
  ProgID2_UOO->setReadOnly(true);
  AddLabel(GroupBox9, QStringLiteral("Предыдущий результат программирования (ID)"),
           QRect(8, y, 290, kEditHeight), ProgID2_UOO);

  ProgressBar1 = AddProgress(UooTab, "ProgressBar1", QRect(450, top + 304, 90, 18));
  BitBtn4 = AddButton(UooTab, "BitBtn4", QStringLiteral("Считать"), QRect(548, top + 300, 80, 26));
  BitBtn4->hide();
  ProgBtnUoo = AddButton(UooTab, "ProgBtnUoo", QStringLiteral("Программировать"),
                         QRect(632, top + 300, 114, 26));
}
