// Mnemonics of captions and the translation of characters into the virtual keys that type
// them, as the bar and the menu windows compare them with pressed keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu/Mnemonic.h"
#include "win32/windows.h"

namespace {

TEST(MnemonicTest, CaptionMnemonicsAndCharactersAsVirtualKeys) {
  const std::pair<std::string, int> captions[] = {
      {"&Save", 'S'},
      {"&save", 'S'},                  // upper-cased
      {"E&xit", 'X'},
      {"Save && &Close", 0},           // the first "&" starts "&&"
      {"&&Save", 0},
      {"Save&", 0},                    // "&" as the last character
      {"Save", 0},
      {"", 0},
      {"&Save && Close", 'S'},         // "&&" after the mnemonic does not matter
      {"Print && E&xport", 0},
      {"&1 Recent file", '1'},         // digits go through the keyboard layout
      {"&-", VK_OEM_MINUS},
      {"&[Draft]", '['},               // 65..122 map straight to their own code
      {"&\xC3\xA9t\xC3\xA9", 0},       // "été": no key types an accented letter on US English
  };
  for (const auto& [caption, vk] : captions) EXPECT_EQ(Mnemonic::MnemonicKey(caption), vk) << '"' << caption << '"';
  // Characters alone: the Shift state is dropped, and a character no key types is 0.
  for (const auto& [ch, vk] : {std::pair<int, int>{'a', 'A'}, {'z', 'Z'}, {'5', '5'}, {'=', VK_OEM_PLUS},
                               {'+', VK_OEM_PLUS}, {' ', VK_SPACE}, {0xE9, 0}})
    EXPECT_EQ(Mnemonic::CharToVirtualKey(static_cast<unsigned char>(ch)), vk) << "char " << ch;
}

TEST(MnemonicTest, LayoutsTriedForACharacter) {
  // Layouts given as language in the low word and device in the high word.
  const auto layout = [](DWORD value) { return LongToHandle<HKL>(static_cast<LONG>(value)); };
  const HKL usEnglish = layout(0x04090409);
  const HKL usDvorak = layout(0xF0020409);
  const HKL german = layout(0x04070407);
  const HKL french = layout(0x040C040C);
  using Layouts = std::vector<HKL>;
  // A US English default layout is used alone.
  EXPECT_EQ(Mnemonic::TranslationLayouts(usEnglish, Layouts{german, usDvorak}), Layouts{usEnglish});
  // Otherwise the first installed US English layout, alone.
  EXPECT_EQ(Mnemonic::TranslationLayouts(german, Layouts{french, usDvorak, usEnglish}), Layouts{usDvorak});
  // Without one: the default layout, then every installed layout in turn.
  EXPECT_EQ(Mnemonic::TranslationLayouts(german, Layouts{french, german}), (Layouts{german, french, german}));
  EXPECT_EQ(Mnemonic::TranslationLayouts(german, Layouts{}), Layouts{german});
}

}  // namespace
