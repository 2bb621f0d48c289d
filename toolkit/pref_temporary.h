#pragma once
// Names of the temporary files that a save of the settings file writes
// beside it before swapping them in. Platform-free.
#include <cstdint>
#include <string>
#include <string_view>

// "<file name>.<hex id>.tmp", for example "плейлист.pcs.1f4.tmp".
std::string prefTemporaryName(std::string_view fileName, std::uint32_t id);
// Whether a name in the settings file's folder is one that prefTemporaryName
// gives for that file: what a save killed before its swap leaves behind.
bool isPrefTemporaryName(std::string_view fileName, std::string_view candidate);
