// Helpers that place the controls of both windows, and the groups the two windows share.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class LimitedEdit;

constexpr int kRowStep = 22;
constexpr int kEditHeight = 20;

LimitedEdit* AddEdit(QWidget* parent, const char* name, QRect geometry, const QString& text,
                     int limit, const QString& hint = {});
QLabel* AddLabel(QWidget* parent, const QString& caption, QRect geometry, QWidget* buddy = nullptr,
                 const char* name = nullptr);
QCheckBox* AddCheck(QWidget* parent, const char* name, const QString& caption, QPoint at);
QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& title, QRect geometry);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);

// Four edits of one address, captioned; names are those of boxes 1 to 4.
void AddAddressRow(QWidget* parent, const QString& caption, const QStringList& names, int y,
                   const QStringList& texts, const QString& hint, int labelWidth = 100,
                   int x = 8, int step = 36);

// "Настройки Ethernet": six addresses, MAC, three ports and the hidden PPPoE edits. The
// main window adds its "Новый MAC адрес" button beside the MAC row.
QGroupBox* BuildEthernetGroup(QWidget* parent, QRect geometry);

// The GSM rows of one SIM card (1 or 2): PIN with its "ВКЛ" box, destination address and
// port, access point, login and password, starting at y.
void BuildSimRows(QWidget* parent, int sim, int y);

// The controls of one SIM card whose Enabled state follows its "ВКЛ" box, in that order.
QStringList SimControlNames(int sim);
void SetSimControlsEnabled(QWidget* root, int sim, bool enabled);
