#pragma once
// A real toolkit window with the gadgets the player layer works on, the shared
// state record, the audio library on its
// silent output, and temporary folders of generated files.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "full/skin_table.h"
#include "player/library_transport.h"
#include "profile/deck.h"
#include "profile/deck_layout.h"

// The full build's gadgets, which the test window holds.
constexpr int kList = full::kTrackList;
constexpr int kFolderLabel = full::kFolderText;
constexpr int kPlayingFlag = full::kPlayingFlag;
constexpr int kVolumeSlot = full::kVolumeGadget;
constexpr int kFader = full::kSeekGadget;
constexpr int kVolumeSlotLeft = kDeck.volumeSlot.x;
constexpr int kFaderTop = kDeck.seekBar.y;
constexpr float kPlaySpeed = full::kPlaySpeed;

// A folder under the system's temporary folder, removed with what it holds.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with its final separator.
  const std::string& path() const { return path_; }
  void addFile(const std::string& name, const std::vector<std::uint8_t>& bytes = {});
  void addFolder(const std::string& name);

 private:
  std::string path_;
  std::vector<std::string> files_;
  std::vector<std::string> folders_;
};

// 16-bit mono PCM at 44100 Hz: a quiet tone of the given length.
std::vector<std::uint8_t> WavBytes(double seconds, int extraFrames = 0);
std::vector<std::uint8_t> GarbageBytes();

std::vector<std::string> ListEntries();
void FillList(const std::vector<std::string>& entries);

// Polls until the stream's activity is `wanted` or the deadline passes.
bool WaitForActivity(AudioHandle stream, std::uint32_t wanted, int milliseconds);

class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Owned by the test, so it outlives TearDown, which frees the stream that
  // may still hold one of its files open.
  TempFolder& NewFolder(const std::string& name);

  DeckState state{};
  LibraryTransport transport;
  // The full build's profile, and the mini build's way of playing over the
  // same gadgets.
  DeckProfile full{};
  DeckProfile mini{};
  const Deck fullDeck{state, transport, full};
  const Deck miniDeck{state, transport, mini};

 private:
  std::vector<std::unique_ptr<TempFolder>> folders_;
};
