#include "analysis/ui/print/deco_page.h"

#include <QCoreApplication>
#include <QPainter>

#include "core/strings.h"
#include "core/texts.h"
#include "profile/ui/profile_plot.h"

namespace kelp::print {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

DecoPlanPage::DecoPlanPage(const DecoPlan& plan, const PlannedProfile& profile, std::string logbookPath,
                           int32_t today)
    : plan_(plan), profile_(profile), logbookPath_(std::move(logbookPath)), today_(today) {}

QString DecoPlanPage::title() const { return q(str(62705) + " " + str(62706)); }

int DecoPlanPage::pageCount(const PageArea&) { return plan_.resultValid ? 1 : 0; }

void DecoPlanPage::paintPage(QPainter& p, const PageArea& area, int) {
  int y = drawPageHeader(p, area, q(str(62705)), q(str(62706)));
  const int left = mm(20), value = mm(80);
  const QFont section = printFont(Face::Sans, 11, true), body = printFont(Face::Sans, 10);
  auto heading = [&](int id) {
    y += mm(4);
    p.setFont(section);
    drawText(p, left, y, str(id));
    y += lineHeight(p) + mm(1);
    p.setFont(body);
  };
  auto row = [&](const std::string& label, const std::string& text) {
    drawText(p, left + mm(5), y, label);
    drawText(p, value, y, text);
    y += lineHeight(p);
  };

  heading(62707);
  row(str(62675), format("%.0f m", plan_.maxDepth));
  row(str(62708), format("%d min", plan_.bottomTime));
  row(str(62709), str(plan_.altitudeClass == 1 ? 62710 : 62711));
  row(str(62712), plan_.repetitive ? strf(62714, plan_.groupText.c_str(), plan_.surfaceInterval) : str(62713));

  if (plan_.airConsumption != 0) {
    heading(62715);
    row(plan_.tankVolume != 0 && plan_.tankPressure != 0
            ? strf(62716, plan_.airConsumption, plan_.tankVolume, plan_.tankPressure)
            : strf(62717, plan_.airConsumption),
        "");
  }

  heading(62718);
  row(str(62719), format("%d min", plan_.diveTime));
  row(str(62720), format("%d min", plan_.ascentTime));
  row(str(62721), plan_.groupResult);
  row(str(62722), format("%d min", plan_.residualNitrogen));
  row(str(62542), plan_.noStopLimit == kUnknownValue ? std::string("? min") : format("%d min", plan_.noStopLimit));
  row(str(62723), QCoreApplication::translate("DecoPlanPage", "%1 Std.").arg(plan_.noFlyHours).toStdString());
  const std::string stopLabel = str(62724);
  const struct { const char* fmt; int minutes; } stops[] = {
      {"%s 15 m:", plan_.stop15}, {"%s 12 m:", plan_.stop12}, {"%s  9 m:", plan_.stop9},
      {"%s  6 m:", plan_.stop6},  {"%s  3 m:", plan_.stop3}};
  for (const auto& s : stops)
    if (s.minutes != 0) row(format(s.fmt, stopLabel.c_str()), format("%d min", s.minutes));
  if (plan_.airConsumption != 0) row(str(62516), format("%d barl", plan_.airUsed));
  if (plan_.deltaPressure != 0) {
    row(str(62725), format("%d bar", plan_.remainingPressure));
    row(str(62726), format("%d bar", plan_.deltaPressure));
  }
  if (!plan_.note.empty()) row(plan_.note, "");

  heading(62591);
  const int n = profile_.sampleCount;
  const int x0 = mm(35), w = area.width - mm(70), h = w / 2;
  if (n > 0 && static_cast<int>(profile_.depths.size()) == n + 1 && y + h + mm(10) < footerTop(area)) {
    p.save();
    p.translate(0, y + mm(4));
    CProfilePlot plot;
    plot.setFrame(Qt::black, Qt::black, x0, 0, w, h);
    plot.setMetric(true);
    const int step = depthStep(profile_.maxDepth, true);
    plot.setRanges(0, n, 0, profile_.maxDepth + step);
    plot.setYStep(step);
    plot.drawTimeAxes(p, n + 1, false, CProfilePlot::MinuteLabels::ByWidth);
    plot.drawDecoLine(p, QColor(255, 0, 0), profile_.flags.data(), n + 1);
    plot.drawClipCurve(p, QColor(0, 0, 255), QColor(0, 0, 255), 6, profile_.depths.data(), profile_.flags.data(), n + 1);
    p.restore();
  }
  drawPageFooter(p, area, logbookPath_, today_);
}

}  // namespace kelp::print
