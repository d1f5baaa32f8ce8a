// Bit patterns of doubles, printed so that a failed comparison shows which bits differ.
#pragma once

#include <cstdint>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <string>

inline std::uint64_t bits_of(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

inline std::string hex(std::uint64_t bits) {
  std::ostringstream out;
  out << "0x" << std::hex << std::setw(16) << std::setfill('0') << bits;
  return out.str();
}

inline std::string hex_of(double value) { return hex(bits_of(value)); }
