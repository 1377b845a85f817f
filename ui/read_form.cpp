#include "ui/read_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/form_builder.h"
#include "ui/image_fields.h"
#include "ui/widgets.h"

QString ProgStampText(const uint8_t (&s)[6]) {
  return QString::asprintf("%d.%d.%d %d:%d:%d", s[0], s[1], s[2], s[3], s[4], s[5]);
}

TReadForm::TReadForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("ReadForm"));
  setWindowTitle(QStringLiteral("Считанная информация"));
  setFixedSize(784, 399);
  setModal(true);

  GroupBox1 = AddGroup(this, "GroupBox1", QStringLiteral("Текущие настройки"), QRect(4, 4, 776, 356));
  auto* code = AddEdit(GroupBox1, "CodeUoo", QRect(58, 20, 84, kEditHeight), QStringLiteral("1"), 9);
  code->setReadOnly(true);
  AddLabel(GroupBox1, QStringLiteral("Код КО"), QRect(8, 20, 48, kEditHeight), code);
  auto* name = AddEdit(GroupBox1, "NCardEdit", QRect(306, 20, 100, kEditHeight), QStringLiteral("1"), 10);
  AddLabel(GroupBox1, QStringLiteral("Имя карточки в базе ПЦН"), QRect(152, 20, 152, kEditHeight), name);
  AddLabel(GroupBox1, QStringLiteral("( 0x00000001 )"), QRect(408, 20, 80, kEditHeight), nullptr, "Label17")
      ->hide();

  BuildEthernetGroup(GroupBox1, QRect(6, 46, 468, 186));

  QGroupBox* gsm = AddGroup(GroupBox1, "GroupBox5", QStringLiteral("Настройки GSM"), QRect(480, 14, 290, 336));
  BuildSimRows(gsm, 1, 20);
  BuildSimRows(gsm, 2, 20 + 6 * kRowStep + 10);
  UseSim1 = findChild<QCheckBox*>(QStringLiteral("UseSim1"));
  UseSim2 = findChild<QCheckBox*>(QStringLiteral("UseSim2"));

  QGroupBox* extra = AddGroup(GroupBox1, "GroupBox6", QStringLiteral("Дополнительная информация"),
                              QRect(6, 236, 468, 114));
  AddLabel(extra, QStringLiteral("Режим работы"), QRect(8, 18, 120, kEditHeight));
  BatteryControl = AddCheck(extra, "BatteryControl", QStringLiteral("Выключить контроль заряда батареи"),
                            QPoint(130, 19));
  auto* progId = AddEdit(extra, "ProgID1", QRect(212, 42, 50, kEditHeight), QStringLiteral("0"), 0);
  progId->setReadOnly(true);
  AddLabel(extra, QStringLiteral("Результат программирования (ID)"), QRect(8, 42, 200, kEditHeight), progId);
  auto* interval = AddEdit(extra, "RCControl", QRect(410, 62, 44, kEditHeight), QStringLiteral("1"), 3);
  AddLabel(extra, QStringLiteral("Интервал регистрации на ПЦН по резервному каналу (мин)"),
           QRect(270, 40, 136, 44), interval);
  Label30 = AddLabel(extra, QStringLiteral("Время программирования"), QRect(212, 88, 200, kEditHeight),
                     nullptr, "Label30");
  AddLabel(extra, QStringLiteral("Время программирования"), QRect(8, 88, 200, kEditHeight), Label30, "Label29");

  GroupBox1->setEnabled(false);
  Button1 = AddButton(this, "Button1", QStringLiteral("Закрыть"), QRect(690, 366, 86, 27));
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TReadForm::FillFromImage(const KoConfigImage& image) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&image);
  const FieldBinding name{"NCardEdit", FieldKind::Text, offsetof(KoConfigImage, ImageName),
                          sizeof image.ImageName};
  ShowBoundFields(GroupBox1, {name}, bytes);
  Label30->setText(ProgStampText(image.ProgStamp));
  ShowBoundFields(GroupBox1, ImageFieldBindings(), bytes);
  BatteryControl->setChecked(image.ModeFlags & kModeBatteryCheckOff);
  UseSim1->setChecked(image.SimPin1[0] != 0);
  UseSim2->setChecked(image.SimPin2[0] != 0);
  SetSimControlsEnabled(GroupBox1, 1, UseSim1->isChecked());
  SetSimControlsEnabled(GroupBox1, 2, UseSim2->isChecked());
}
