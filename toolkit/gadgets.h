#pragma once
// Numbered gadgets: image, label, link, panel, list and check gadgets.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Colours are red + green * 256 + blue * 65536.
constexpr int kDefaultColour = -1;
constexpr int kTransparentColour = static_cast<int>(0xFF000000u);
// Which colour setGadgetColour sets.
constexpr int kTextColour = 1;
constexpr int kBackColour = 2;

// Each creation places the gadget in the current parent and returns its
// window handle, or 0 when the platform refuses.
HWND newPictureGadget(int gadget, int x, int y, int width, int height, HBITMAP image);
HWND newLabelGadget(int gadget, int x, int y, int width, int height, const std::string& text);
HWND newLinkGadget(int gadget, int x, int y, int width, int height, const std::string& text,
                   int hoverColour);
HWND newPanelGadget(int gadget, int x, int y, int width, int height);
void endPanel();
HWND newListGadget(int gadget, int x, int y, int width, int height);
HWND newCheckGadget(int gadget, int x, int y, int width, int height, const std::string& text);

// Image gadget: an image handle (0 for none); list: the selected index (-1 for
// none); check box: 1 or 0.
void setGadgetValue(int gadget, std::intptr_t value);
std::intptr_t gadgetValue(int gadget);
void setGadgetCaption(int gadget, const std::string& text);
std::string gadgetCaption(int gadget);
void setGadgetColour(int gadget, int which, int colour);
void applyGadgetColours(int gadget, int textColour, int backColour);
void placeGadget(int gadget, int x, int y, int width, int height);
// The gadget's control, null for a number that names no gadget.
HWND gadgetHandle(int gadget);
// Gives the gadget the keyboard focus, so the keys it takes (a list's
// arrows) reach it.
void focusGadget(int gadget);
int gadgetLeft(int gadget);
int gadgetTop(int gadget);

void clearList(int gadget);
// Position -1 appends.
void insertListItem(int gadget, int position, const std::string& text);
int listItemCount(int gadget);
// The text of entry `index`, empty when there is none.
std::string listItemText(int gadget, int index);
// Appends the texts in order, repainting the list once at the end.
void appendListItems(int gadget, const std::vector<std::string>& texts);
// The first entry whose text equals `text` byte for byte, -1 when none does.
int findListItem(int gadget, const std::string& text);
