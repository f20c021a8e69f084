#pragma once
// The dive calculator's printed page: settings, air data, results and the planned profile.
#include "analysis/deco_plan.h"
#include "profile/ui/print/page_source.h"

namespace kelp::print {

class DecoPlanPage : public PageSource {
 public:
  // The page shows the plan as it stands; both must outlive the source.
  DecoPlanPage(const DecoPlan& plan, const PlannedProfile& profile, std::string logbookPath, int32_t today);
  int kind() const override { return kKindCalculator; }
  QString title() const override;
  int pageCount(const PageArea& area) override;
  void paintPage(QPainter& p, const PageArea& area, int index) override;

 private:
  const DecoPlan& plan_;
  const PlannedProfile& profile_;
  std::string logbookPath_;
  int32_t today_;
};

}  // namespace kelp::print
