#pragma once
// Printed pages. Everything Kelp prints is a PageSource: a page count and a painter for each
// page. The print job (profile/ui/print_job.h) runs a source through the system print dialog,
// the print preview or into a PDF file; writePdf() below does the last without any window
// (kelp-cli). Page painters live in <area>/ui/print/ and need QtGui alone (no widgets), so that
// kelp-cli can link them.
//
// Coordinates: a painter draws in tenths of a millimetre (mm(25) == 250) from the top-left
// corner of the printable area, y growing downwards; PageArea is the printable area in the same
// units. The device runs at kPrintDpi, so these units are its pixels and QFont point sizes come
// out true on paper: take fonts from printFont() ("Arial" or "Times New Roman").
//
// Page furniture shared by every printed page: drawPageHeader() (centred title, optional
// subtitle, line under it) and drawPageFooter() ("Ausgedruckt am: ..." under a line at the bottom).
//
// Print kinds (the source of a print job): 0 the logbook's own pages, 1 owner and certifications,
// 2 equipment, 3 buddy addresses, 4 trips, 5 the dive calculator, 6 activities, 7 statistics.
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <cstdint>
#include <string>

#include "core/logbook.h"

class QPainter;
class QPagedPaintDevice;

namespace kelp::print {

enum PrintKind : int {
  kKindLogbook = 0,
  kKindOwner = 1,
  kKindEquipment = 2,
  kKindAddresses = 3,
  kKindTrips = 4,
  kKindCalculator = 5,
  kKindActivities = 6,
  kKindStatistics = 7,
};

// Device resolution of every print: one pixel is a tenth of a millimetre.
inline constexpr int kPrintDpi = 254;
// Millimetres to painter units (tenths of a millimetre), truncated.
constexpr int mm(double millimetres) { return static_cast<int>(millimetres * 10); }

// The printable area of a page, in tenths of a millimetre.
struct PageArea {
  int width = 0;
  int height = 0;
};

class PageSource {
 public:
  virtual ~PageSource() = default;
  // The print kind (see above).
  virtual int kind() const = 0;
  // Name of the document in the printer queue and the PDF title.
  virtual QString title() const { return QStringLiteral("Kelp"); }
  // Number of pages on this printable area; 0 prints nothing.
  virtual int pageCount(const PageArea& area) = 0;
  // Paints page `index` (0-based, below pageCount(area)). The painter comes clean: black pen,
  // no brush, printFont(Sans, 9), origin at the top-left of the printable area.
  virtual void paintPage(QPainter& p, const PageArea& area, int index) = 0;
};

enum class Face { Sans, Serif };  // "Arial", "Times New Roman"
QFont printFont(Face face, double points, bool bold = false);

// Writes text with its top edge at `top`. x is the left edge (AlignLeft), the right edge
// (AlignRight) or the centre (AlignHCenter); a maxWidth above 0 elides longer texts with "...".
void drawText(QPainter& p, int x, int top, const QString& text, Qt::Alignment align = Qt::AlignLeft,
              int maxWidth = 0);
inline void drawText(QPainter& p, int x, int top, const std::string& utf8,
                     Qt::Alignment align = Qt::AlignLeft, int maxWidth = 0) {
  drawText(p, x, top, QString::fromStdString(utf8), align, maxWidth);
}
// Height of a line of text in the painter's current font.
int lineHeight(const QPainter& p);

// Page header: the title in 22-point and the subtitle (when not empty) in 14-point
// "Times New Roman", centred, from 10 mm below the top, with a line under them.
// Returns the first y below the line.
int drawPageHeader(QPainter& p, const PageArea& area, const QString& title,
                   const QString& subtitle = {});
// Page footer: a line across and, at x = 10 mm in 6-point "Arial", "Ausgedruckt am: %s" with
// the date `today` (day number), or "<%s> Ausgedruckt am: %s" with the logbook's file name first
// when logbookPath is not empty.
void drawPageFooter(QPainter& p, const PageArea& area, const std::string& logbookPath,
                    int32_t today);
// Top of the footer: the lowest y a page body may use.
int footerTop(const PageArea& area);

// The page layout of a new print: portrait A4 (or another size), 5 mm margins.
QPageLayout defaultPageLayout(QPageSize::PageSizeId size = QPageSize::A4);
// The printable area of a page layout.
PageArea pageArea(const QPageLayout& layout);

// Paints pages from..to (1-based; to 0 = up to the last) of src on dev, which must run at
// kPrintDpi and have its page layout set. Returns the number of pages painted, -1 when the
// device cannot be painted on.
int renderPages(PageSource& src, QPagedPaintDevice& dev, int from = 1, int to = 0);

// Writes every page of src into a PDF file (a temporary file renamed into place). The text
// is real text. Needs a QGuiApplication (kelp-cli makes an offscreen one). A source without
// pages is an error, and so is a file that cannot be written (the message names it).
Result writePdf(PageSource& src, const std::string& path,
                const QPageLayout& layout = defaultPageLayout());

}  // namespace kelp::print
