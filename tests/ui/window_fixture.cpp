#include "tests/ui/window_fixture.h"

#include <QTableView>
#include <QTest>

void WindowTest::ClickRow(int row) {
  QTableView* grid = form->SetsGrid;
  const QModelIndex index = grid->model()->index(TForm1::SlotOfRow(row), 1);
  grid->scrollTo(index);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

void WindowTest::ClickUooTab(int index) {
  form->PageControl2->setCurrentIndex(1);
  QWidget* tab = form->UooTab->TabButton(index);
  ASSERT_NE(tab, nullptr);
  QTest::mouseClick(tab, Qt::LeftButton);
}
