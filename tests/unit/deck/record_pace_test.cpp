// The record's motion by time and the pace of its frames, on plain values:
// no window, no clock but the one the test winds.
#include <gtest/gtest.h>

#include <chrono>

#include "deck/frame_pacing.h"
#include "deck/record_motion.h"
#include "full/skin_table.h"
#include "mini/skin_table.h"

namespace {

using std::chrono::milliseconds;
const DeckClock::time_point kStart = DeckClock::time_point{} + std::chrono::hours(1);

// The angle the record reaches after `seconds` of passes `every` apart at
// the speed `step`, from 0.
double TurnedAfter(double seconds, milliseconds every, float step, float nominalPassMs) {
  DeckState state{};
  RecordClock clock;
  double turned = 0;
  float last = 0;
  for (auto at = kStart; at <= kStart + std::chrono::duration<double>(seconds); at += every) {
    ClockPass(clock, at, step);
    TurnRecord(state, clock, nominalPassMs);
    EXPECT_GE(state.spinAngle, 0.0f);
    EXPECT_LT(state.spinAngle, 360.0f);
    turned += state.spinAngle >= last ? state.spinAngle - last : state.spinAngle + 360 - last;
    last = state.spinAngle;
  }
  return turned;
}

// Every speed keeps its meaning in degrees per nominal pass, and the record
// turns as far whether passes come every 7 ms or every 40 ms.
TEST(RecordMotion, TurnsByTimeAtTheBuildsSpeeds) {
  const struct {
    const char* what;
    float step, nominalPassMs;
    double degreesPerSecond;
  } cases[] = {
      {"full, playing: 33 1/3 RPM", full::kPlaySpeed, full::kNominalPassMs, 200.0},
      {"mini, playing: 33 1/3 RPM", mini::kPlaySpeed, mini::kNominalPassMs, 200.0},
      {"full, powered", full::kPoweredSpeed, full::kNominalPassMs, 4.0},
      {"full, paused", full::kPausedSpeed, full::kNominalPassMs, 8.0},
      {"mini, resumed", mini::kResumedSpeed, mini::kNominalPassMs, 222.2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(DegreesPerSecond(c.step, c.nominalPassMs), c.degreesPerSecond, 0.1);
    for (const milliseconds every : {milliseconds(7), milliseconds(17), milliseconds(40)})
      EXPECT_NEAR(TurnedAfter(10.0, every, c.step, c.nominalPassMs), 10 * c.degreesPerSecond,
                  0.5 + c.degreesPerSecond * 0.04)
          << every.count() << " ms a pass";
  }
}

// The interval before a pass turns at the speed the record had through it,
// so a speed set in one pass shows from the next interval on, and the first
// pass has no interval before it.
TEST(RecordMotion, AnIntervalTurnsAtTheSpeedItHad) {
  DeckState state{};
  RecordClock clock;
  ClockPass(clock, kStart, full::kPlaySpeed);
  TurnRecord(state, clock, full::kNominalPassMs);
  EXPECT_EQ(state.spinAngle, 0.0f);
  ClockPass(clock, kStart + milliseconds(100), 0.0f);  // switched off before this interval
  TurnRecord(state, clock, full::kNominalPassMs);
  EXPECT_EQ(state.spinAngle, 0.0f);
  ClockPass(clock, kStart + milliseconds(1900), full::kPlaySpeed);
  TurnRecord(state, clock, full::kNominalPassMs);
  EXPECT_NEAR(state.spinAngle, 0.0f, 1e-3);  // 1.8 s at 200 degrees a second: a whole turn
  ClockPass(clock, kStart + milliseconds(2000), full::kPlaySpeed);
  TurnRecord(state, clock, full::kNominalPassMs);
  EXPECT_NEAR(state.spinAngle, 20.0f, 1e-3);
}

const FramePacing kPacing = PacingFor(60, full::kCanvasSize / 2.0f);

FramePicture Picture(float angle, int layer = 0) {
  FramePicture picture;
  picture.angle = angle;
  picture.layerX[0] = layer;
  return picture;
}

TEST(FramePacing, AskTheDisplayOrSixtyHertzAndAPixelOnTheRim) {
  EXPECT_EQ(PacingFor(0, 150).refresh, PacingFor(60, 150).refresh);
  EXPECT_EQ(PacingFor(1, 150).refresh, PacingFor(60, 150).refresh);
  EXPECT_LT(PacingFor(144, 150).refresh, milliseconds(7));
  EXPECT_NEAR(kPacing.pixelDegrees, 0.382f, 0.001f);  // one pixel on a rim 150 from the centre
}

// Nothing shown yet: a frame at once. Then one only for a changed picture,
// and not before the display's next refresh.
TEST(FramePacing, AFrameOnlyForAChangedPictureAndAtMostOnceARefresh) {
  ShownFrame shown;
  EXPECT_TRUE(FrameDue(shown, Picture(0), kStart, kPacing));
  NoteFrameShown(shown, Picture(0), kStart, kPacing);
  const auto later = kStart + milliseconds(500);
  EXPECT_FALSE(FrameDue(shown, Picture(0), later, kPacing));
  EXPECT_FALSE(FrameDue(shown, Picture(0.3f), later, kPacing));    // not a pixel on the rim
  EXPECT_FALSE(FrameDue(shown, Picture(359.8f), later, kPacing));  // the short way round
  EXPECT_TRUE(FrameDue(shown, Picture(0.4f), later, kPacing));
  EXPECT_TRUE(FrameDue(shown, Picture(0, -100), later, kPacing));  // a layer moved
  EXPECT_FALSE(FrameDue(shown, Picture(0, -100), kStart + milliseconds(10), kPacing));
  EXPECT_EQ(NextFrameDue(shown, Picture(0, -100), kStart + milliseconds(10), 0.0, kPacing),
            kStart + kPacing.refresh);
}

// While nothing changes the loop is not woken for a frame; a creeping record
// wakes it when its rim has moved a pixel, a fast one at the display's rate.
TEST(FramePacing, TheNextFrameFollowsTheRimsMotion) {
  ShownFrame shown;
  NoteFrameShown(shown, Picture(10), kStart, kPacing);
  EXPECT_EQ(NextFrameDue(shown, Picture(10), kStart, 0.0, kPacing), DeckClock::time_point::max());
  const auto creeping = NextFrameDue(shown, Picture(10), kStart, 4.0, kPacing);
  EXPECT_NEAR(std::chrono::duration<double>(creeping - kStart).count(), 0.382 / 4.0, 0.001);
  EXPECT_EQ(NextFrameDue(shown, Picture(10), kStart, 200.0, kPacing), kStart + kPacing.refresh);
}

// Frames that follow one another keep to the refresh grid, so waking a
// millisecond late each time still shows sixty frames a second.
TEST(FramePacing, FramesKeepTheDisplaysRateThoughEachWakesLate) {
  ShownFrame shown;
  int frames = 0;
  float angle = 0;
  for (auto at = kStart; at < kStart + std::chrono::seconds(10); at += milliseconds(1)) {
    angle += 0.2f;  // 200 degrees a second
    if (!FrameDue(shown, Picture(angle), at, kPacing)) continue;
    NoteFrameShown(shown, Picture(angle), at, kPacing);
    ++frames;
    at += milliseconds(1);  // the wait's rounding
  }
  EXPECT_NEAR(frames, 600, 2);
}

}  // namespace
