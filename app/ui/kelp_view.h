#pragma once
// The main form view: the current dive as labelled read-only fields, the list
// of all dives, the notes and a small preview of the dive profile.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <map>

#include "core/logbook.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QAbstractButton;
class QMenu;

class CKelpView : public QWidget {
  Q_OBJECT
 public:
  explicit CKelpView(kelp::Logbook& logbook, QWidget* parent = nullptr);
  ~CKelpView() override;

  void onUpdate();              // after any Logbook change (reads and clears the change flags)
  void fillForm();              // data exchange: show the current dive
  void goToDive(int n);
  void setLayoutChanged();      // "Anteprima profilo" toggled: lay out again
  bool bigPreview() const;

  // Redraws the profile preview now (no-op while "Profilvorschau" is off).
  void drawPreview();
  // Rebuilds every line of the dive list and the unit labels.
  void rebuildList();
  // Sets the unit labels for the current unit system.
  void setUnitLabels();

  // The equipment check at start sets this when a service is due; the view
  // shows the message once, at its next paint.
  static void setDueService(bool due);
  static bool dueService();

  // --- for printing, tests and screenshots ---
  QPixmap previewPixmap() const { return m_preview; }
  QListWidget* diveList() const { return m_list; }
  QAbstractButton* previewButton() const { return m_previewButton; }
  // Text of the value control with the given id ("" for an unknown id).
  QString fieldText(int controlId) const;
  // The context menu (built once, shown on right click).
  QMenu* contextMenu() const { return m_menu; }

 signals:
  void commandRequested(int commandId);  // context menu, double clicks -> CMainFrame handles the id
  void profileWindowRequested();         // click on the preview control 1066
  void dueServiceShown();

 public:
  // Smallest size at which every field, the notes and the preview stay reachable;
  // the main window scrolls the view below it.
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void buildForm();
  void layoutControls();
  void setField(int id, const QString& text);
  void setProfileKindColour(const kelp::DiveRecord& r);
  void updateWeightRow();
  void showLine(int position);
  void onListRowChanged(int row);
  void onListDoubleClicked(QListWidgetItem* item);
  void onPreviewClicked();
  QString lineText(int position) const;

  kelp::Logbook& m_log;
  QListWidget* m_list = nullptr;
  QPlainTextEdit* m_notes = nullptr;
  QAbstractButton* m_previewButton = nullptr;
  QWidget* m_form = nullptr;
  QMenu* m_menu = nullptr;
  QLabel* m_profileKind = nullptr;
  QLabel* m_computerType = nullptr;
  std::map<int, QLineEdit*> m_fields;     // value controls by id
  std::map<int, QLabel*> m_units;         // unit labels by id (1360..1385)
  std::map<int, QWidget*> m_weightRow;    // 1069, 1368, 1429
  QPixmap m_preview;
  bool m_previewDirty = true;
  bool m_layoutChanged = false;
  bool m_bigPreview = false;
  bool m_filling = false;
  static bool s_dueService;
};
