#include "ui/form_builder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/widgets.h"

LimitedEdit* AddEdit(QWidget* parent, const char* name, QRect geometry, const QString& text,
                     int limit, const QString& hint) {
  auto* e = new LimitedEdit(parent);
  e->setObjectName(QLatin1String(name));
  e->setGeometry(geometry);
  e->setText(text);
  e->SetLimit(limit);
  e->SetHint(hint);
  return e;
}

QLabel* AddLabel(QWidget* parent, const QString& caption, QRect geometry, QWidget* buddy,
                 const char* name) {
  auto* l = new QLabel(caption, parent);
  if (name) l->setObjectName(QLatin1String(name));
  l->setGeometry(geometry);
  l->setWordWrap(geometry.height() > kEditHeight);
  if (buddy) l->setBuddy(buddy);
  return l;
}

QCheckBox* AddCheck(QWidget* parent, const char* name, const QString& caption, QPoint at) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(QLatin1String(name));
  c->move(at);
  c->adjustSize();
  return c;
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& title, QRect geometry) {
  auto* g = new QGroupBox(title, parent);
  g->setObjectName(QLatin1String(name));
  g->setGeometry(geometry);
  return g;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setGeometry(geometry);
  return b;
}

void AddAddressRow(QWidget* parent, const QString& caption, const QStringList& names, int y,
                   const QStringList& texts, const QString& hint, int labelWidth, int x,
                   int step) {
  LimitedEdit* first = nullptr;
  for (int i = 0; i < 4; ++i) {
    auto* e = AddEdit(parent, names[i].toLatin1().constData(),
                      QRect(x + labelWidth + i * step, y, step - 4, kEditHeight), texts[i], 3, hint);
    e->setAccessibleName(QStringLiteral("%1, часть %2").arg(caption).arg(i + 1));
    if (!first) first = e;
  }
  AddLabel(parent, caption, QRect(x, y, labelWidth - 2, kEditHeight), first);
}

QGroupBox* BuildEthernetGroup(QWidget* parent, QRect geometry) {
  QGroupBox* g = AddGroup(parent, "GroupBox3", QStringLiteral("Настройки Ethernet"), geometry);
  const QStringList ones = {"1", "1", "1", "1"};
  struct Row {
    const char* caption;
    QStringList names;
    QStringList texts;
    const char* hint;
  };
  const Row rows[] = {
      {"Адрес 1 шлюза", {"GateIP1_1", "GateIP1_2", "GateIP1_3", "GateIP1_4"}, ones, "Адрес 1 шлюза"},
      {"Адрес 2 шлюза", {"GateIP2_1", "GateIP2_2", "GateIP2_3", "GateIP2_4"}, ones, "Адрес 2 шлюза"},
      {"Маска подсети", {"Mask1", "Mask2", "Mask3", "Mask4"}, {"255", "255", "255", "0"}, "Маска подсети"},
      {"IP адрес КО", {"IPLoc1", "IPLoc2", "IPLoc3", "IPLoc4"}, ones, "IP адрес УО"},
      {"IP назначения 1", {"IPRem1_1", "IPRem1_2", "IPRem1_3", "IPRem1_4"}, ones, "IP назначения 1"},
      {"IP назначения 2", {"IPRem2_1", "IPRem2_2", "IPRem2_3", "IPRem2_4"}, ones, "IP назначения 2"},
  };
  int y = 20;
  for (const Row& r : rows) {
    AddAddressRow(g, QString::fromUtf8(r.caption), r.names, y, r.texts, QString::fromUtf8(r.hint));
    y += kRowStep;
  }
  const QString mac = QStringLiteral("MAC адрес");
  LimitedEdit* mac1 = nullptr;
  for (int i = 0; i < 6; ++i) {
    const QByteArray name = "Mac" + QByteArray::number(i + 1);
    auto* e = AddEdit(g, name.constData(), QRect(108 + i * 29, y, 26, kEditHeight),
                      QStringLiteral("00"), 2, mac);
    e->setAccessibleName(QStringLiteral("MAC адрес, байт %1").arg(i + 1));
    if (i == 0) mac1 = e;
  }
  mac1->setReadOnly(true);
  AddLabel(g, mac, QRect(8, y, 98, kEditHeight), mac1);

  struct Port {
    const char* name;
    const char* caption;
    const char* text;
  };
  const Port ports[] = {{"PortLoc", "Порт КО", "6001"},
                        {"PortRem1", "Порт назначения 1", "6001"},
                        {"PortRem2", "Порт назначения 2", "6002"}};
  int py = 20;
  for (const Port& p : ports) {
    const QString caption = QString::fromUtf8(p.caption);
    auto* e = AddEdit(g, p.name, QRect(geometry.width() - 72, py, 62, kEditHeight),
                      QString::fromUtf8(p.text), 5, caption);
    AddLabel(g, caption, QRect(geometry.width() - 190, py, 116, kEditHeight), e);
    py += kRowStep;
  }
  // PPPoE settings exist in the window but no operation uses them.
  auto* pppLogin = AddEdit(g, "PPPLoginEdit", QRect(geometry.width() - 72, py, 62, kEditHeight), {}, 31);
  auto* pppPass = AddEdit(g, "PPPPassEdit", QRect(geometry.width() - 72, py + kRowStep, 62, kEditHeight), {}, 31);
  QLabel* l1 = AddLabel(g, QStringLiteral("Id для PPPoE"), QRect(geometry.width() - 190, py, 116, kEditHeight), pppLogin);
  QLabel* l2 = AddLabel(g, QStringLiteral("Пароль для PPPoE"),
                        QRect(geometry.width() - 190, py + kRowStep, 116, kEditHeight), pppPass);
  for (QWidget* w : {static_cast<QWidget*>(pppLogin), static_cast<QWidget*>(pppPass),
                     static_cast<QWidget*>(l1), static_cast<QWidget*>(l2)})
    w->hide();
  return g;
}

void BuildSimRows(QWidget* parent, int sim, int y) {
  const QString n = QString::number(sim);
  const QByteArray s = QByteArray::number(sim);
  constexpr int kLabelWidth = 114;
  constexpr int kEditX = 4 + kLabelWidth;

  auto* pin = AddEdit(parent, ("Pin" + s + "Edit").constData(), QRect(kEditX, y, 48, kEditHeight),
                      {}, 4, "PIN" + n);
  AddLabel(parent, "PIN" + n, QRect(4, y, kLabelWidth - 2, kEditHeight), pin);
  QCheckBox* use = AddCheck(parent, ("UseSim" + s).constData(), QStringLiteral("ВКЛ"),
                            QPoint(kEditX + 58, y + 1));
  use->setChecked(true);
  use->setToolTip(sim == 1 ? QStringLiteral("Использовать 1ю SIM карту")
                           : QStringLiteral("Использовать 2ю SIM карту"));
  y += kRowStep;

  QStringList names;
  for (int i = 1; i <= 4; ++i) names << QStringLiteral("Ip%1GsmEdit_%2").arg(sim).arg(i);
  AddAddressRow(parent, "IP назначения " + n, names, y, {"1", "1", "1", "1"},
                QStringLiteral("IP назначения %1 (GSM)").arg(sim), kLabelWidth, 4, 32);
  y += kRowStep;

  struct Text {
    QByteArray name;
    QString caption;
    int limit;
    int width;
    QString hint;
  };
  const Text texts[] = {
      {"Port" + s + "GsmEdit", "Порт назначения " + n, 5, 60, QStringLiteral("Порт назначения %1 (GSM)").arg(sim)},
      {"APN" + s + "Edit", "Точка доступа " + n, 24, 126, "Точка доступа " + n},
      {"LoginGsm" + s + "Edit", "Логин " + n, 19, 126, {}},
      {"PassGsm" + s + "Edit", "Пароль " + n, 19, 126, {}},
  };
  for (const Text& t : texts) {
    auto* e = AddEdit(parent, t.name.constData(), QRect(kEditX, y, t.width, kEditHeight), {},
                      t.limit, t.hint);
    AddLabel(parent, t.caption, QRect(4, y, kLabelWidth - 2, kEditHeight), e);
    y += kRowStep;
  }
}

QStringList SimControlNames(int sim) {
  const QString n = QString::number(sim);
  return {"Pin" + n + "Edit",     "Ip" + n + "GsmEdit_1", "Ip" + n + "GsmEdit_2",
          "Ip" + n + "GsmEdit_3", "Ip" + n + "GsmEdit_4", "Port" + n + "GsmEdit",
          "APN" + n + "Edit",     "LoginGsm" + n + "Edit", "PassGsm" + n + "Edit"};
}

void SetSimControlsEnabled(QWidget* root, int sim, bool enabled) {
  for (const QString& name : SimControlNames(sim))
    if (auto* w = root->findChild<QWidget*>(name)) w->setEnabled(enabled);
}
