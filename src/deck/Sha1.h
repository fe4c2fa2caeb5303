#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// SHA-1 of text: the flash-card program's notes carry a checksum made with it.
std::array<std::uint8_t, 20> Sha1(std::string_view text);
