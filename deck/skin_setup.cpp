#include "deck/skin_setup.h"

#include "toolkit/toolkit.h"

namespace {

void CreateLabel(const GadgetSpec& g) {
  newLabelGadget(g.number, g.x, g.y, g.width, g.height, g.text);
  setGadgetColour(g.number, kBackColour, kPanelBack);
  setGadgetColour(g.number, kTextColour, kPanelText);
}

// Links draw over the window's backdrop: their background is transparent.
void CreateLink(const GadgetSpec& g) {
  newLinkGadget(g.number, g.x, g.y, g.width, g.height, g.text, kLinkHover);
  setGadgetColour(g.number, kTextColour, kPanelText);
  applyGadgetColours(g.number, kDefaultColour, kTransparentColour);
}

void CreateList(const GadgetSpec& g) {
  newListGadget(g.number, g.x, g.y, g.width, g.height);
  applyGadgetColours(g.number, kPanelText, kPanelBack);
}

void CreateCheck(const GadgetSpec& g) {
  newCheckGadget(g.number, g.x, g.y, g.width, g.height, g.text);
  setGadgetValue(g.number, 0);
}

void CreatePicture(const GadgetSpec& g) {
  newPictureGadget(g.number, g.x, g.y, g.width, g.height,
                   g.image < 0 ? nullptr : imageHandle(g.image));
}

}  // namespace

void DecodeSkin(std::span<const SkinPicture> pictures) {
  enablePngDecoding();
  for (const SkinPicture& p : pictures) decodeImage(p.image, p.picture.data, p.picture.size);
}

void CreateGadgets(std::span<const GadgetSpec> table) {
  for (const GadgetSpec& g : table) {
    switch (g.kind) {
      case GadgetKind::Picture: CreatePicture(g); break;
      case GadgetKind::Label: CreateLabel(g); break;
      case GadgetKind::HiddenLabel:
        newLabelGadget(g.number, g.x, g.y, g.width, g.height, g.text);
        break;
      case GadgetKind::Link: CreateLink(g); break;
      case GadgetKind::Panel: newPanelGadget(g.number, g.x, g.y, g.width, g.height); break;
      case GadgetKind::EndPanel: endPanel(); break;
      case GadgetKind::List: CreateList(g); break;
      case GadgetKind::Check: CreateCheck(g); break;
    }
  }
}
