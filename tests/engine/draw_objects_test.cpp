#include <gtest/gtest.h>

#include <string>

#include "engine/draw_fixture.h"
#include "platform/common/gdi_objects.h"
#include "platform/resources.h"

namespace {

using DrawObjectsTest = DrawTest;
using bmp_builder::Bytes;

std::string LastBox() {
    return headless::MessageBoxes().empty() ? "" : headless::MessageBoxes().back().text;
}

TEST_F(DrawObjectsTest, LoadsPicturesIntoSlotsFromFourWithTheirSizeAndBlackKey) {
    ASSERT_TRUE(StartScreen());
    WriteFile("IMAGE/SHOT.BMP", bmp_builder::File24(3, 2, {0, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0}));
    ASSERT_EQ(elDraw::LoadObject("IMAGE/SHOT.BMP", 1), 4);
    const DrawObjectRecord& o = DrawObject[4];
    EXPECT_STREQ(o.name, "IMAGE/SHOT.BMP");
    EXPECT_EQ(o.width, 3);
    EXPECT_EQ(o.height, 2);
    EXPECT_EQ(o.reloadMode, 2);
    EXPECT_EQ(o.fromPack, 0);
    EXPECT_EQ(o.colorKey, 0);
    EXPECT_EQ(Pixel(4, 1, 0), 0xF800);
    EXPECT_EQ(Pixel(4, 0, 1), 0x001F);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    o.surface->GetSurfaceDesc(&desc);
    EXPECT_EQ(desc.ddsCaps.dwCaps, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceLowValue, 0u);
    // The pixel at (0, 0) is back as it was after the key was matched.
    EXPECT_EQ(Pixel(4, 0, 0), 0);
    EXPECT_EQ(elDraw::LoadObject("IMAGE/SHOT.BMP", 1), 5);
}

TEST_F(DrawObjectsTest, BitmapResourcesAreTheFallback) {
    ASSERT_TRUE(StartScreen());
    static const Bytes file = bmp_builder::File24(2, 2, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF});
    ASSERT_TRUE(RegisterResource(RT_BITMAP_TYPE, "BOSS", file.data(), file.size()));
    EXPECT_EQ(elDraw::LoadObject("BOSS", 1), 4);
    EXPECT_EQ(Pixel(4, 1, 1), 0xFFFF);
    UnregisterResource(RT_BITMAP_TYPE, "BOSS");
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(DrawObjectsTest, NamesOfThirtyCharactersLoadAndThirtyOneAreRefusedBeforeTakingASlot) {
    ASSERT_TRUE(StartScreen());
    const std::string thirty = "IMAGE/" + std::string(20, 'A') + ".BMP";
    ASSERT_EQ(thirty.size(), 30u);
    WritePicture(thirty, 2, 2, 0xFFFFFF);
    EXPECT_EQ(elDraw::LoadObject(thirty.c_str(), 1), 4);
    const std::string thirtyOne = "IMAGE/" + std::string(21, 'A') + ".BMP";
    EXPECT_EQ(elDraw::LoadObject(thirtyOne.c_str(), 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::LoadObject : ファイル名またはリソース名が長すぎます");
    EXPECT_EQ(DrawObject[5].name[0], '\0');
    EXPECT_EQ(elDraw::SwapObject(thirtyOne.c_str(), 4, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::SwapObject : ファイル名またはリソース名が長すぎます");
    EXPECT_NE(DrawObject[4].surface, nullptr);  // refused before anything was released
}

TEST_F(DrawObjectsTest, TheFourHundredNinetySeventhLoadIsRefused) {
    ASSERT_TRUE(StartScreen());
    WritePicture("P.BMP", 1, 1, 0xFFFFFF);
    for (int i = 0; i < kDrawObjectCount - kFirstGameSlot; ++i)
        ASSERT_EQ(elDraw::LoadObject("P.BMP", 1), 4 + i);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(elDraw::LoadObject("P.BMP", 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::LoadObject : オブジェクト数が多過ぎます");
    EXPECT_EQ(elDraw::CreateObject(4, 4, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::CreateObject : オブジェクト数が多過ぎます");
    elDraw::FreeObject(300);
    EXPECT_EQ(DrawObject[300].surface, nullptr);
    EXPECT_EQ(elDraw::CreateObject(4, 4, 1), 300);
}

TEST_F(DrawObjectsTest, AFailedLoadKeepsItsSlotNamedButEmptySoLaterNumbersHold) {
    ASSERT_TRUE(StartScreen());
    WritePicture("GOOD.BMP", 2, 2, 0xFFFFFF);
    WriteFile("BAD.BMP", Bytes{'B', 'M', 1, 2, 3});
    EXPECT_EQ(elDraw::LoadObject("GOOD.BMP", 1), 4);
    EXPECT_EQ(elDraw::LoadObject("BAD.BMP", 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::LoadObject : BMPファイルを読み込めません");
    EXPECT_STREQ(DrawObject[5].name, "BAD.BMP");
    EXPECT_EQ(DrawObject[5].surface, nullptr);
    EXPECT_EQ(elDraw::LoadObject("GOOD.BMP", 1), 6);
    // Restores, releases and blits pass over the empty slot.
    headless::LoseAllSurfaces();
    elDraw::RestoreSurfaces();
    EXPECT_EQ(elDraw::Draw(0, 0, 5, 0, 0, 2, 2), 0);
    EXPECT_EQ(elDraw::DrawHalfTransparent(0, 0, 5, 0, 0, 2, 2), 0);
    elDraw::FreeObject(5);
    EXPECT_EQ(elDraw::SwapObject("MISSING.BMP", 6, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::SwapObject : BMPファイルを読み込めません");
    EXPECT_EQ(DrawObject[6].surface, nullptr);  // released, not left dangling
    EXPECT_STREQ(DrawObject[6].name, "MISSING.BMP");
}

TEST_F(DrawObjectsTest, ADamagedCompressedPictureIsRefusedAndTheFileIsNamedBesideTheBox) {
    ASSERT_TRUE(StartScreen());
    const Bytes palette = bmp_builder::Palette({0, 0xFF0000});
    // RLE8, 2 x 1, whose run of 3 passes the row's end.
    WriteFile("IMAGE/RUN.BMP",
              bmp_builder::File(bmp_builder::InfoHeader(2, 1, 8, 1, 2), palette, {3, 1, 0, 1}));
    EXPECT_EQ(elDraw::LoadObject("IMAGE/RUN.BMP", 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::LoadObject : BMPファイルを読み込めません");
    const std::string damaged = platform_common::UnreadablePictureNote();
    EXPECT_NE(damaged.find("IMAGE/RUN.BMP: not a BMP picture"), std::string::npos) << damaged;
    platform_common::TakeUnreadablePictureNote();

    EXPECT_EQ(elDraw::LoadObject("IMAGE/GONE.BMP", 1), 0);
    const std::string missing = platform_common::UnreadablePictureNote();
    EXPECT_NE(missing.find("IMAGE/GONE.BMP: No such file"), std::string::npos) << missing;
    // A picture that loads leaves nothing to name.
    WriteFile("IMAGE/RUN.BMP",
              bmp_builder::File(bmp_builder::InfoHeader(2, 1, 8, 1, 2), palette, {2, 1, 0, 1}));
    EXPECT_EQ(elDraw::LoadObject("IMAGE/RUN.BMP", 1), 6);
    EXPECT_STREQ(platform_common::UnreadablePictureNote(), "");
    EXPECT_EQ(Pixel(6, 1, 0), 0xF800);
}

TEST_F(DrawObjectsTest, CreateObjectRefusesASurfaceThatCannotBeMade) {
    ASSERT_TRUE(StartScreen());
    EXPECT_EQ(elDraw::CreateObject(0, 5, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::CreateObject : スプライトを作成できません");
    EXPECT_STREQ(DrawObject[4].name, "*");
    EXPECT_EQ(elDraw::CreateObject(5, 5, 1), 5);
}

TEST_F(DrawObjectsTest, AfterASurfaceLossPicturesAreReloadedIntoTheirSlotsWithTheirKeys) {
    ASSERT_TRUE(StartScreen());
    WritePicture("A.BMP", 2, 2, 0xFF0000);
    WritePicture("B.BMP", 2, 2, 0x0000FF);
    ASSERT_EQ(elDraw::LoadObject("A.BMP", 1), 4);
    elDraw::SetDefaultColorKey(RGB(0, 0, 255));
    ASSERT_EQ(elDraw::LoadObject("B.BMP", 1), 5);
    elDraw::SetDefaultColorKey(RGB(0, 0, 0));
    const int made = elDraw::CreateObject(2, 2, 1);
    ASSERT_EQ(made, 6);
    EXPECT_EQ(DrawObject[5].colorKey, static_cast<int>(RGB(0, 0, 255)));
    headless::LoseAllSurfaces();
    // The next blit meets the lost surface and restores everything.
    EXPECT_EQ(elDraw::Draw(0, 0, 4, 0, 0, 2, 2), DDERR_SURFACELOST);
    EXPECT_EQ(Pixel(4, 1, 1), 0xF800);
    EXPECT_EQ(Pixel(5, 1, 1), 0x001F);
    EXPECT_EQ(DrawObject[4].colorKey, 0);
    EXPECT_EQ(DrawObject[5].colorKey, static_cast<int>(RGB(0, 0, 255)));
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    DrawObject[5].surface->GetSurfaceDesc(&desc);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceLowValue, 0x001Fu);
    // Reloads use the reload mode: the driver's memory.
    EXPECT_EQ(desc.ddsCaps.dwCaps, DDSCAPS_OFFSCREENPLAIN);
    EXPECT_STREQ(DrawObject[6].name, "*");
    EXPECT_EQ(DrawObject[6].surface->IsLost(), DD_OK);
    EXPECT_EQ(elDraw::State.backBuffer->IsLost(), DD_OK);
    EXPECT_EQ(DrawObject[kTransitionSlot].surface->IsLost(), DD_OK);
    EXPECT_EQ(elDraw::Draw(0, 0, 4, 0, 0, 2, 2), DD_OK);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(DrawObjectsTest, KeyFromPixelAndMatchedColours) {
    ASSERT_TRUE(StartScreen());
    WriteFile("K.BMP", bmp_builder::File24(2, 1, {0x00FF00, 0xFF0000}));
    elDraw::State.keyFromPixel = 1;
    ASSERT_EQ(elDraw::LoadObject("K.BMP", 1), 4);
    EXPECT_EQ(DrawObject[4].colorKey, -1);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    DrawObject[4].surface->GetSurfaceDesc(&desc);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceLowValue, 0x07E0u);
    EXPECT_EQ(elDraw::MatchSurfaceColor(DrawObject[4].surface, RGB(255, 255, 255)), 0xFFFFu);
    EXPECT_EQ(Pixel(4, 0, 0), 0x07E0);  // put back
    EXPECT_EQ(elDraw::MatchSurfaceColor(nullptr, 0), CLR_INVALID);
    headless::LoseAllSurfaces();
    EXPECT_EQ(elDraw::MatchSurfaceColor(DrawObject[4].surface, 0), CLR_INVALID);
}

// Pack files.
Bytes PackRecord(int width, int height, const std::string& name, const std::vector<int>& pixels) {
    Bytes b;
    bmp_builder::Put16(b, width);
    bmp_builder::Put16(b, height);
    b.insert(b.end(), name.begin(), name.end());
    b.push_back(0);
    for (int p : pixels) bmp_builder::Put16(b, p);
    return b;
}

Bytes Join(const Bytes& a, const Bytes& b) {
    Bytes r = a;
    r.insert(r.end(), b.begin(), b.end());
    return r;
}

TEST_F(DrawObjectsTest, PackRequestsInLowerCaseFindUpperCaseRecords) {
    ASSERT_TRUE(StartScreen());
    WriteFile("DATA.PAK",
              Join(PackRecord(1, 1, "OTHER", {0x7FFF}), PackRecord(2, 1, "SHIP", {0x7C00, 0x001F})));
    elDraw::SetPackFileName("DATA.PAK");
    ASSERT_EQ(elDraw::CreateObject(1, 1, 1), 4);
    const int slot = elDraw::SwapPack("ship", 4, 1);
    // The given slot is freed, and the result is the first free slot.
    EXPECT_EQ(slot, 4);
    EXPECT_STREQ(DrawObject[slot].name, "SHIP");
    EXPECT_EQ(DrawObject[slot].fromPack, 1);
    EXPECT_EQ(DrawObject[slot].width, 2);
    EXPECT_EQ(Pixel(slot, 0, 0), 0xF800);  // X1R5G5B5 into 5-6-5
    EXPECT_EQ(Pixel(slot, 1, 0), 0x001F);
    EXPECT_EQ(DrawObject[5].name[0], '\0');  // the temporary is gone
    EXPECT_TRUE(headless::MessageBoxes().empty());
    // A lost pack picture is reloaded from the pack.
    headless::LoseAllSurfaces();
    elDraw::RestoreSurfaces();
    EXPECT_EQ(Pixel(4, 0, 0), 0xF800);
    EXPECT_STREQ(DrawObject[4].name, "SHIP");
}

TEST_F(DrawObjectsTest, BadPackFilesAreReportedWithoutReadingPastTheirEnd) {
    ASSERT_TRUE(StartScreen());
    EXPECT_EQ(elDraw::SwapPack("SHIP", 4, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::SwapPack : パックファイル名が指定されていません");
    elDraw::SetPackFileName("DATA.PAK");
    EXPECT_EQ(elDraw::SwapPack("SHIP", 4, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::SwapPack : パックファイル名が指定されていません");
    const std::string noBmp = "elDraw::SwapPack : BMPファイルを読み込めません";
    struct Case {
        const char* what;
        Bytes file;
    } cases[] = {
        {"not in the pack", PackRecord(1, 1, "OTHER", {1})},
        {"name without terminator", Bytes{1, 0, 1, 0, 'S', 'H', 'I', 'P'}},
        {"128-character name", PackRecord(1, 1, std::string(128, 'S'), {1})},
        {"pixels past the end", Join(PackRecord(1, 1, "SHIP", {}), Bytes{1})},
        {"huge record skipped past the end",
         Join(PackRecord(0xFFFF, 0xFFFF, "X", {1, 2}), PackRecord(1, 1, "SHIP", {1}))},
        {"short size", Bytes{1, 0, 1}},
        {"empty", Bytes{}},
    };
    for (const Case& c : cases) {
        WriteFile("DATA.PAK", c.file);
        EXPECT_EQ(elDraw::SwapPack("SHIP", 4, 1), 0) << c.what;
        EXPECT_EQ(LastBox(), noBmp) << c.what;
    }
    EXPECT_EQ(DrawObject[4].name[0], '\0');
    // A 127-character name is read whole, and the record after it is found.
    WriteFile("DATA.PAK", Join(PackRecord(1, 1, std::string(127, 'S'), {1}), PackRecord(1, 1, "SHIP", {1})));
    EXPECT_EQ(elDraw::SwapPack("SHIP", 4, 1), 4);
    // A name that could not be kept in a slot is refused.
    EXPECT_EQ(elDraw::SwapPack(std::string(31, 'S').c_str(), 4, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::SwapPack : ファイル名またはリソース名が長すぎます");
    // A record of no pixels makes no picture, and is a failure, not slot 0.
    WriteFile("DATA.PAK", PackRecord(0, 3, "EMPTY", {}));
    EXPECT_EQ(elDraw::SwapPack("EMPTY", 4, 1), 0);
    EXPECT_EQ(LastBox(), "elDraw::CreateObject : スプライトを作成できません");
}

TEST_F(DrawObjectsTest, RestoringIsNotReenteredFromAReload) {
    ASSERT_TRUE(StartScreen());
    WriteFile("DATA.PAK", PackRecord(1, 1, "A", {0x7C00}));
    elDraw::SetPackFileName("DATA.PAK");
    ASSERT_NE(elDraw::SwapPack("A", 4, 1), 0);
    headless::LoseAllSurfaces();
    elDraw::State.restoring = 1;  // a restore already running
    elDraw::RestoreSurfaces();
    EXPECT_EQ(DrawObject[4].surface->IsLost(), DDERR_SURFACELOST);
    elDraw::State.restoring = 0;
    elDraw::RestoreSurfaces();
    EXPECT_EQ(elDraw::State.restoring, 0);
    EXPECT_EQ(Pixel(4, 0, 0), 0xF800);
}

}  // namespace
