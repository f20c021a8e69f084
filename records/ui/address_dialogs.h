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

class CAddressBookDlg : public CBookDlg {
  Q_OBJECT
 public:
  // Opens on a file already read (see openAddressBook).
  CAddressBookDlg(QWidget* parent, const std::string& path, std::vector<kelp::BuddyAddress> book);
  bool isModified() const override { return m_book.modified; }
  const kelp::BookList<kelp::BuddyAddress>& book() const { return m_book; }

  // The buttons' actions (also reached through the buttons by id).
  void editSelected();
  void addNew();
  void deleteSelected();
  void sortBook();

 protected:
  void updateButtons() override;
  kelp::Result saveBook() override;
  kelp::BookPrintout printout() const override;
  bool openFile(const std::string& path) override;

 private:
  void fillList();
  QStringList rowTexts(const kelp::BuddyAddress& a) const;
  kelp::BookList<kelp::BuddyAddress> m_book;
  bool m_syncing = false;  // the list is being rebuilt: its selection follows the book
};

// Command 32792: the file of the setting when it exists, else a file chosen by the user;
// an unreadable file is reported and not opened (the user may choose another one).
void openAddressBook(QWidget* parent);
