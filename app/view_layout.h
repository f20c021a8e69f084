#pragma once
// Layout rules of the main form view, in plain pixels so they can be checked
// without a window system.
#include <array>
#include <string>
#include <vector>

namespace kelp {

struct LayoutRect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const LayoutRect&) const = default;
};

// The placements of the three growing controls as laid out in the form
// (only their left, top and width are used).
struct ViewTemplate {
  LayoutRect list;     // dive list 1039
  LayoutRect notes;    // notes 1064
  LayoutRect preview;  // preview control 1066
};

struct ViewLayout {
  LayoutRect list, notes, preview;
  bool bigPreview = false;
};

inline constexpr int kPreviewMinWidth = 159;
inline constexpr int kPreviewMinHeight = 99;
inline constexpr int kPreviewOffWidth = 60;
inline constexpr int kPreviewOffHeight = 20;
inline constexpr int kNotesMinHeight = 80;
inline constexpr int kBigPreviewWidth = 300;
inline constexpr int kBigPreviewHeight = 200;

// Lays the list, the notes and the preview out in a view of the given size.
// The list and the notes keep their left, top and width and reach down to 16
// pixels above the bottom (the notes at least 80 high); the preview reaches to
// 24 pixels left of the right edge and 16 above the bottom, at least 159 x 99,
// and is a 60 x 20 button when the preview is off. The preview is big from
// 300 x 200 on.
ViewLayout layoutView(int viewWidth, int viewHeight, const ViewTemplate& t, bool previewOn);

// Dialog units to pixels: x dialog units are x * avgCharWidth / 4 pixels.
int dialogUnitsToPixels(int du, double avgCharWidth);
// Tab stops of the dive list (8, 31 and 63 dialog units) in pixels.
std::array<int, 3> listTabStops(double avgCharWidth);
// Splits a list line at its tabs.
std::vector<std::string> splitTabs(const std::string& line);

}  // namespace kelp
