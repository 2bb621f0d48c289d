#include "player/seek_fader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "player/control_arithmetic.h"
#include "toolkit/gadgets.h"

// No state is tested: the seek acts while paused and on a freed stream too,
// where the audio library refuses it. The lowest rows ask for a negative
// position, which the library refuses as well, so playback goes on.
void SeekFromClick(const Deck& deck, const PassInput& input) {
  const int percent = SeekPercentAt(input.mouseY, gadgetTop(deck.profile.seekGadget));
  deck.transport.setPosition(SeekBytesFor(percent, deck.state.lengthBytes));
}

void SeekBy(const Deck& deck, int seconds) {
  Transport& transport = deck.transport;
  const std::int64_t length = transport.lengthBytes();
  const double lengthSeconds = transport.seconds(length);
  if (length <= 0 || lengthSeconds <= 0) return;
  const auto step = std::llround(seconds * static_cast<double>(length) / lengthSeconds);
  transport.setPosition(std::clamp<std::int64_t>(transport.positionBytes() + step, 0, length - 1));
}
