#include "ui/main_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "store/cp1251.h"
#include "store/ole_date.h"
#include "store/text_to_int.h"
#include "ui/form_builder.h"
#include "ui/image_fields.h"
#include "ui/widgets.h"

namespace {

QString DateCell(double date) { return QString::fromStdString(DateText(date)); }

}  // namespace

TForm1::TForm1(CardDatabase& db, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      db_(db),
      messages_(messages) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kMainWindowTitle));
  setFixedSize(766, 610);

  // 1. the controls with their design texts, captions and limits
  BuildTopRow();
  BuildKoPage(TabSheet1);
  BuildUooPage(TabSheet2);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(100);
  ConnectCardViewEvents();

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  // 2.-3. the grid's rows and headers (its 1000 data rows come with the model)
  SetGridHeaders();
  // 4.-5.
  db_.TemplateImage = KoConfigImage{};
  db_.CurrentCard = -1;
  // 6.
  FillGrid();
  // 7. view mode: values visible, not editable
  GroupBox1->setEnabled(false);
  GroupBox2->setEnabled(false);
  MainGSM_Sheet->setEnabled(false);
  Add_GSM_Sheet->setEnabled(false);
}

TForm1::~TForm1() = default;

void TForm1::ConnectCardViewEvents() {
  connect(SetsGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { SetsGridClick(); });
  connect(SetsGrid, &QTableView::clicked, this, [this] { SetsGridClick(); });
  connect(UooTab, &TabControl::Changed, this, [this] { UooTabChange(); });
  connect(PageControl2, &QTabWidget::currentChanged, this, [this] { PageControl2Change(); });
  connect(UseSim1, &QCheckBox::clicked, this, [this] { UseSim1Click(); });
  connect(UseSim2, &QCheckBox::clicked, this, [this] { UseSim2Click(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  connect(ExitBtn, &QPushButton::clicked, this, [this] { ExitBtnClick(); });

  const auto change = [this] { NCardEditChange(); };
  for (LimitedEdit* e : {CodeUoo, Edit1, FIOEdit, RemarkEdit, ObNameEdit, ObAddrEdit, ObRemarkEdit})
    connect(e, &QLineEdit::textChanged, this, change);
  for (QCheckBox* c : {IndicZU, BatteryControl, IndicZU_UOO, BatteryControl_UOO})
    connect(c, &QCheckBox::clicked, this, change);
  for (RadioGroup* r : {Cord1, Cord2, Cord3}) connect(r, &RadioGroup::Clicked, this, change);
}

int TForm1::GridCurrentRow() const {
  const QModelIndex i = SetsGrid->currentIndex();
  return i.isValid() ? RowOfSlot(i.row()) : 0;
}

void TForm1::SetGridCurrentRow(int row) {
  SetsGrid->setCurrentIndex(SetsGridCells->index(SlotOfRow(row), 0));
}

QString TForm1::GridCell(int row, int column) const {
  return SetsGridCells->Cell(SlotOfRow(row), column);
}

void TForm1::SetGridHeaders() {
  SetsGridCells->SetHeaders({QStringLiteral("Код KО"), QStringLiteral("Имя карточки"),
                             QStringLiteral("Объект"), QStringLiteral("Дата изменений"),
                             QStringLiteral("Дата программирования")});
}

void TForm1::FillGrid() {
  db_.LoadDatabase();
  db_.StampSlotCodes();
  SetsGridCells->BeginFill();
  for (int row = 1; row <= kCardSlots; ++row) {
    const CardRecord& r = db_.Card(SlotOfRow(row));
    SetsGridCells->SetCell(SlotOfRow(row), 0, QString::number(uint32_t(r.Image.KoCode)));
    if (HasCard(r)) ShowCardCells(row, r);
  }
  SetsGridCells->EndFill();
  {
    const QSignalBlocker quiet(SetsGrid->selectionModel());
    SetGridCurrentRow(1);
    SetsGrid->selectRow(0);
  }
  SetsGridClick();
}

void TForm1::SetsGridClick() {
  const int row = GridCurrentRow();
  if (row < 1) return;
  SearchRow = row;
  SearchUooCard = SlotOfRow(row);
  if (SlotOfRow(row) == db_.CurrentCard) return;
  db_.CurrentCard = SlotOfRow(row);
  ShowKoCard(db_.Card(db_.CurrentCard));
  ShowUooSlot(db_.Card(db_.CurrentCard));
}

void TForm1::ShowKoCard(CardRecord& record) {
  const bool fromTemplate = !HasCard(record);
  CardRecord scratch{};
  CardRecord* s = &record;
  if (fromTemplate) {
    // An empty slot shows the configuration of the card saved last, with its own code.
    std::memcpy(&scratch.Image, &db_.TemplateImage, sizeof scratch.Image);
    scratch.Image.KoCode = uint32_t(record.Image.KoCode);
    s = &scratch;
  }
  s->Image.MacAddress[0] = 0;
  const auto* bytes = reinterpret_cast<const uint8_t*>(s);
  ShowBoundFields(TabSheet1, CardTextBindings(), bytes);
  ShowBoundFields(TabSheet1, ImageFieldBindings(), bytes);
  if (fromTemplate) {
    for (const char* mac : {"Mac1", "Mac2", "Mac3", "Mac4", "Mac5", "Mac6"})
      Child<LimitedEdit>(mac)->clear();
    Pin1Edit->clear();
    Pin2Edit->clear();
  }
  IndicZU->setChecked(s->Image.ModeFlags & kModeIndicatorOff);
  BatteryControl->setChecked(s->Image.ModeFlags & kModeBatteryCheckOff);
  NCardEditChange();
  UseSim1->setChecked(s->SimUse == 1 || s->SimUse == 3);
  UseSim2->setChecked(s->SimUse == 2 || s->SimUse == 3);
  UseSim1Click();
  UseSim2Click();
  RefreshCardRow();
}

void TForm1::ShowUooSlot(CardRecord& record) {
  const int slot = db_.CurrentUooSlot;
  const UooRecord& u = record.Uoo[slot];
  CodeUOO_Lab->setText(QString::number(UooCode(record.Image.KoCode, slot)));
  RadioGroup* cords[] = {Cord1, Cord2, Cord3};
  for (int k = 0; k < 3; ++k) {
    const bool guard = u.Block.GuardLoops >> k & 1, fire = u.Block.FireLoops >> k & 1;
    cords[k]->SetItemIndex(guard && fire ? 3 : fire ? 2 : guard ? 1 : 0);
  }
  IndicZU_UOO->setChecked(u.Block.UooFlags & kUooIndicatorOff);
  BatteryControl_UOO->setChecked(u.Block.UooFlags & kUooBatteryCheckOff);
  ObNameEdit->setText(FieldText(u.UooObjectName));
  NCardUoo->setText(u.UooCardName[0] != 0 ? FieldText(u.UooCardName) : NCardEdit->text());
  ObAddrEdit->setText(FieldText(u.UooObjectAddress));
  ObRemarkEdit->setText(FieldText(u.UooRemark));
  RefreshCardRow();
}

void TForm1::RefreshCardRow() {
  if (db_.CurrentCard < 0) return;
  const CardRecord& c = db_.Card(db_.CurrentCard);
  const UooRecord& u = c.Uoo[db_.CurrentUooSlot];
  const int i = db_.CurrentCard;  // model row of grid row CurrentCard + 1
  for (int col = 1; col <= 4; ++col) SetsGridCells->SetCell(i, col, {});
  ProgID1->setText(Hex4(c.ProgId));
  ProgID2->setText(Hex4(c.PrevProgId));
  ProgID1_UOO->setText(Hex4(u.UooProgId));
  ProgID2_UOO->setText(Hex4(u.UooPrevProgId));
  LastProgUoo->setText(u.UooLastProgrammed > 0.001 ? DateCell(u.UooLastProgrammed) : QString());
  LastChangeUoo->setText(u.UooLastChange > 0.001 ? DateCell(u.UooLastChange) : QString());
  if (c.LastChange > 0.001) ShowCardCells(RowOfSlot(i), c);
}

void TForm1::ShowCardCells(int row, const CardRecord& r) {
  const int i = SlotOfRow(row);
  SetsGridCells->SetCell(i, 1, FieldText(r.CardName));
  SetsGridCells->SetCell(i, 2, FieldText(r.ObjectName));
  SetsGridCells->SetCell(i, 3, DateCell(r.LastChange));
  if (r.LastProgrammed > 0.001) SetsGridCells->SetCell(i, 4, DateCell(r.LastProgrammed));
}

void TForm1::UooTabChange() {
  db_.CurrentUooSlot = UooTab->CurrentIndex();
  if (db_.CurrentCard >= 0) ShowUooSlot(db_.Card(db_.CurrentCard));
}

void TForm1::PageControl2Change() {
  if (db_.CurrentCard >= 0) ShowUooSlot(db_.Card(db_.CurrentCard));
}

void TForm1::NCardEditChange() {
  if (CodeUoo->text().isEmpty()) {
    Label17->clear();
    return;
  }
  const uint32_t code = uint32_t(TextToInt(CodeUoo->text().toStdString(), 1));
  Label17->setText("( 0x" + QStringLiteral("%1").arg(code, 8, 16, QChar('0')).toUpper() + " )");
}

void TForm1::UseSim1Click() { SetSimControlsEnabled(MainGSM_Sheet, 1, UseSim1->isChecked()); }
void TForm1::UseSim2Click() { SetSimControlsEnabled(MainGSM_Sheet, 2, UseSim2->isChecked()); }

void TForm1::Timer1Timer() {
  for (QProgressBar* bar : {Progress, ProgressBar1}) {
    bar->setValue(bar->value() + 1);
    if (bar->value() >= 10) bar->setValue(0);
  }
}

void TForm1::FormClose() {
  if (db_.DatabaseChanged) db_.SaveDatabase();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    FormClose();
  }
  event->accept();
}

void TForm1::ExitBtnClick() { close(); }
