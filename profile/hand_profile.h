#pragma once
// Hand-made profiles ("Crea profilo"): the draft drawn from the maximum depth and the
// dive time, the depth a mouse drag paints, and the raw profile written from the drawn
// samples with the hand-made marker, in the layout of the dive's own model.
#include <cstdint>
#include <vector>

#include "core/logbook.h"
#include "profile/profile_layout.h"

namespace kelp {

// The longest dive time whose hand-made profile a record of this layout can hold whole
// (draft, raw field and expanded samples): 209 minutes for 7-byte groups.
int maxHandMadeMinutes(const ProfileLayout& layout);

// The enable rule of "Crea profilo": maximum depth and dive time entered, the dive time
// within maxHandMadeMinutes, and no profile or a hand-made one.
bool canCreateProfile(const DiveRecord& r, const ComputerModelTable& models = computerModels());
// "Non posso creare il profilo dell'imm #%d"
std::string createProfileRefusedMessage(int diveNumber);

// The largest depth a raw reading holds (1023 x 10/64 m).
inline constexpr double kMaxReadingDepth = 1023 * 0.15625;

// Depth code of a raw reading: trunc(d x 6.4), 0 for depths at or above the surface,
// 1023 for depths beyond the largest reading.
uint16_t handDepthCode(double metres);

// The draft of a dive of maxDepth metres and diveTime minutes: (diveTime + 1) x 3 depths
// (positive metres), from 1.3 m down by 3.33 m per sample to the bottom (the depth is
// capped at the largest reading), and up by 3.33 m per sample to the surface at the end.
std::vector<float> draftDepths(double maxDepth, int diveTime);

// Opening the dialog on a copy of the dive: a dive without profile gets the draft as its
// samples (sample 0 at -1.3 m with level3 3, the others level3 6); a hand-made profile
// keeps its samples.
void openHandMade(DiveRecord& working);

// The maximum depth a drawn sample may reach, metres: the dive's maximum depth (as shown),
// and never beyond the largest reading.
double drawingDepthCap(const DiveRecord& working);
// The depth a mouse position paints: yOffset / ((rectHeight + 1) / yMax) in the unit of
// the graph (feet under imperial units), capped at the dive's maximum depth, in metres.
double drawnDepth(const DiveRecord& working, double yOffset, int rectHeight, double yMax,
                  bool metricUnits);
// The samples a drag may paint: 1 .. drawableLast (sample 0 is the fixed start point, and
// samples behind the dive's minutes are not kept by the raw profile).
int drawableLast(const DiveRecord& working);
// Sets sample `index` to `metres` below the surface (capped as above), recomputes
// profileAvgDepth and clears avgDepth. Indexes outside 1..drawableLast are ignored.
void setDrawnDepth(DiveRecord& working, int index, double metres);
// profileAvgDepth over the samples and the closing surface point.
void recomputeProfileAverage(DiveRecord& working);

// "Salva": the depths of samples 1.. become the raw readings (reading k from sample k + 1),
// with the hand-made marker; then the samples are rebuilt from the raw profile. Opening,
// saving unchanged and opening again gives the same samples.
void writeHandMadeProfile(DiveRecord& working, const ComputerModelTable& models = computerModels());
// "Taglia profilo": no profile, no samples.
void removeProfile(DiveRecord& working);

// Logbook operations of the dialog and of kelp-cli. Each refuses (changing nothing) with
// createProfileRefusedMessage when the dive at the position may not get a hand-made profile.
Result saveHandMadeProfile(Logbook& lb, int position, DiveRecord working,
                           const ComputerModelTable& models = computerModels());
Result removeHandMadeProfile(Logbook& lb, int position,
                             const ComputerModelTable& models = computerModels());
// Opens the dive as the dialog does and saves it unchanged ("Crea profilo" with "Salva").
Result draftProfile(Logbook& lb, int position, const ComputerModelTable& models = computerModels());

}  // namespace kelp
