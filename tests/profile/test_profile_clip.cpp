// The clip buffer and the request the "Deco 92" buttons hand to the calculator.
#include <gtest/gtest.h>

#include <vector>

#include "profile/deco92_link.h"
#include "profile/profile_clip.h"

using namespace kelp;

namespace {

DiveRecord diveWithSamples(int count) {
  DiveRecord r = makeRecord();
  r.sampleCount = static_cast<int16_t>(count);
  for (int i = 0; i < count; ++i) {
    r.samples[i].depth = -0.5f * static_cast<float>(i);
    r.samples[i].sampleFlags = static_cast<uint8_t>(i & 0x3F);
  }
  return r;
}

}  // namespace

TEST(ProfileClip, CopyTakesTheSamplesAndTheClosingSurfacePoint) {
  ProfileClip clip;
  DiveRecord r = diveWithSamples(10);
  r.samples[10].depth = 0;  // the closing point
  clip.copyFrom(r);
  EXPECT_EQ(clip.count, 11);
  EXPECT_DOUBLE_EQ(clip.depths[4], -2.0);
  EXPECT_EQ(clip.flags[4], 4);
  EXPECT_EQ(clip.depths[10], 0.0);
  EXPECT_FALSE(clip.shown);  // copying does not overlay it

  // Drawn profiles go in without flags.
  clip.copyFrom(r, false);
  EXPECT_EQ(clip.flags[4], 0);
}

TEST(ProfileClip, AFullDiveFillsTheBufferAndNothingBeyondIt) {
  ProfileClip clip;
  clip.copyFrom(diveWithSamples(635));
  EXPECT_EQ(clip.count, ProfileClip::kCapacity);

  std::vector<double> depths(900, -3.0);
  clip.copyFrom(depths.data(), nullptr, 900);
  EXPECT_EQ(clip.count, ProfileClip::kCapacity);
  EXPECT_EQ(clip.flags[635], 0);

  // A dive without samples leaves the buffer empty rather than with stale points.
  clip.copyFrom(makeRecord());
  EXPECT_TRUE(clip.empty());
  EXPECT_EQ(clip.depths[0], 0.0);
}

TEST(Deco92Request, DepthRoundsUpTimeFollowsTheCursorAltitudeAbove900mIsRefused) {
  DiveRecord r = makeRecord();
  r.maxDepth = 1850;
  r.altitudeClass = 2;  // "900 m ... 1750 m": the 701-1500 m table does not reach 1750 m
  Deco92Request q = deco92RequestFor(r, 65);
  EXPECT_EQ(q.maxDepth, 19);
  EXPECT_EQ(q.bottomTime, 21);
  EXPECT_EQ(q.altitudeClass, 2);

  r.maxDepth = 1800;
  r.altitudeClass = 1;
  q = deco92RequestFor(r, 4);
  EXPECT_EQ(q.maxDepth, 18);  // a whole metre stays
  EXPECT_EQ(q.bottomTime, 1);
  EXPECT_EQ(q.altitudeClass, 0);

  // Above 1500 m neither table holds.
  r.altitudeClass = 3;
  EXPECT_EQ(deco92RequestFor(r, 4).altitudeClass, 2);
  r.altitudeClass = 4;
  EXPECT_EQ(deco92RequestFor(r, 4).altitudeClass, 2);

  // Without an entered depth the profile's depth counts.
  r.maxDepth = NO_VALUE;
  r.profileMaxDepth = 12.2f;
  EXPECT_EQ(deco92RequestFor(r, 9).maxDepth, 13);
}
