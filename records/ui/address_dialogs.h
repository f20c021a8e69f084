#pragma once
// "Indirizzi compagni" (dialog 148), the list of buddy addresses, and "Modifica Indirizzo"
// (dialog 149), one address.
#include <map>

#include "records/address_book.h"
#include "records/ui/book_dialog.h"

class QLineEdit;

class CAddressDlg : public QDialog {
  Q_OBJECT
 public:
  CAddressDlg(QWidget* parent, const kelp::BuddyAddress& a);
  // The address as the fields hold it (stored form, each cut to its field).
  kelp::BuddyAddress address() const;

 private:
  kelp::BuddyAddress m_address;
  std::map<int, QLineEdit*> m_edits;
};

class CAddressBookDlg : public CRecordBookDlg<kelp::BuddyAddress> {
  Q_OBJECT
 public:
  // Opens on a file already read (see openAddressBook).
  CAddressBookDlg(QWidget* parent, const std::string& path, std::vector<kelp::BuddyAddress> book);
  using CRecordBookDlg::editSelected;

 protected:
  QStringList rowTexts(const kelp::BuddyAddress& a) const override;
  std::string deleteQuestion(const kelp::BuddyAddress& a) const override;
  bool runEditor(kelp::BuddyAddress& a) override;  // dialog 149
  kelp::BookPrintout printout() const override;
};

// Command 32792: the file of the setting when it exists, else a file chosen by the user;
// an unreadable file is reported and not opened (the user may choose another one).
void openAddressBook(QWidget* parent);
