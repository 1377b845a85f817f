// The read-result window: shows a configuration image read back from a KO, read-only.
#pragma once

#include <QDialog>

#include "store/card_record.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TReadForm : public QDialog {
  Q_OBJECT
 public:
  explicit TReadForm(QWidget* parent = nullptr);
  void FillFromImage(const KoConfigImage& image);

  QGroupBox* GroupBox1 = nullptr;
  QPushButton* Button1 = nullptr;
  QLabel* Label30 = nullptr;
  QCheckBox *UseSim1 = nullptr, *UseSim2 = nullptr, *BatteryControl = nullptr;

 protected:
  // Only "Закрыть" ends the window: no close box, no Escape.
  void reject() override {}
};

// "%d.%d.%d %d:%d:%d" of day, month, year - 2000, hour, minute, second.
QString ProgStampText(const uint8_t (&stamp)[6]);
