#pragma once
// The arithmetic and texts of the time display. Platform-free.
#include <string>

constexpr int kMarkerBottomRow = 103;
constexpr int kKnobLeftmostX = 5;
constexpr int kKnobFollowsUpTo = 50;  // beyond this x the knob is drawn at the rightmost
constexpr int kKnobRightmostX = 48;

// Seconds to the nearest whole number, halves to the even neighbour; -1 for
// a value that no int holds (an error value of the audio library).
int WholeSeconds(double seconds);
// "m:ss" with the whole minutes, the seconds padded to two digits.
std::string ElapsedText(int positionSeconds);
// The same form as the elapsed text; "0:00" for a negative length.
std::string TotalText(int lengthSeconds);
// The marker's top row: 103 at the start of a track, 3 at its end.
int MarkerRow(int positionSeconds, int lengthSeconds);
// The knob's x in the volume strip, kept between 5 and 48.
int KnobX(int volumeKnobX);
// The mini build's title: the name, three spaces and "i/n".
std::string CountedTitle(const std::string& name, int index, int count);
