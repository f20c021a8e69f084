#pragma once
// "Crea profilo" (dialog 160): a profile drawn with the mouse for a dive without one, or a
// hand-made one redrawn; and "Salta immersione" (dialog 158): the minute at which the
// current dive is split. Both work on copies; the logbook changes only through the
// document's perform().
#include <QDialog>
#include <map>

#include "core/dive_record.h"

class QLabel;
class QLineEdit;
class QPushButton;
class CKelpDoc;
class CGraphArea;
class CGaugePanel;

class CProfileCreateDlg : public QDialog {
  Q_OBJECT
 public:
  CProfileCreateDlg(CKelpDoc& doc, QWidget* parent = nullptr);

  const kelp::DiveRecord& working() const { return m_work; }
  int cursorIndex() const { return m_cursor; }
  // A mouse move (with the left button: drawing) or press over the graph.
  void mouseAt(const QPoint& graphPos, bool leftButton);
  QString text(int id) const;
  CGraphArea* graph() const { return m_graph; }
  QPushButton* button(int id) const;
  // The y maximum of the graph (metres or feet).
  double yMax() const { return m_yMax; }

 private:
  void build();
  void refreshTexts();
  void updateCursor();
  void updateButtons();
  void onSave();
  void onRemoveProfile();
  void onDeco92();

  CKelpDoc& m_doc;
  int m_position = 0;
  bool m_storedProfile = false;
  kelp::DiveRecord m_work;
  int m_cursor = 0;
  double m_yMax = 0;
  CGraphArea* m_graph = nullptr;
  CGaugePanel* m_gauges = nullptr;
  std::map<int, QLabel*> m_texts;
  std::map<int, QPushButton*> m_buttons;
};

class CSplitDlg : public QDialog {
  Q_OBJECT
 public:
  CSplitDlg(CKelpDoc& doc, QWidget* parent = nullptr);

  // The chosen split minute (0 = none).
  int minute() const { return m_minute; }
  int cursorIndex() const { return m_cursor; }
  double chosenDepth() const { return m_depth; }
  // Whether the minute field shows green (the split can be made there).
  bool splitPossible() const;
  void mouseAt(const QPoint& graphPos);
  void clickAt(const QPoint& graphPos);
  CGraphArea* graph() const { return m_graph; }
  QLineEdit* minuteField() const { return m_field; }

 private:
  const kelp::DiveRecord& dive() const;
  void showMinute();

  CKelpDoc& m_doc;
  int m_position = 0;
  int m_minute = 0;
  int m_cursor = 0;
  double m_depth = 0;
  CGraphArea* m_graph = nullptr;
  QLineEdit* m_field = nullptr;
};
