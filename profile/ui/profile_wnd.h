#pragma once
// The profile window "Profilo immersione" (dialog 138) and its data window "Dati
// immersione" (dialog 153). The window reads the current dive from the logbook on demand;
// the graph and the strip are kept in pixmaps, and a mouse move redraws only the
// crosshair, the bars, the gauges and the cursor texts.
#include <QDialog>
#include <map>

#include "core/logbook.h"
#include "core/settings.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class CKelpDoc;
class CGraphArea;
class CGaugePanel;
class CBarChart;

// Places a window from a saved placement when positions are kept and it holds one.
void restoreWindowPlacement(QWidget* w, const kelp::WindowPlacement& p);
// The window's normal rectangle as a placement (left, top, right, bottom).
kelp::WindowPlacement windowPlacementOf(const QWidget* w, bool withMaximized);

class CDisplWindow : public QDialog {
  Q_OBJECT
 public:
  explicit CDisplWindow(QWidget* parent = nullptr);
  ~CDisplWindow() override;
  // Shows the texts of a dive (an initialised record shows empty fields).
  void showDive(const kelp::DiveRecord& r);
  QString fieldText(int id) const;

 private:
  void setField(int id, const std::string& utf8);
  std::map<int, QLineEdit*> m_fields;
  std::map<int, QLabel*> m_units;
};

class CProfileWnd : public QDialog {
  Q_OBJECT
 public:
  CProfileWnd(CKelpDoc& doc, QWidget* parent = nullptr);
  ~CProfileWnd() override;

  // The current dive of the logbook (an initialised record when there is none).
  const kelp::DiveRecord& dive() const;
  int cursorIndex() const { return m_cursor; }
  // A mouse position over the graph, as a move of the mouse brings it.
  void mouseMovedTo(const QPoint& graphPos);
  // Makes the dive at a 1-based position current, as a selection in the list does.
  void selectDive(int position);
  // Text of a value control of the window (dive texts 1042..1058, cursor texts 1146..1149).
  QString text(int id) const;

  CGraphArea* graph() const { return m_graph; }
  CGraphArea* strip() const { return m_strip; }
  CGaugePanel* gauges() const { return m_gauges; }
  CBarChart* bars() const { return m_bars; }
  QListWidget* diveList() const { return m_list; }
  CDisplWindow* dataWindow() const { return m_data; }
  QPushButton* button(int id) const;

 signals:
  void currentDiveChanged();  // the main window shows the new current dive
  void colorsChanged();       // the main window repaints its preview

 public slots:
  void done(int r) override;

 private:
  void buildControls();
  void fillList();
  void onListRow(int row);
  void onGraphMouse(const QPoint& pos);
  void refreshDive();     // texts, readout, pictures after the dive changed
  void updateCursor();    // bars, gauges and cursor texts
  void updateButtons();
  void setUnitLabels();
  void showDataWindow(bool on);
  void onCopy();
  void onPaste();
  void onCut();
  void onColors();
  void onDeco92();
  void storePlacement();

  CKelpDoc& m_doc;
  kelp::Logbook& m_log;
  QListWidget* m_list = nullptr;
  CGraphArea* m_graph = nullptr;
  CGraphArea* m_strip = nullptr;
  CGaugePanel* m_gauges = nullptr;
  CBarChart* m_bars = nullptr;
  QLabel* m_pressureCaption = nullptr;
  std::map<int, QLabel*> m_texts;  // value controls by id
  std::map<int, QLabel*> m_units;  // unit labels by the id of their value
  std::map<int, QPushButton*> m_buttons;
  CDisplWindow* m_data = nullptr;
  int m_cursor = 0;
  bool m_averageLine = false;
  bool m_filling = false;
};
