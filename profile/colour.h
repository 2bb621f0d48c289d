#pragma once
// A colour as the toolkit packs it: red + green * 256 + blue * 65536.

constexpr int Rgb(int red, int green, int blue) { return red + green * 256 + blue * 65536; }
