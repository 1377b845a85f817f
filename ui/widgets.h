// Small controls the windows are built from.
#pragma once

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

// An edit whose length limit stops only what the operator types: text the program sets is
// shown whole, and the operator may still shorten it.
class LimitedEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit LimitedEdit(QWidget* parent = nullptr);
  void SetLimit(int chars) { limit_ = chars; }
  int Limit() const { return limit_; }
  // Length of the text before the edit now being validated.
  int AcceptedLength() const { return acceptedLength_; }
  bool SettingByProgram() const { return settingByProgram_; }
  // Text set by the program is taken whole, whatever the limit.
  void setText(const QString& text);
  // The field's name in validation messages; not a tool tip.
  void SetHint(const QString& hint) { hint_ = hint; }
  const QString& Hint() const { return hint_; }

 private:
  int limit_ = 0;  // 0: no limit
  int acceptedLength_ = 0;
  bool settingByProgram_ = false;
  QString hint_;
};

// A captioned group of radio buttons laid out in one row; items are addressed by index.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent = nullptr);
  int ItemIndex() const;
  void SetItemIndex(int index);

 signals:
  void Clicked();

 private:
  QButtonGroup* group_;
};

// A tab control whose tabs lie over several rows and which has one page area for all tabs:
// the controls placed under the strip show the entry of the selected tab. The program can
// replace the tabs (a single tab while an entry is edited).
class TabControl : public QWidget {
  Q_OBJECT
 public:
  TabControl(int perRow, int rowHeight, QWidget* parent = nullptr);
  void SetTabs(const QStringList& captions);
  int Count() const { return int(buttons_.size()); }
  QString TabText(int index) const;
  QWidget* TabButton(int index) const;
  int CurrentIndex() const;
  // Selection made by the program: no change signal.
  void SetCurrentIndex(int index);
  // Where the page area starts below the full strip.
  int StripHeight() const;

 signals:
  void Changed(int index);  // the operator selected a tab

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  int perRow_, rowHeight_;
  QWidget* strip_;
  QButtonGroup* group_;
  std::vector<QWidget*> buttons_;
};

// Cell texts of the card list, kept as the grid shows them (like a string grid).
class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kColumns = 5;
  GridModel(int rows, QObject* parent = nullptr);
  void SetHeaders(const QStringList& headers);
  // row: 0-based data row of the view
  void SetCell(int row, int column, const QString& text);
  // Many cells at once: the view hears of them once, at the end.
  void BeginFill();
  void EndFill();
  const QString& Cell(int row, int column) const { return cells_[std::size_t(row)][std::size_t(column)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  std::vector<std::array<QString, kColumns>> cells_;
  QStringList headers_;
  bool filling_ = false;
};
