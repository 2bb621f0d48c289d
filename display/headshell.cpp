#include "display/headshell.h"

#include <array>

#include "profile/colour.h"
#include "toolkit/drawing.h"

namespace {

constexpr int kMaxRunBoxes = 22;
constexpr int kBoxCount = 189;

// One run of the table: boxes of one colour stepping one column (and one
// row, unless the tops are equal) from the first box towards the last.
struct HeadshellRun {
  int colour;
  int boxes;
  int firstX, lastX;
  int firstTop, lastTop;
  int width;
  std::array<int, kMaxRunBoxes> heights;
  int heightCount;
};

template <class... Heights>
constexpr HeadshellRun MakeRun(int red, int green, int blue, int boxes, int firstX, int lastX,
                               int firstTop, int lastTop, int width, Heights... heights) {
  return HeadshellRun{Rgb(red, green, blue),
                      boxes,
                      firstX,
                      lastX,
                      firstTop,
                      lastTop,
                      width,
                      {heights...},
                      static_cast<int>(sizeof...(Heights))};
}

#define HEADSHELL_RUN(...) MakeRun(__VA_ARGS__),
constexpr HeadshellRun kRuns[] = {
#include "display/headshell_runs.inc"
};
#undef HEADSHELL_RUN

constexpr int StepTowards(int from, int to) { return (to > from) - (to < from); }

// A run whose steps do not land on its last box, or whose heights do not
// match its box count, is a fault in the table and stops the build.
constexpr bool RunIsConsistent(const HeadshellRun& run) {
  int last = run.boxes - 1;
  bool xLands = run.firstX + last * StepTowards(run.firstX, run.lastX) == run.lastX;
  bool topLands = run.firstTop + last * StepTowards(run.firstTop, run.lastTop) == run.lastTop;
  return run.boxes > 0 && run.heightCount == run.boxes && xLands && topLands;
}

constexpr std::array<HeadshellBox, kBoxCount> ExpandRuns() {
  std::array<HeadshellBox, kBoxCount> boxes{};
  int next = 0;
  for (const HeadshellRun& run : kRuns) {
    int stepX = StepTowards(run.firstX, run.lastX);
    int stepTop = StepTowards(run.firstTop, run.lastTop);
    for (int k = 0; k < run.boxes; ++k)
      boxes[next++] = {run.firstX + k * stepX, run.firstTop + k * stepTop, run.width,
                       run.heights[k], run.colour};
  }
  return boxes;
}

constexpr int TotalBoxes() {
  int total = 0;
  for (const HeadshellRun& run : kRuns) total += run.boxes;
  return total;
}

constexpr bool AllRunsConsistent() {
  for (const HeadshellRun& run : kRuns)
    if (!RunIsConsistent(run)) return false;
  return true;
}

static_assert(std::size(kRuns) == 51, "the overlay is 51 runs");
static_assert(TotalBoxes() == kBoxCount, "the runs hold 189 boxes");
static_assert(AllRunsConsistent(), "every run steps onto its last box");

constexpr std::array<HeadshellBox, kBoxCount> kBoxes = ExpandRuns();

}  // namespace

std::span<const HeadshellBox> HeadshellBoxes() { return kBoxes; }

void DrawHeadshell() {
  for (const HeadshellBox& box : kBoxes) fillBox(box.x, box.top, box.width, box.height, box.colour);
}
