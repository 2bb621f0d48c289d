// Both programs' real main loops in a real window, driven by real input, in
// the states a user leaves them in: the CPU share of a core, the frames of
// the record shown per second and the record's speed in RPM as drawn, with
// normal frames and with every frame slowed to 40 ms (a slow GDI+, a loaded
// machine); and the time from input to its visible effect (the lit
// start/stop button on hover, the panel starting to slide on a click).
// Prints figures only.
//   loop_bench.exe full|mini TRACK [SECONDS [JOINED_TRACK]]
// JOINED_TRACK: the first of a folder of short tracks that play through
// within SECONDS.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "display/gdiplus.h"
#include "full/main_loop.h"
#include "full/skin_table.h"
#include "full/startup.h"
#include "full/state.h"
#include "mini/main_loop.h"
#include "mini/skin_table.h"
#include "mini/startup.h"
#include "mini/state.h"
#include "player/open_file.h"
#include "profile/deck_layout.h"
#include "toolkit/toolkit.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the benchmark needs of one program.
struct Program {
  const char* name;
  void (*startUp)();
  void (*runMainLoop)();
  const Deck& deck;
  int litButtonGadget;
};

// The frames shown in the canvas gadget, each with the angle it was drawn at,
// counted where the frame reaches the screen: the gadget's paint.
struct FrameLog {
  std::mutex mutex;
  long frames = 0;
  double turned = 0;  // degrees, unwrapped across the turn to 0
  float lastAngle = 0;
  Clock::time_point lastFrame;
  int slowMs = 0;  // each frame held this long, as a slow drawing would

  void add(float angle) {
    std::lock_guard lock(mutex);
    float step = angle - lastAngle;
    if (step < 0) step += 360.0f;
    if (frames > 0) turned += step;
    lastAngle = angle;
    lastFrame = Clock::now();
    ++frames;
  }
};

struct FrameSample {
  long frames;
  double turned;
  Clock::time_point at;
};

FrameLog frameLog;
const Program* current = nullptr;
WNDPROC canvasProc = nullptr;
WNDPROC litButtonProc = nullptr;
WNDPROC windowProc = nullptr;
std::atomic<long> litPaints{0};
std::atomic<long> windowResizes{0};
// When the audio library posted its notices of a stream heard to its end or
// handed over (a WM_NULL; the time the message was posted, in GetTickCount's
// milliseconds), and when each new title was set. A pass may find the stream
// ended and set the title before it takes the notice, so the two are matched
// afterwards by time, not by their order in the queue.
std::vector<DWORD> endNotices;
std::vector<DWORD> titlesSet;
bool watchingJoins = false;

FrameSample SampleFrames() {
  std::lock_guard lock(frameLog.mutex);
  return {frameLog.frames, frameLog.turned, frameLog.lastFrame};
}

LRESULT CALLBACK CanvasHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcA(canvasProc, window, message, wParam, lParam);
  if (message == WM_PAINT) {
    frameLog.add(current->deck.state.spinAngle);
    if (frameLog.slowMs > 0) Sleep(frameLog.slowMs);
  }
  return result;
}

// The full build keeps the lit button's gadget outside the window until the
// pointer hovers, so only a paint inside the window shows it.
LRESULT CALLBACK LitButtonHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    if (place.left >= 0) ++litPaints;
  }
  return CallWindowProcA(litButtonProc, window, message, wParam, lParam);
}

LRESULT CALLBACK WindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) ++windowResizes;
  if (watchingJoins && (message == WM_NULL || message == WM_SETTEXT)) {
    std::lock_guard lock(frameLog.mutex);
    if (message == WM_NULL) endNotices.push_back(static_cast<DWORD>(GetMessageTime()));
    if (message == WM_SETTEXT) titlesSet.push_back(GetTickCount());
  }
  return CallWindowProcA(windowProc, window, message, wParam, lParam);
}

WNDPROC Hook(HWND window, WNDPROC hook) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook)));
}

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](FILETIME t) {
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

POINT ScreenPoint(int x, int y) {
  POINT point{x, y};
  ClientToScreen(windowHandle(kMainWindow), &point);
  return point;
}

void MoveTo(int x, int y) {
  const POINT point = ScreenPoint(x, y);
  SetCursorPos(point.x, point.y);
}

void Press() {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

void ParkPointer() { SetCursorPos(1, 1); }

void Click(int x, int y) {
  MoveTo(x, y);
  Sleep(150);
  Press();
  Sleep(300);
  ParkPointer();
}

bool WaitFor(const std::function<bool()>& done, double seconds) {
  const auto start = Clock::now();
  while (!done()) {
    if (SecondsSince(start) > seconds) return false;
    Sleep(1);
  }
  return true;
}

int ClientHeight() {
  RECT client;
  GetClientRect(windowHandle(kMainWindow), &client);
  return client.bottom;
}

// The CPU share, the frames per second and the speed of the record over a span.
void MeasureSpan(const char* state, double seconds, int slowMs = 0) {
  frameLog.slowMs = slowMs;
  Sleep(1000);  // the last input's work done, a frame or two at the new pace
  const FrameSample before = SampleFrames();
  const double cpuBefore = ProcessCpuSeconds();
  const auto start = Clock::now();
  Sleep(static_cast<DWORD>(seconds * 1000));
  const double wall = SecondsSince(start);
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  const FrameSample after = SampleFrames();
  frameLog.slowMs = 0;
  const long frames = after.frames - before.frames;
  const double frameSpan = std::chrono::duration<double>(after.at - before.at).count();
  const double rpm = frames > 1 ? (after.turned - before.turned) / 360.0 / frameSpan * 60.0 : 0.0;
  std::printf("%-16s %-34s %5.1f %% of a core, %6.1f frames/s, %6.2f RPM%s\n", current->name, state,
              100 * cpu / wall, frames / wall, rpm, slowMs ? " (frames held 40 ms)" : "");
}

// The median and the longest of a set of delays, in milliseconds.
void ReportDelays(const char* what, std::vector<double> delays) {
  std::sort(delays.begin(), delays.end());
  if (delays.empty()) {
    std::printf("%-16s %s: never seen\n", current->name, what);
    return;
  }
  std::printf("%-16s %s: median %5.1f ms, max %5.1f ms over %zu\n", current->name, what,
              delays[delays.size() / 2], delays.back(), delays.size());
}

// Milliseconds from moving the pointer onto the start/stop button to the lit
// button's first paint, over several approaches.
void MeasureHover() {
  std::vector<double> delays;
  const HitRect& button = kDeckRects.startStop;
  for (int run = 0; run < 8; ++run) {
    ParkPointer();
    Sleep(300);
    const long paints = litPaints.load();
    const auto start = Clock::now();
    MoveTo((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    if (WaitFor([&] { return litPaints.load() > paints; }, 2.0))
      delays.push_back(SecondsSince(start) * 1000);
  }
  ParkPointer();
  ReportDelays("hover to lit button", delays);
}

// The key's message put straight into the window's queue: its delay is the
// loop's alone, with no input path of the system before it.
void PostKey(WPARAM key) { PostMessageA(windowHandle(kMainWindow), WM_KEYDOWN, key, 0); }

// Milliseconds from a click on the start/stop button, or from its key, to
// the window's first change of height, opening and closing the panel in turn.
void MeasurePanelSlide(const char* what, const std::function<void()>& act) {
  std::vector<double> delays;
  const HitRect& button = kDeckRects.startStop;
  for (int run = 0; run < 6; ++run) {
    MoveTo((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    Sleep(300);
    const int target = ClientHeight() == kClosedHeight ? kOpenHeight : kClosedHeight;
    const long resizes = windowResizes.load();
    const auto start = Clock::now();
    act();
    if (WaitFor([&] { return windowResizes.load() > resizes; }, 2.0))
      delays.push_back(SecondsSince(start) * 1000);
    // The slide drops what arrives during its last step, a close request too.
    WaitFor([&] { return ClientHeight() == target; }, 10.0);
    Sleep(200);
  }
  ParkPointer();
  ReportDelays(what, delays);
}

// The folder of short tracks plays through, each joined to the one before:
// milliseconds from the end of a track being heard (the notice nearest to
// the title, at most a few milliseconds after it) to the next title.
void ReportJoins() {
  constexpr long kNoticeAfterTitle = 5, kLongest = 200;
  std::vector<double> delays;
  std::lock_guard lock(frameLog.mutex);
  for (DWORD title : titlesSet) {
    long nearest = kLongest + 1;
    for (DWORD notice : endNotices) {
      const long delay = static_cast<long>(title - notice);
      if (delay >= -kNoticeAfterTitle && std::labs(delay) < std::labs(nearest)) nearest = delay;
    }
    if (nearest <= kLongest) delays.push_back(std::max(nearest, 0L));
  }
  ReportDelays("end of a track heard to the next title", delays);
}

// Runs the program's own main loop while `drive` acts and measures on
// another thread; the loop ends with the window's close request.
void RunWhile(const std::function<void()>& drive) {
  std::thread driver([&] {
    drive();
    PostMessageA(windowHandle(kMainWindow), WM_CLOSE, 0, 0);
  });
  current->runMainLoop();
  driver.join();
  // The close request is also still queued as the toolkit's own event.
  while (pollEvent() != kNoEvent) {
  }
}

void Measure(const Program& program, const std::string& track, double seconds,
             const std::string& joinedTrack) {
  current = &program;
  program.startUp();
  HWND window = windowHandle(kMainWindow);
  canvasProc = Hook(GetDlgItem(window, program.deck.profile.canvasGadget), CanvasHook);
  litButtonProc = Hook(GetDlgItem(window, program.litButtonGadget), LitButtonHook);
  windowProc = Hook(window, WindowHook);
  ParkPointer();
  const HitRect& power = kDeckRects.powerSwitch;
  RunWhile([&] {
    MeasureSpan("power off, pointer still", seconds);
    Click(power.right - 4, (power.top + power.bottom) / 2);
    MeasureSpan("power on, nothing playing", seconds);
    MeasureSpan("power on, nothing playing", seconds, 40);
    MeasureHover();
    MeasurePanelSlide("click to panel slide", Press);
    MeasurePanelSlide("F5's message to panel slide", [] { PostKey(VK_F5); });
  });
  OpenPath(program.deck, track);  // as a file chosen with "Открыть"
  const HitRect& lift = kDeckRects.tonearmLift;
  RunWhile([&] {
    MeasureSpan("playing", seconds);
    MeasureSpan("playing", seconds, 40);
    Click((lift.left + lift.right) / 2, (lift.top + lift.bottom) / 2);
    MeasureSpan("paused", seconds);
  });
  if (!joinedTrack.empty()) {
    OpenPath(program.deck, joinedTrack);
    watchingJoins = true;
    RunWhile([&] {
      Sleep(static_cast<DWORD>(1000 * seconds));
      ReportJoins();
    });
  }
  // The playlist is the mini player's to keep; the benchmark leaves none behind.
  StopGdiplus(program.deck.state.gdipToken);
  releaseToolkit();
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // each figure as soon as it is measured
  const std::string build = argc > 1 ? argv[1] : "";
  if (argc < 3 || (build != "full" && build != "mini")) {
    std::fprintf(stderr, "usage: loop_bench full|mini TRACK [SECONDS [JOINED_TRACK]]\n");
    return 2;
  }
  const double seconds = argc > 3 ? std::atof(argv[3]) : 10.0;
  const std::string joined = argc > 4 ? argv[4] : "";
  if (build == "full") {
    Measure({"deckplayer", full::StartUp, full::RunMainLoop, full::deck, full::kLitButtonGadget},
            argv[2], seconds, joined);
  } else {
    Measure(
        {"deckplayer-mini", mini::StartUp, mini::RunMainLoop, mini::deck, mini::kLitButtonGadget},
        argv[2], seconds, joined);
  }
  return 0;
}
