// OLE colour translation as drawing code meets it.
#include "support/HeadlessTest.h"
#include "container/Ole.h"
#include "win32/gdi.h"

namespace {

using OleTest = mirel_test::HeadlessTest;

TEST_F(OleTest, OleColoursTranslateSystemIndexes) {
  COLORREF out = 0;
  EXPECT_EQ(OleTranslateColor(kOleSystemColorFlag | COLOR_BTNFACE, nullptr, &out), S_OK);
  EXPECT_EQ(out, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(OleTranslateColor(0x123456, nullptr, &out), S_OK);
  EXPECT_EQ(out, 0x123456u);
  EXPECT_EQ(OleTranslateColor(0x80000040, nullptr, &out), E_INVALIDARG);
  EXPECT_EQ(OleTranslateColor(0x42000000, nullptr, &out), E_INVALIDARG);
  EXPECT_EQ(TranslateOleColorOrBlack(0x80000040), 0u);
  EXPECT_EQ(TranslateOleColorOrBlack(kOleSystemColorFlag | COLOR_WINDOW), GetSysColor(COLOR_WINDOW));
}

}  // namespace
