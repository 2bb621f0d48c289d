#include "tests/unit/player/player_fixture.h"

#include <windows.h>

#include <cmath>

#include "audio/audio.h"
#include "audio/test_hooks.h"
#include "mini/skin_table.h"
#include "tests/unit/audio/wav_bytes.h"
#include "toolkit/facilities.h"
#include "toolkit/toolkit.h"

namespace {

void StartOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  startToolkit();
  AudioTestForceSilentOutput(true);
}

}  // namespace

// A fresh name each time: the audio library's mixer may close a freed
// stream's file a little later, so a folder just removed may still linger.
TempFolder::TempFolder(const std::string& name) {
  static int made = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++made) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
}

// Deletion waits a little for the mixer to close the files of freed streams:
// until then a deleted file is only marked and its folder is not empty.
TempFolder::~TempFolder() {
  releaseListings();  // an open search would keep the folder in use
  const DWORD deadline = GetTickCount() + 2000;
  auto retry = [deadline](auto remove) {
    while (!remove() && static_cast<LONG>(GetTickCount() - deadline) < 0) Sleep(10);
  };
  for (const std::string& file : files_)
    retry([&] { return DeleteFileA(file.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; });
  for (const std::string& folder : folders_) RemoveDirectoryA(folder.c_str());
  retry([&] { return RemoveDirectoryA(path_.c_str()) != 0; });
}

void TempFolder::addFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const std::string file = path_ + name;
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE) << file;
  DWORD written = 0;
  if (!bytes.empty())
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
  ASSERT_EQ(written, bytes.size());
  files_.push_back(file);
}

void TempFolder::addFolder(const std::string& name) {
  const std::string folder = path_ + name;
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  folders_.push_back(folder);
}

std::vector<std::uint8_t> WavBytes(double seconds, int extraFrames) {
  constexpr std::uint32_t kRate = 44100;
  const auto frames = static_cast<std::uint32_t>(seconds * kRate) + extraFrames;
  Bytes samples;
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double sample = 3000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / kRate);
    Put16(samples, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)));
  }
  const Bytes file = WavFile({.channels = 1, .rate = kRate}, samples);
  return {file.begin(), file.end()};
}

std::vector<std::uint8_t> GarbageBytes() {
  std::vector<std::uint8_t> bytes(4096);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
  return bytes;
}

std::vector<std::string> ListEntries() {
  std::vector<std::string> entries;
  HWND list = GetDlgItem(windowHandle(kMainWindow), kList);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[MAX_PATH] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.emplace_back(text);
  }
  return entries;
}

void FillList(const std::vector<std::string>& entries) {
  clearList(kList);
  for (const std::string& entry : entries) insertListItem(kList, -1, entry);
}

bool WaitForActivity(AudioHandle stream, std::uint32_t wanted, int milliseconds) {
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (BASS_ChannelIsActive(stream) != wanted) {
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
    Sleep(5);
  }
  return true;
}

// The audio library is started once per process: the first BASS_Init wins.
void PlayerTest::SetUp() {
  StartOnce();
  HWND window = newWindow(kMainWindow, 0, 0, kDeck.clientWidth, kDeck.openHeight, kProgramTitle,
                          kDeckWindowFlags);
  ASSERT_NE(window, nullptr);
  static bool audioStarted = BASS_Init(kDefaultDevice, 44100, 0, window, nullptr);
  ASSERT_TRUE(audioStarted);
  ASSERT_NE(newListGadget(kList, 20, 370, 390, 120), nullptr);
  ASSERT_NE(newLabelGadget(kFolderLabel, 0, 0, 0, 0, "Путь"), nullptr);
  ASSERT_NE(newCheckGadget(kPlayingFlag, 0, 0, 0, 0, ""), nullptr);
  const Box& slot = kDeck.volumeSlot;
  ASSERT_NE(newPictureGadget(kVolumeSlot, slot.x, slot.y, slot.width, slot.height, nullptr),
            nullptr);
  const Box& bar = kDeck.seekBar;
  ASSERT_NE(newPictureGadget(kFader, bar.x, bar.y, bar.width, bar.height, nullptr), nullptr);
  state.volume = 1.0f;
  state.volumeKnobX = 20;
  full = full::kProfile;
  mini = full::kProfile;
  mini.scanSelectsTrackIndex = mini::kProfile.scanSelectsTrackIndex;
  mini.playSpeed = mini::kProfile.playSpeed;
}

void PlayerTest::TearDown() {
  BASS_StreamFree(transport.stream);
  releaseListings();
}

TempFolder& PlayerTest::NewFolder(const std::string& name) {
  folders_.push_back(std::make_unique<TempFolder>(name));
  return *folders_.back();
}
