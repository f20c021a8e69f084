#pragma once
// "Attività e qualificazioni" (dialog 183): the book of activities, edited in place.
#include "records/activity_book.h"
#include "records/ui/book_dialog.h"
#include "records/ui/entry_fields.h"

class QLabel;

class CActivityDlg : public CBookDlg {
  Q_OBJECT
 public:
  CActivityDlg(QWidget* parent, const std::string& path, std::vector<kelp::ActivityEntry> book);
  bool isModified() const override { return m_book.modified; }
  const kelp::BookList<kelp::ActivityEntry>& book() const { return m_book; }

  void addNew();
  void deleteSelected();
  void sortBook();

 protected:
  void updateButtons() override;
  kelp::Result saveBook() override;
  kelp::BookPrintout printout() const override;
  bool openFile(const std::string& path) override;
  void commitEdits() override { m_fields.checkDates(); }

 private:
  void fillList();
  void setRow(int i);
  void onSelectionChanged();
  void onFieldChanged(int id);
  void showTotals();
  kelp::BookList<kelp::ActivityEntry> m_book;
  EntryFields<kelp::ActivityEntry> m_fields;
  QLabel *m_theory = nullptr, *m_practice = nullptr, *m_total = nullptr;
  bool m_syncing = false;
};

// Command 32811, as the address book opens.
void openActivityBook(QWidget* parent);
