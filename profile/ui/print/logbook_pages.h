#pragma once
// The logbook's own printed pages (print kind 0): dive pages with two dives each, the
// printed dive list, or the cover with the owner's data. The window and kelp-cli print
// them through the same painters.
#include <cstdint>
#include <optional>

#include "core/logbook.h"
#include "profile/ui/print/page_source.h"
#include "profile/print_layout.h"

namespace kelp::print {

class LogbookPages : public PageSource {
 public:
  // Pages of the dives at positions range.first..range.last (the cover needs no range).
  // The logbook must outlive the pages; today is a day number for the footer.
  LogbookPages(const Logbook& lb, PrintMode mode, SlotOption option, std::optional<PrintRange> range,
               bool separator, int32_t today);
  void setOwner(const CoverOwner& owner) { owner_ = owner; }

  int kind() const override { return kKindLogbook; }
  QString title() const override;
  int pageCount(const PageArea& area) override;
  void paintPage(QPainter& p, const PageArea& area, int index) override;

 private:
  void paintDivePage(QPainter& p, const PageArea& area, int index) const;
  void paintSlot(QPainter& p, const DiveRecord& r, int top, int height) const;
  void paintEmptyForm(QPainter& p, const DiveSlotLayout& l) const;
  void paintValues(QPainter& p, const DiveRecord& r, const DiveSlotLayout& l) const;
  void paintNotes(QPainter& p, const DiveRecord& r, const DiveSlotLayout& l) const;
  void paintListPage(QPainter& p, const PageArea& area, int index) const;
  void paintCover(QPainter& p, const PageArea& area) const;
  std::string logbookName() const;
  std::string footerPath() const;

  const Logbook& lb_;
  PrintMode mode_;
  SlotOption option_;
  std::optional<PrintRange> range_;
  bool separator_;
  int32_t today_;
  CoverOwner owner_;
};

// Draws a dive's profile through the profile plotter on an upward axis inside the given room
// (tenths of a millimetre): time axes with grid lines, the decompression line, the curve with
// its warning parts and the warning lanes under it. Nothing for a dive without profile.
void paintPrintedProfile(QPainter& p, const DiveRecord& r, int left, int top, int right, int bottom);

}  // namespace kelp::print
