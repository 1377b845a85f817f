#include "ui/widgets.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
#include <QRadioButton>
#include <QToolButton>
#include <QValidator>

namespace {

// Refuses an edit that would make the text longer than the limit; shortening is always allowed,
// and setText() is never validated, so longer program-set text stays whole.
class GrowthLimit : public QValidator {
 public:
  explicit GrowthLimit(LimitedEdit* edit) : QValidator(edit), edit_(edit) {}
  State validate(QString& input, int&) const override {
    const int limit = edit_->Limit();
    if (edit_->SettingByProgram()) return Acceptable;
    if (limit > 0 && input.size() > limit && input.size() > edit_->AcceptedLength()) return Invalid;
    return Acceptable;
  }

 private:
  LimitedEdit* edit_;
};

}  // namespace

LimitedEdit::LimitedEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new GrowthLimit(this));
  // the control has already taken the new text when it validates, so remember the old length
  connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { acceptedLength_ = int(t.size()); });
}

void LimitedEdit::setText(const QString& text) {
  settingByProgram_ = true;
  QLineEdit::setText(text);
  settingByProgram_ = false;
}

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  setObjectName(name);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 6, 2);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
    group_->addButton(b, i);
    row->addWidget(b);
  }
  group_->button(0)->setChecked(true);
  connect(group_, &QButtonGroup::idClicked, this, [this] { emit Clicked(); });
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (auto* b = group_->button(index)) b->setChecked(true);
}

TabControl::TabControl(int perRow, int rowHeight, QWidget* parent)
    : QWidget(parent),
      perRow_(perRow),
      rowHeight_(rowHeight),
      strip_(new QWidget(this)),
      group_(new QButtonGroup(this)) {
  group_->setExclusive(true);
  auto* grid = new QGridLayout(strip_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(1);
  for (int c = 0; c < perRow_; ++c) grid->setColumnStretch(c, 1);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) { emit Changed(id); });
}

int TabControl::StripHeight() const { return 2 * rowHeight_ + 4; }

void TabControl::resizeEvent(QResizeEvent*) {
  const int rows = buttons_.empty() ? 1 : (Count() + perRow_ - 1) / perRow_;
  strip_->setGeometry(0, 0, width(), rows * rowHeight_ + (rows - 1));
}

void TabControl::SetTabs(const QStringList& captions) {
  for (QWidget* b : buttons_) delete b;
  buttons_.clear();
  auto* grid = static_cast<QGridLayout*>(strip_->layout());
  for (int i = 0; i < captions.size(); ++i) {
    auto* b = new QToolButton(strip_);
    b->setText(captions[i]);
    b->setCheckable(true);
    b->setObjectName(QStringLiteral("UooTab_%1").arg(captions[i]));
    b->setAccessibleName(QStringLiteral("УОО %1").arg(captions[i]));
    b->setFixedHeight(rowHeight_);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    group_->addButton(b, i);
    grid->addWidget(b, i / perRow_, i % perRow_);
    buttons_.push_back(b);
  }
  if (!buttons_.empty()) static_cast<QToolButton*>(buttons_[0])->setChecked(true);
  resizeEvent(nullptr);
}

QWidget* TabControl::TabButton(int index) const {
  return index >= 0 && index < Count() ? buttons_[std::size_t(index)] : nullptr;
}

QString TabControl::TabText(int index) const {
  auto* b = static_cast<QToolButton*>(TabButton(index));
  return b ? b->text() : QString();
}

int TabControl::CurrentIndex() const { return group_->checkedId(); }

void TabControl::SetCurrentIndex(int index) {
  if (auto* b = group_->button(index)) b->setChecked(true);
}

GridModel::GridModel(int rows, QObject* parent)
    : QAbstractTableModel(parent), cells_(std::size_t(rows)) {}

void GridModel::SetHeaders(const QStringList& headers) {
  headers_ = headers;
  emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

void GridModel::SetCell(int row, int column, const QString& text) {
  QString& cell = cells_[std::size_t(row)][std::size_t(column)];
  if (cell == text) return;
  cell = text;
  if (filling_) return;
  const QModelIndex i = index(row, column);
  emit dataChanged(i, i, {Qt::DisplayRole});
}

void GridModel::BeginFill() {
  beginResetModel();
  filling_ = true;
}

void GridModel::EndFill() {
  filling_ = false;
  endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(cells_.size());
}
int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return Cell(index.row(), index.column());
  // the code column looks like the fixed column of the grid
  if (role == Qt::BackgroundRole && index.column() == 0)
    return QApplication::palette().brush(QPalette::Button);
  return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o == Qt::Horizontal && role == Qt::DisplayRole && section < headers_.size())
    return headers_[section];
  return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
