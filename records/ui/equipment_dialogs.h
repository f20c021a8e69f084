#pragma once
// "Attrezzatura" (dialog 144), the equipment list; dialog 146, one item; "Costo
// attrezzatura" (dialog 147), the costs per category.
#include <map>

#include "records/equipment_book.h"
#include "records/ui/book_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class CEquipmentItemDlg : public QDialog {
  Q_OBJECT
 public:
  CEquipmentItemDlg(QWidget* parent, const kelp::EquipmentItem& item);
  // OK: months must be 0..12 and years 0..9999; the prices are read with "%f".
  void accept() override;
  kelp::EquipmentItem item() const { return m_item; }

 private:
  bool readBack();
  kelp::EquipmentItem m_item;
  std::map<int, QLineEdit*> m_edits;
  QRadioButton* m_category[kelp::EQUIPMENT_CATEGORIES] = {};
  QCheckBox* m_remind = nullptr;
};

class CEquipmentCostDlg : public QDialog {
  Q_OBJECT
 public:
  CEquipmentCostDlg(QWidget* parent, const std::vector<kelp::EquipmentItem>& book);
  // Text of a cell: row 0..7 the categories, 8 the totals; column 0 count, 1 purchase,
  // 2 service, 3 total.
  QString cellText(int row, int column) const;

 private:
  void recompute();
  const std::vector<kelp::EquipmentItem>& m_book;
  std::vector<std::string> m_users;
  QComboBox* m_user = nullptr;
  QLabel* m_cells[kelp::EQUIPMENT_CATEGORIES + 1][4] = {};
};

class CEquipmentDlg : public CRecordBookDlg<kelp::EquipmentItem> {
  Q_OBJECT
 public:
  CEquipmentDlg(QWidget* parent, const std::string& path, std::vector<kelp::EquipmentItem> book);
  using CRecordBookDlg::editSelected;
  // "Costi" (4): dialog 147 over the book.
  void showCosts();

 protected:
  QStringList rowTexts(const kelp::EquipmentItem& e) const override;
  std::string deleteQuestion(const kelp::EquipmentItem& e) const override;
  bool runEditor(kelp::EquipmentItem& e) override;  // dialog 146
  kelp::BookPrintout printout() const override;
};

// Command 32785, as the address book opens.
void openEquipmentBook(QWidget* parent);
