#include <cstring>
#include <string>

#include "engine/draw/draw_state.h"
#include "engine/draw_fixture.h"
#include "engine/elDraw.h"
#include "engine/elFont.h"
#include "platform/headless_text.h"

namespace {

using FontTextTest = DrawTest;

TEST_F(FontTextTest, TableListsTheFirstTwoHundredFacesByCharacterSet) {
    headless::SetFontFaceCount(250);
    ASSERT_TRUE(StartScreen());
    EXPECT_EQ(elFont::TableReady(), 1);
    EXPECT_EQ(FontCount, kFontTableSize);
    EXPECT_STREQ(FontTable[0].face, "Test Gothic");
    EXPECT_EQ(FontTable[0].kind, kFontKindJapanese);
    EXPECT_EQ(FontTable[0].charSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(FontTable[2].kind, kFontKindSymbol);
    EXPECT_EQ(FontTable[3].kind, kFontKindOther);
    EXPECT_STREQ(FontTable[199].face, "Test Face 199");
}

TEST_F(FontTextTest, FewFacesLeaveTheRestOfTheTableEmpty) {
    ASSERT_TRUE(StartScreen());
    EXPECT_EQ(FontCount, 3);
    EXPECT_EQ(FontTable[3].kind, kFontKindEmpty);
    EXPECT_STREQ(FontTable[3].face, "");
}

TEST_F(FontTextTest, CreditLineIsGothicTwelveWhiteOnDarkBlue) {
    ASSERT_TRUE(StartScreen());
    elDraw::ClearBackBuffer();
    elFont::DrawLine(280, 180, "QUENDRAVOLT");
    const auto& text = headless::LastText();
    EXPECT_EQ(text.text, "QUENDRAVOLT");
    EXPECT_EQ(text.x, 280);
    EXPECT_EQ(text.y, 180);
    EXPECT_EQ(text.face, "標準ゴシック");
    EXPECT_EQ(text.height, 12);
    EXPECT_EQ(text.textColor, 0xFFFFFFu);
    EXPECT_EQ(text.backgroundColor, 0x800000u);
    EXPECT_TRUE(text.opaque);
    // The opaque box is dark blue in 5-6-5 and a white mark stands in it.
    EXPECT_EQ(Back(280, 180), 0x0010);
    EXPECT_EQ(Back(283, 181), 0xFFFF);
    // The font is gone and the back buffer free for blits again.
    EXPECT_EQ(headless::LiveFontCount(), 0);
    EXPECT_EQ(elDraw::Draw(0, 0, 0, 0, 0, 1, 1), 0);
}

TEST_F(FontTextTest, EmptyTextDrawsNothingAndLeavesNoFontSelected) {
    ASSERT_TRUE(StartScreen());
    elDraw::ClearBackBuffer();
    elFont::DrawLine(280, 180, "");
    EXPECT_EQ(Back(280, 180), 0);
    EXPECT_EQ(headless::LiveFontCount(), 0);
}

TEST_F(FontTextTest, TextWithoutAScreenIsSkippedAndItsFontDeleted) {
    headless::SetDirectDrawAvailable(false);
    EXPECT_FALSE(StartScreen());
    elFont::DrawLine(10, 10, "no screen");
    EXPECT_EQ(headless::TextCount(), 0);
    EXPECT_EQ(headless::LiveFontCount(), 0);
    // Before any table exists, and after the block is freed, fonts still come from a zeroed block.
    elFont::ReleaseFontBlock();
    elFont::Create(elFont::kFaceMincho, 20, 90, 1, 1, 0);
    elDraw::EndText();
    EXPECT_EQ(headless::LiveFontCount(), 0);
}

TEST_F(FontTextTest, ShortTextIsBoundedAndSaysWhenItCut) {
    char buffer[kShortTextSize + 4];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_TRUE(FormatShortText(buffer, "%09d", 5000));
    EXPECT_STREQ(buffer, "000005000");
    EXPECT_FALSE(FormatShortText(buffer, "%s", std::string(60, 'x').c_str()));
    EXPECT_EQ(std::strlen(buffer), kShortTextSize - 1);
    EXPECT_EQ(buffer[kShortTextSize], '#');
}

TEST_F(FontTextTest, LongFaceNamesAreCut) {
    headless::SetFontFaceCount(1);
    LOGFONTA font{};
    std::memset(font.lfFaceName, 'f', sizeof font.lfFaceName);  // no terminator
    FontCount = 0;
    EXPECT_EQ(elFont::EnumProc(&font, nullptr, 0, 0), 1);
    EXPECT_EQ(std::strlen(FontTable[0].face), kFaceNameSize - 1);
}

}  // namespace
