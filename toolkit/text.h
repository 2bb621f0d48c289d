#pragma once
// Text and number helpers. Platform-free: texts are byte strings.
#include <cstdint>
#include <string>

int textEquals(const std::string& a, const std::string& b);
std::string rightChars(const std::string& text, int n);
// Lowers the ASCII capitals A to Z only.
std::string lowerCase(const std::string& text);
std::string decimalText(std::int64_t value);
std::string padLeft(const std::string& text, int width, const std::string& pad);
// Blanks, sign, then "$" hex, "%" binary or decimal digits; 0 without digits.
// Values beyond 64 bits are held at INT64_MIN or INT64_MAX.
std::int64_t parseInteger(const std::string& text);
// Minutes within the hour and seconds within the minute; 0 for negative times.
std::int64_t minutesPart(std::int64_t seconds);
std::int64_t secondsPart(std::int64_t seconds);
// The text after the last "\" or "/"; a leading quote ends the part at the next quote.
std::string filePart(const std::string& path);
// The text up to and including the last "\" or "/", empty without one.
std::string folderPart(const std::string& path);
