#include "profile/ui/print/logbook_pages.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "core/computer_models.h"
#include "core/strings.h"
#include "core/texts.h"
#include "profile/ui/profile_plot.h"

namespace kelp::print {
namespace {

constexpr int kStringLogbook = 62609;

const QColor kDecoRed(255, 0, 0);
const QColor kCurveBlue(0, 0, 255);
const QColor kWarning(128, 0, 64);
const QColor kRadio(255, 192, 0);

QString q(const std::string& s) { return QString::fromStdString(s); }
QString label(const char* text) {
  return QCoreApplication::translate("LogbookPages", text) + QLatin1Char(':');
}

std::string stored(const char* field, size_t size) {
  size_t n = 0;
  while (n < size && field[n]) ++n;
  return storedToUtf8(std::string(field, n));
}
template <size_t N> std::string stored(const char (&field)[N]) { return stored(field, N); }

// One labelled value of a slot row.
struct Cell {
  const char* label;
  int labelX;
  int valueX;
  int unitX;        // 0: no unit
  Quantity unit;
  int valueRight;   // the value is cut short of this x
};

void hline(QPainter& p, int y, int x1 = slot_x::kFrameLeft, int x2 = slot_x::kFrameRight) {
  p.drawLine(x1, y, x2, y);
}

}  // namespace

LogbookPages::LogbookPages(const Logbook& lb, PrintMode mode, SlotOption option,
                           std::optional<PrintRange> range, bool separator, int32_t today)
    : lb_(lb), mode_(mode), option_(option), range_(range), separator_(separator), today_(today) {
  // Positions outside the logbook print nothing.
  if (range_ && (range_->first < 1 || range_->last > lb_.diveCount() || range_->first > range_->last))
    range_.reset();
}

std::string LogbookPages::logbookName() const {
  const size_t slash = lb_.path.find_last_of('/');
  return slash == std::string::npos ? lb_.path : lb_.path.substr(slash + 1);
}

// The footer names the logbook's file only when it has one (a new logbook has a default name).
std::string LogbookPages::footerPath() const {
  return lb_.path.find('/') == std::string::npos ? std::string() : lb_.path;
}

QString LogbookPages::title() const {
  const std::string name = logbookName();
  return name.empty() ? q(str(kStringLogbook)) : q(name);
}

int LogbookPages::pageCount(const PageArea& area) {
  if (lb_.diveCount() == 0) return 0;
  switch (mode_) {
    case PrintMode::Cover: return 1;
    case PrintMode::List: return range_ ? listPageCount(range_->count(), area.height) : 0;
    case PrintMode::Dives: return range_ ? divePageCount(*range_) : 0;
  }
  return 0;
}

void LogbookPages::paintPage(QPainter& p, const PageArea& area, int index) {
  switch (mode_) {
    case PrintMode::Cover: paintCover(p, area); break;
    case PrintMode::List: paintListPage(p, area, index); break;
    case PrintMode::Dives: paintDivePage(p, area, index); break;
  }
}

// ---- dive pages ----

void LogbookPages::paintDivePage(QPainter& p, const PageArea& area, int index) const {
  if (!range_) return;
  const DivePage page = divePage(*range_, index);
  const int height = diveSlotHeight(area.height);
  if (page.upper) paintSlot(p, lb_.dives()[static_cast<size_t>(page.upper - 1)], kUpperSlotTop, height);
  if (page.lower)
    paintSlot(p, lb_.dives()[static_cast<size_t>(page.lower - 1)], lowerSlotTop(area.height), height);
  if (separator_) {
    p.save();
    p.setPen(QPen(Qt::black, 2, Qt::DashLine));
    p.drawLine(0, separatorY(area.height), area.width, separatorY(area.height));
    p.restore();
  }
  drawPageFooter(p, area, footerPath(), today_);
}

void LogbookPages::paintSlot(QPainter& p, const DiveRecord& r, int top, int height) const {
  using namespace slot_x;
  const DiveSlotLayout l = diveSlotLayout(top, height);
  p.save();
  p.setPen(QPen(Qt::black, 4));
  p.drawRect(kFrameLeft, l.top, kFrameRight - kFrameLeft, l.bottom - l.top);
  p.setPen(QPen(Qt::black, 2));
  p.setFont(printFont(Face::Sans, 9, true));
  const bool values = option_ != SlotOption::LinesOnly;
  const QString number = values ? label(QT_TRANSLATE_NOOP("LogbookPages", "Numero imm")) + QLatin1Char(' ') +
                                      QString::number(r.diveNumber)
                                : label(QT_TRANSLATE_NOOP("LogbookPages", "Numero imm"));
  drawText(p, kLabel, l.headerText, number);
  if (values)
    drawText(p, kNameRight, l.headerText, QStringLiteral("<%1>").arg(q(logbookName())), Qt::AlignRight,
             kNameRight - kMidLabel);
  hline(p, l.lines[0]);

  if (option_ == SlotOption::Profile) {
    p.restore();
    paintPrintedProfile(p, r, kFrameLeft, l.lines[0] + 40, kProfileRight, l.bottom - 30);
    return;
  }

  paintEmptyForm(p, l);
  if (values) {
    paintValues(p, r, l);
    paintNotes(p, r, l);
  }
  p.restore();
  if (values) paintPrintedProfile(p, r, kProfileLeft, l.profileTop, kProfileRight, l.profileBottom);
}

namespace {

// Rows 1..11: left, middle and right cells (label 0 = none).
struct RowCells {
  Cell left, mid, right;
};

const RowCells* slotRows() {
  using namespace slot_x;
  constexpr int kEnd = kNameRight;
  static const RowCells rows[DiveSlotLayout::kRows] = {
      {{QT_TRANSLATE_NOOP("LogbookPages", "Data"), kLabel, kValueTop, 0, Quantity::Depth, kMidLabel - 20},
       {QT_TRANSLATE_NOOP("LogbookPages", "Ora"), kMidLabel, kMidValueTop, 0, Quantity::Depth,
        kRightLabel - 20},
       {QT_TRANSLATE_NOOP("LogbookPages", "Intervalli"), kRightLabel, kRightValue, 0, Quantity::Depth, kEnd}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Località"), kLabel, kValueTop, 0, Quantity::Depth, kMidLabel - 20},
       {QT_TRANSLATE_NOOP("LogbookPages", "Luogo"), kMidLabel, kMidValueTop, 0, Quantity::Depth, kEnd},
       {nullptr, 0, 0, 0, Quantity::Depth, 0}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Altitudine"), kLabel, kValue, 0, Quantity::Depth, kMidLabel - 20},
       {QT_TRANSLATE_NOOP("LogbookPages", "Temperatura aria"), kMidLabel, kMidValue, kMidUnit,
        Quantity::Temperature, kMidUnit - 10},
       {nullptr, 0, 0, 0, Quantity::Depth, 0}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Meteo"), kLabel, kValue, 0, Quantity::Depth, kMidLabel - 20},
       {QT_TRANSLATE_NOOP("LogbookPages", "Temperatura min"), kMidLabel, kMidValue, kMidUnit,
        Quantity::Temperature, kMidUnit - 10},
       {nullptr, 0, 0, 0, Quantity::Depth, 0}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Muta"), kLabel, kValue, 0, Quantity::Depth, kMidLabel - 20},
       {QT_TRANSLATE_NOOP("LogbookPages", "Litri bombola"), kMidLabel, kMidValue, kMidUnit, Quantity::Volume,
        kMidUnit - 10},
       {nullptr, 0, 0, 0, Quantity::Depth, 0}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Prof max"), kLabel, kValue, kUnit, Quantity::Depth, kUnit - 10},
       {QT_TRANSLATE_NOOP("LogbookPages", "Tempo imm"), kMidLabel, kMidValue, 0, Quantity::Depth, kEnd},
       {nullptr, 0, 0, 0, Quantity::Depth, 0}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Consumo aria"), kLabel, kValue, kUnit, Quantity::Pressure,
        kUnit - 10},
       {QT_TRANSLATE_NOOP("LogbookPages", "Consumo aria."), kMidLabel, kMidValue, kMidUnit,
        Quantity::AirConsumption, kMidUnit - 10},
       {nullptr, 0, 0, 0, Quantity::Depth, 0}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Tipo imm"), kLabel, kValue, 0, Quantity::Depth, kEnd}, {}, {}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Attività"), kLabel, kValue, 0, Quantity::Depth, kEnd}, {}, {}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Allarmi"), kLabel, kValue, 0, Quantity::Depth, kEnd}, {}, {}},
      {{QT_TRANSLATE_NOOP("LogbookPages", "Compagno"), kLabel, kValue, 0, Quantity::Depth, kEnd}, {}, {}},
  };
  return rows;
}

// The value texts of rows 1..11 in cell order (left, middle, right).
void rowValues(const DiveRecord& r, int row, std::string out[3]) {
  switch (row) {
    case 0:
      out[0] = formatDateLong(r.date);
      out[1] = formatMinutes(r.timeOfDay);
      out[2] = formatMinutes(r.surfaceInterval);
      break;
    case 1:
      out[0] = stored(r.location);
      out[1] = stored(r.site);
      break;
    case 2:
      out[0] = altitudeText(r.altitudeClass);
      out[1] = formatAirTemperature(r.airTemperature);
      break;
    case 3:
      out[0] = weatherText(r.weather);
      out[1] = formatWaterTemperature(r.minWaterTemperature);
      break;
    case 4:
      out[0] = suitText(r.suit);
      out[1] = formatTankSize(r.tankSize);
      break;
    case 5:
      out[0] = formatMaxDepth(r);
      out[1] = formatMinutes(r.diveTime);
      break;
    case 6:
      out[0] = formatPressure(r.airConsumed);
      out[1] = formatSac(r.sac);
      break;
    case 7: out[0] = diveTypeText(r); break;
    case 8: out[0] = activitiesText(r); break;
    case 9: out[0] = warningsText(r); break;
    case 10: out[0] = stored(r.buddies); break;
    default: break;
  }
}

}  // namespace

void LogbookPages::paintEmptyForm(QPainter& p, const DiveSlotLayout& l) const {
  using namespace slot_x;
  p.setFont(printFont(Face::Sans, 9));
  const RowCells* rows = slotRows();
  for (int i = 0; i < DiveSlotLayout::kRows; ++i) {
    for (const Cell* c : {&rows[i].left, &rows[i].mid, &rows[i].right}) {
      if (!c->label) continue;
      drawText(p, c->labelX, l.rowText[i], label(c->label));
      if (c->unitX) drawText(p, c->unitX, l.rowText[i], unitLabel(c->unit));
    }
  }
  for (int k = 1; k < 4; ++k) hline(p, l.lines[k]);
  // Notes and signature on the left, the profile's room on the right.
  p.drawLine(kNotesRight, l.lines[3], kNotesRight, l.bottom);
  hline(p, l.signatureLine, kFrameLeft, kNotesRight);
  drawText(p, kLabel, l.signatureText, QCoreApplication::translate("LogbookPages", "Firma/Timbro:"));
}

void LogbookPages::paintValues(QPainter& p, const DiveRecord& r, const DiveSlotLayout& l) const {
  using namespace slot_x;
  p.setFont(printFont(Face::Sans, 9));
  const RowCells* rows = slotRows();
  // The computer type stands at the right edge of the last row; the buddies stop short of it.
  const QString computer = r.computerType ? q(computerDisplayName(r.computerType)) : QString();
  const int computerWidth = computer.isEmpty() ? 0 : p.fontMetrics().horizontalAdvance(computer) + 30;
  drawText(p, kRightEdge, l.rowText[10], computer, Qt::AlignRight, kRightEdge - kMidLabel);
  for (int i = 0; i < DiveSlotLayout::kRows; ++i) {
    std::string v[3];
    rowValues(r, i, v);
    const Cell* cells[3] = {&rows[i].left, &rows[i].mid, &rows[i].right};
    for (int k = 0; k < 3; ++k) {
      const Cell& c = *cells[k];
      if (!c.label || v[k].empty()) continue;
      int right = c.valueRight;
      if (i == 10) right = std::max(c.valueX + 100, kRightEdge - computerWidth);
      drawText(p, c.valueX, l.rowText[i], q(v[k]), Qt::AlignLeft, right - c.valueX);
    }
  }
}

void LogbookPages::paintNotes(QPainter& p, const DiveRecord& r, const DiveSlotLayout& l) const {
  using namespace slot_x;
  QString text = q(formatNotes(r)).trimmed();
  if (text.isEmpty()) return;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QChar::LineSeparator);
  const QFont font = printFont(Face::Sans, 8);
  p.setFont(font);
  const int width = kNotesRight - 30 - kLabel;
  const int bottom = l.signatureLine - 10;
  QTextLayout layout(text, font, p.device());
  QTextOption opt;
  opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(opt);
  layout.beginLayout();
  // Whole lines only, as many as the room above the signature takes.
  qreal y = 0;
  int shown = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (l.notesTop + y + line.height() > bottom) break;
    line.setPosition(QPointF(0, y));
    y += line.height();
    ++shown;
  }
  layout.endLayout();
  for (int i = 0; i < shown; ++i) layout.lineAt(i).draw(&p, QPointF(kLabel, l.notesTop));
}

void paintPrintedProfile(QPainter& p, const DiveRecord& r, int left, int top, int right, int bottom) {
  if (r.profileLength == 0 || r.sampleCount <= 0) return;
  const ProfileBoxes b = printedProfileBoxes(left, top, right, bottom);
  const int points = std::clamp<int>(r.sampleCount + 1, 0, MAX_SAMPLES);
  const bool fiveLanes = computerModels().airIntegrated(r.computerType);
  p.save();
  // Paper's upward axis: y grows upwards from the top edge, so the plotter gets negative heights.
  p.scale(1, -1);
  CProfilePlot plot;
  plot.setFrame(Qt::black, Qt::black, b.left, -b.depthTop, b.right - b.left, -(b.depthBottom - b.depthTop));
  plot.setDiveRanges(r);
  plot.drawTimeAxes(p, points, true);
  plot.drawDecoLine(p, kDecoRed, r.samples, points, 3);
  plot.drawSampleCurve(p, kCurveBlue, kWarning, 4, r.samples, points);

  CProfilePlot lanes;
  lanes.setFrame(Qt::black, Qt::black, b.left, -b.lanesTop, b.right - b.left, -(b.lanesBottom - b.lanesTop));
  lanes.setRanges(0, r.sampleCount, 0, 1);
  lanes.drawLaneAxes(p, points, fiveLanes);
  lanes.drawWarningLanes(p, kWarning, kRadio, 4, r.samples, points, fiveLanes);
  p.restore();
}

// ---- dive list ----

void LogbookPages::paintListPage(QPainter& p, const PageArea& area, int index) const {
  using namespace list_x;
  if (!range_) return;
  drawPageHeader(p, area, QCoreApplication::translate("LogbookPages", "Lista imm"));
  p.setFont(printFont(Face::Sans, 10, true));
  drawText(p, kNumberRight, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Imm-N°."),
           Qt::AlignRight);
  drawText(p, kDate, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Data"));
  drawText(p, kTime, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Ora"));
  drawText(p, kLocation, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Località"));
  drawText(p, kSite, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Luogo"));
  drawText(p, kDiveTimeRight, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Tempo imm"),
           Qt::AlignRight);
  drawText(p, kDepthRight, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Prof"),
           Qt::AlignRight);
  drawText(p, kBuddies, kListHeadingTop, QCoreApplication::translate("LogbookPages", "Compagno"));
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(mm(5), kListFirstRowTop - 12, area.width - mm(5), kListFirstRowTop - 12);

  p.setFont(printFont(Face::Sans, 9));
  const PrintRange rows = listPage(*range_, index, area.height);
  int y = kListFirstRowTop;
  for (int pos = rows.first; pos <= rows.last; ++pos, y += kListRowHeight) {
    const DiveRecord& r = lb_.dives()[static_cast<size_t>(pos - 1)];
    drawText(p, kNumberRight, y, QString::number(r.diveNumber), Qt::AlignRight);
    drawText(p, kDate, y, formatDateShort(r.date), Qt::AlignLeft, kTime - kDate - 10);
    drawText(p, kTime, y, formatMinutes(r.timeOfDay), Qt::AlignLeft, kLocation - kTime - 10);
    drawText(p, kLocation, y, stored(r.location), Qt::AlignLeft, kSite - kLocation - 20);
    drawText(p, kSite, y, stored(r.site), Qt::AlignLeft, kDiveTimeRight - 150 - kSite);
    drawText(p, kDiveTimeRight, y, formatMinutes(r.diveTime), Qt::AlignRight);
    drawText(p, kDepthRight, y, formatMaxDepth(r), Qt::AlignRight);
    drawText(p, kBuddies, y, stored(r.buddies), Qt::AlignLeft, area.width - mm(5) - kBuddies);
  }
  drawPageFooter(p, area, footerPath(), today_);
}

// ---- cover ----

void LogbookPages::paintCover(QPainter& p, const PageArea& area) const {
  p.save();
  p.setPen(QPen(Qt::black, 6));
  p.drawRect(mm(10), mm(10), area.width - mm(20), area.height - mm(20));
  p.setPen(QPen(Qt::black, 2));
  p.drawRect(mm(13), mm(13), area.width - mm(26), area.height - mm(26));
  p.setFont(printFont(Face::Serif, 50));
  int y = area.height * 3 / 10;
  drawText(p, area.width / 2, y, q(str(kStringLogbook)), Qt::AlignHCenter);
  y += lineHeight(p) + mm(15);
  p.setFont(printFont(Face::Serif, 14));
  for (const std::string& line : {owner_.name, owner_.club}) {
    if (line.empty()) continue;
    drawText(p, area.width / 2, y, q(line), Qt::AlignHCenter, area.width - mm(40));
    y += lineHeight(p) + mm(2);
  }
  p.restore();
}

}  // namespace kelp::print
