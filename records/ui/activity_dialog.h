#pragma once
// "Attività e qualificazioni" (dialog 183): the book of activities, edited in place.
#include "records/activity_book.h"
#include "records/ui/book_dialog.h"
#include "records/ui/entry_fields.h"

class QLabel;

class CActivityDlg : public CInPlaceBookDlg<kelp::ActivityEntry> {
  Q_OBJECT
 public:
  CActivityDlg(QWidget* parent, const std::string& path, std::vector<kelp::ActivityEntry> book);

 protected:
  QStringList rowTexts(const kelp::ActivityEntry& e) const override;
  std::string deleteQuestion(const kelp::ActivityEntry& e) const override;
  void showTotals() override;
  kelp::BookPrintout printout() const override;

 private:
  QLabel *m_theory = nullptr, *m_practice = nullptr, *m_total = nullptr;
};

// Command 32811, as the address book opens.
void openActivityBook(QWidget* parent);
