#pragma once
// The three colour dialogs: profile colours (133), no-stop colours (135) and
// statistics colours (137). Each edits a working copy of its colour set, shows
// it in a preview and, on OK, makes it current and writes the settings file.
#include <QColorDialog>
#include <QDialog>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/settings.h"

class QButtonGroup;
class QPainter;

namespace kelp {
// The colour sets the "Normale" button restores.
const ProfileColors& defaultProfileColors();
const NoStopColors& defaultNoStopColors();
const StatisticsColors& defaultStatisticsColors();
// Gives each colour set whose section is missing from the settings file the
// default colours above (so that a first start does not draw black on black).
void useDefaultColorsWhenUnset(const IniFile& ini, Settings& s);
}  // namespace kelp

// The colour picker, preset with one colour.
class CGetColor : public QColorDialog {
  Q_OBJECT
 public:
  CGetColor(kelp::Color initial, QWidget* parent = nullptr);
  kelp::Color color() const { return kelp::rgb(currentColor().red(), currentColor().green(), currentColor().blue()); }
};

// A plain area whose painting is handed to a function.
class CColorPreview : public QWidget {
  Q_OBJECT
 public:
  using Painter = std::function<void(QPainter&, const QRect&)>;
  CColorPreview(Painter painter, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Painter painter_;
};

// Radio group, "Imposta colori", "Normale", preview, OK and Cancel.
class CColorSetDlg : public QDialog {
  Q_OBJECT
 public:
  struct Entry {
    const char* label;  // radio text
    int index;          // entry of the colour set
  };

  // The entry chosen by the radio group.
  int selectedEntry() const;
  // Chooses the radio button of entry index.
  void selectEntry(int index);
  // Stores a colour into the chosen entry and repaints the preview.
  void setSelectedColor(kelp::Color c);
  kelp::Color workingColor(int index) const { return working_[index]; }
  // "Normale": the default set into the working copy.
  void restoreDefaults();

 protected:
  CColorSetDlg(const char* title, int id, std::vector<Entry> entries, std::vector<kelp::Color> working,
               std::vector<kelp::Color> defaults, QWidget* parent);
  // Adds a preview area below the radio group.
  CColorPreview* addPreview(CColorPreview::Painter painter, QSize minimum);
  // Adds a button beside "Imposta colori" and "Normale".
  class QPushButton* addButton(const QString& text, const char* name);
  void repaintPreviews();
  void chooseColor();
  std::vector<kelp::Color> working_;

 private:
  std::vector<Entry> entries_;
  std::vector<kelp::Color> defaults_;
  QButtonGroup* group_ = nullptr;
  class QVBoxLayout* previews_ = nullptr;
  class QHBoxLayout* buttons_ = nullptr;
  std::vector<QWidget*> previewWidgets_;
};

class CProfileColorsDlg : public CColorSetDlg {
  Q_OBJECT
 public:
  explicit CProfileColorsDlg(QWidget* parent = nullptr);
  kelp::ProfileColors working() const;
  // Colour scheme files: loading reads up to 32 bytes into the working copy.
  bool loadScheme(const std::string& path);
  bool saveScheme(const std::string& path) const;
  void accept() override;

 private:
  void onLoad();
  void onSave();
};

class CNoStopColorsDlg : public CColorSetDlg {
  Q_OBJECT
 public:
  explicit CNoStopColorsDlg(QWidget* parent = nullptr);
  kelp::NoStopColors working() const;
  void accept() override;
};

class CStatColorsDlg : public CColorSetDlg {
  Q_OBJECT
 public:
  explicit CStatColorsDlg(QWidget* parent = nullptr);
  kelp::StatisticsColors working() const;
  void accept() override;
};
