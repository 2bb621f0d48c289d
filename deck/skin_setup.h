#pragma once
// A program's skin set up from its tables: the pictures compiled into it
// decoded under their image numbers, and its gadgets created in table order
// with the deck's colours (grey text on the panel's near-black, links lit
// on hover).
#include <array>
#include <span>

#include "profile/colour.h"
#include "profile/deck_layout.h"
#include "profile/deck_profile.h"
#include "skin/embedded_picture.h"

struct SkinPicture {
  int image;
  const EmbeddedPicture& picture;
};

// Decodes the pictures in the order given.
void DecodeSkin(std::span<const SkinPicture> pictures);

enum class GadgetKind {
  Picture,
  Label,        // a time label in the panel's colours
  HiddenLabel,  // a 0 x 0 label that only holds a text
  Link,
  Panel,
  EndPanel,
  List,
  Check,
};

struct GadgetSpec {
  GadgetKind kind;
  int number;
  int x;
  int y;
  int width;
  int height;
  int image = -1;         // picture gadgets: the image shown at start, -1 for none
  const char* text = "";  // labels, links, check boxes
};

constexpr int kPanelText = Rgb(93, 93, 93);
constexpr int kPanelBack = Rgb(21, 21, 21);
constexpr int kLinkHover = Rgb(181, 181, 181);

// An image gadget over a box of the deck, showing `image` at start.
constexpr GadgetSpec PictureGadget(int number, const Box& box, int image = -1) {
  return {GadgetKind::Picture, number, box.x, box.y, box.width, box.height, image};
}

void CreateGadgets(std::span<const GadgetSpec> table);

// The gadgets of the panel below the closed window and the two hidden holders, which
// both programs lay out alike under their own numbers.
constexpr std::array<GadgetSpec, 10> PanelGadgets(const DeckProfile& n) {
  return {{
      {GadgetKind::Label, n.elapsedGadget, 220, 371, 60, 14, -1, "00:00"},
      {GadgetKind::Label, n.totalGadget, 280, 371, 33, 14, -1, "00:00"},
      {GadgetKind::Label, n.unitLabel, 312, 371, 40, 14, -1, " минут"},
      {GadgetKind::Link, n.openLink, kDeck.openLink.x, kDeck.openLink.y, kDeck.openLink.width,
       kDeck.openLink.height, -1, "Открыть"},
      {GadgetKind::Link, n.pauseLink, kDeck.pauseLink.x, kDeck.pauseLink.y, kDeck.pauseLink.width,
       kDeck.pauseLink.height, -1, "Пауза"},
      // The list is larger than its panel and set at (-2, -2) in it, so the
      // panel clips its frame and scroll bars away: a plain dark area remains.
      {GadgetKind::Panel, n.listPanel, kDeck.listPanel.x, kDeck.listPanel.y, kDeck.listPanel.width,
       kDeck.listPanel.height},
      {GadgetKind::List, n.listGadget, -2, -2, 436, 151},
      {GadgetKind::HiddenLabel, n.folderGadget, 0, 0, 0, 0, -1, "Путь"},
      {GadgetKind::EndPanel, 0, 0, 0, 0, 0},
      {GadgetKind::Check, n.playingFlagGadget, 0, 0, 0, 0, -1, ""},
  }};
}
