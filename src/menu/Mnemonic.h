// Mnemonics of captions and the keyboard-layout translation of characters into virtual keys,
// so that a caption's "&" letter or a hot key's character compares with the key pressed.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "win32/types.h"

namespace Mnemonic {

// The letter after a caption's first "&", upper-cased, as a Windows-1252 character; 0 when
// the caption has none (no "&", the "&" is the last character, or it starts the first "&&").
unsigned char MnemonicChar(std::string_view sCaption);

// The virtual-key code of the caption's mnemonic; 0 when it has none or no key types it.
std::int16_t MnemonicKey(std::string_view sCaption);

// The virtual-key code that types character ch (Windows-1252): letters map directly to the
// code of their upper-case form, anything else goes through the keyboard layouts; 0 when no
// layout has a key for it.
std::int16_t CharToVirtualKey(unsigned char ch);

// The layouts a character is translated with, in the order they are tried: the default
// layout alone when it is US English, else the first installed US English layout, else the
// default layout followed by every installed one.
std::vector<HKL> TranslationLayouts(HKL hDefault, std::span<const HKL> installed);

// ASCII upper case; other characters are returned unchanged.
unsigned char UpperCase(unsigned char ch);

}  // namespace Mnemonic
