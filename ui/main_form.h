// The main window: card list on top, the KO page and the UOO page below.
#pragma once

#include <QWidget>

#include "store/card_database.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class QToolButton;
class GridModel;
class LimitedEdit;
class RadioGroup;
class TabControl;

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // Loads the database (FillGrid); an unreadable file escapes as std::runtime_error.
  TForm1(CardDatabase& db, MessageSink& messages, QWidget* parent = nullptr);
  ~TForm1() override;

  CardDatabase& Db() { return db_; }
  MessageSink& Messages() { return messages_; }

  // Grid rows are numbered as in the card list: row 0 is the header, row r shows slot r - 1.
  static int SlotOfRow(int row) { return row - 1; }
  static int RowOfSlot(int slot) { return slot + 1; }
  int GridCurrentRow() const;
  void SetGridCurrentRow(int row);
  QString GridCell(int row, int column) const;

  void SetGridHeaders();
  void FillGrid();
  void SetsGridClick();
  void ShowKoCard(CardRecord& record);
  void ShowUooSlot(CardRecord& record);
  void RefreshCardRow();
  void UooTabChange();
  void PageControl2Change();
  void NCardEditChange();
  void UseSim1Click();
  void UseSim2Click();
  void Timer1Timer();
  void FormClose();
  void ExitBtnClick();

  bool EditMode = false;
  int SearchRow = 1;
  int SearchUooCard = 0;
  int SearchUooSlot = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildTopRow();
  void BuildKoPage(QWidget* page);
  void BuildGsmGroup(QWidget* page);
  void BuildUooPage(QWidget* page);
  void ConnectCardViewEvents();
  // Columns 1 to 4 of a grid row from its card.
  void ShowCardCells(int row, const CardRecord& record);
  template <typename T>
  T* Child(const char* name) const {
    return findChild<T*>(QLatin1String(name));
  }

  CardDatabase& db_;
  MessageSink& messages_;
  bool closed_ = false;

 public:
  // Controls addressed by the card view, edit mode, saves, search and the jobs.
  LimitedEdit* SearchEdit = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr, *ExitBtn = nullptr;
  QTableView* SetsGrid = nullptr;
  GridModel* SetsGridCells = nullptr;
  QTabWidget* PageControl2 = nullptr;
  QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr;
  QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr, *GroupBox4 = nullptr,
            *GroupBox5 = nullptr, *GroupBox6 = nullptr, *GroupBox7 = nullptr,
            *GroupBox8 = nullptr, *GroupBox9 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget *MainGSM_Sheet = nullptr, *Add_GSM_Sheet = nullptr;
  LimitedEdit *NCardEdit = nullptr, *CodeUoo = nullptr, *Edit1 = nullptr, *FIOEdit = nullptr,
              *RemarkEdit = nullptr, *ProgID1 = nullptr, *ProgID2 = nullptr, *Pin1Edit = nullptr,
              *Pin2Edit = nullptr, *RCControl = nullptr;
  QLabel* Label17 = nullptr;
  QCheckBox *IndicZU = nullptr, *BatteryControl = nullptr, *UseSim1 = nullptr, *UseSim2 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QProgressBar* Progress = nullptr;
  QPushButton *ProgBtn = nullptr, *SpeedButton1 = nullptr;

  TabControl* UooTab = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QPushButton *BitBtn4 = nullptr, *ProgBtnUoo = nullptr;
  QLabel *CodeUOO_Lab = nullptr, *LastChangeUoo = nullptr, *LastProgUoo = nullptr;
  LimitedEdit *NCardUoo = nullptr, *ObNameEdit = nullptr, *ObAddrEdit = nullptr,
              *ObRemarkEdit = nullptr, *ProgID1_UOO = nullptr, *ProgID2_UOO = nullptr;
  QCheckBox *IndicZU_UOO = nullptr, *BatteryControl_UOO = nullptr;
  RadioGroup *Cord1 = nullptr, *Cord2 = nullptr, *Cord3 = nullptr;
  QTimer* Timer1 = nullptr;
};

inline constexpr const char* kMainWindowTitle = "Утилита программирования KО R и УОО 3ZU (Версия 1.13)";
