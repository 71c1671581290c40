// The fourteen ability decoders: pure functions from one byte (two for Get_ST and
// Get_Brian) of a foal's save data to the one-character text the window shows.
// Every result is UTF-8 text of exactly one character; no input can fail.
#pragma once

#include <cstdint>
#include <string>

namespace foalix::decode {

using Byte = std::uint8_t;

// Banded decoders: reduce the byte to its low bits, then find the band that holds it.
std::string Get_Grade(Byte byte0);
std::string Get_SP(Byte byte1);
std::string Get_ST(Byte byte2, Byte byte1);
std::string Get_When(Byte byte5);
std::string Get_Burst(Byte byte6);
std::string Get_Mind(Byte byte6);
std::string Get_Grass(Byte byte7);
std::string Get_Mud(Byte byte7);

// Digit-code decoders: the low hexadecimal digit of the byte picks the result
// (Get_Age tests the whole byte instead).
std::string Get_Age(Byte byte3);
std::string Get_Strong(Byte byte3);
std::string Get_Win(Byte byte5);
std::string Get_Temper(Byte byte7);
std::string Get_Brian(Byte byte6, Byte byte5);
std::string Get_Sex(Byte linkByte8);

}  // namespace foalix::decode
