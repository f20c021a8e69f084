#include "app/view_layout.h"

#include <algorithm>
#include <cmath>

namespace kelp {

ViewLayout layoutView(int viewWidth, int viewHeight, const ViewTemplate& t, bool previewOn) {
  ViewLayout l;
  l.list = t.list;
  l.list.height = std::max(0, viewHeight - t.list.top - 16);

  l.notes = t.notes;
  l.notes.height = std::max(kNotesMinHeight, viewHeight - t.notes.top - 16);

  l.preview = t.preview;
  if (previewOn) {
    l.preview.width = std::max(kPreviewMinWidth, viewWidth - t.preview.left - 24);
    l.preview.height = std::max(kPreviewMinHeight, viewHeight - t.preview.top - 16);
    l.bigPreview = l.preview.width >= kBigPreviewWidth && l.preview.height >= kBigPreviewHeight;
  } else {
    l.preview.width = kPreviewOffWidth;
    l.preview.height = kPreviewOffHeight;
    l.bigPreview = false;
  }
  return l;
}

int dialogUnitsToPixels(int du, double avgCharWidth) {
  return static_cast<int>(std::lround(du * avgCharWidth / 4.0));
}

std::array<int, 3> listTabStops(double avgCharWidth) {
  return {dialogUnitsToPixels(8, avgCharWidth), dialogUnitsToPixels(31, avgCharWidth),
          dialogUnitsToPixels(63, avgCharWidth)};
}

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    if (tab == std::string::npos) {
      parts.push_back(line.substr(start));
      return parts;
    }
    parts.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

}  // namespace kelp
