#include "platform/common/bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/bmp_builder.h"
#include "platform/gdi.h"
#include "platform/headless.h"
#include "platform/resources.h"
#include "support/fresh_process.h"

namespace {

using namespace bmp_builder;
using platform_common::DecodeBmpFile;
using platform_common::DecodedImage;
using platform_common::DecodePackedDib;
// The decoders read only what they are given; loading images also goes through the platform's objects.
using BmpReader = FreshProcessTest;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

DecodedImage Decode(const Bytes& file) {
    DecodedImage image;
    EXPECT_TRUE(DecodeBmpFile(file.data(), file.size(), &image));
    return image;
}

bool Refused(const Bytes& file) {
    DecodedImage image;
    return !DecodeBmpFile(file.data(), file.size(), &image);
}

TEST_F(BmpReader, PalettedDepthsReadBottomUpRowsIntoTopDownPixels) {
    const Bytes pal2 = Palette({0x000000, kWhite});
    // 1 bit: rows are 4 bytes; the file's first row is the picture's bottom row.
    DecodedImage one = Decode(File(InfoHeader(3, 2, 1), pal2, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}));
    ASSERT_EQ(one.width, 3);
    ASSERT_EQ(one.height, 2);
    EXPECT_EQ(one.pixels, (std::vector<std::uint32_t>{0, kWhite, 0, kWhite, 0, kWhite}));

    const Bytes pal16 = Palette({0, kRed, kGreen, kBlue});
    DecodedImage four = Decode(File(InfoHeader(3, 1, 4, 0, 4), pal16, {0x12, 0x30, 0, 0}));
    EXPECT_EQ(four.pixels, (std::vector<std::uint32_t>{kRed, kGreen, kBlue}));

    // 8 bits, top-down (negative height); an index past the table reads black.
    DecodedImage eight =
        Decode(File(InfoHeader(2, -2, 8, 0, 3), Palette({0, kRed, kGreen}), {1, 2, 0, 0, 2, 9, 0, 0}));
    EXPECT_EQ(eight.pixels, (std::vector<std::uint32_t>{kRed, kGreen, kGreen, 0}));
}

TEST_F(BmpReader, DirectColourDepthsAndBitfields) {
    // 16 bits without masks is 5-5-5.
    DecodedImage d16 = Decode(File(InfoHeader(2, 1, 16), {}, {0x00, 0x7C, 0x1F, 0x00}));
    EXPECT_EQ(d16.pixels, (std::vector<std::uint32_t>{kRed, kBlue}));
    DecodedImage d24 = Decode(File24(2, 2, {kRed, kGreen, kBlue, kWhite}));
    EXPECT_EQ(d24.pixels, (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kWhite}));
    // 24 bits in rows of four pixels, which need no padding: each pixel keeps only its own three bytes
    // though the next pixel's follow at once, and the file may end with the last pixel's last byte.
    const std::vector<std::uint32_t> rows = {0x123456, 0xABCDEF, 0xFFFFFF, 0x010203,
                                             0x000000, 0xFEDCBA, 0x808080, 0x7F00FF};
    const Bytes tight = File24(4, 2, rows);
    const Bytes exact(tight.begin(), tight.end());  // a block of exactly the file's size
    DecodedImage d24tight = Decode(exact);
    EXPECT_EQ(d24tight.pixels, rows);
    DecodedImage d32 = Decode(File(InfoHeader(1, 1, 32), {}, {0x30, 0x20, 0x10, 0x99}));
    EXPECT_EQ(d32.pixels, (std::vector<std::uint32_t>{0x102030}));
    // 5-6-5 bit fields: the three masks follow a 40-byte header.
    Bytes masks;
    Put32(masks, 0xF800);
    Put32(masks, 0x07E0);
    Put32(masks, 0x001F);
    DecodedImage bf = Decode(File(InfoHeader(2, 1, 16, 3), masks, {0xE0, 0x07, 0x1F, 0x00}));
    EXPECT_EQ(bf.pixels, (std::vector<std::uint32_t>{kGreen, kBlue}));
    // A mask that is not one run of bits is refused.
    Bytes broken;
    Put32(broken, 0xF0F0);
    Put32(broken, 0x0F00);
    Put32(broken, 0x000F);
    EXPECT_TRUE(Refused(File(InfoHeader(1, 1, 16, 3), broken, {0, 0, 0, 0})));
}

TEST_F(BmpReader, RunLengthBitmapsWithEscapes) {
    const Bytes pal = Palette({0, kRed, kGreen, kBlue});
    // RLE8, 4 x 2: bottom row run of 4 x index 1; top row: absolute 3 pixels (padded), then end.
    DecodedImage rle8 = Decode(File(InfoHeader(4, 2, 8, 1, 4), pal, {4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 1}));
    EXPECT_EQ(rle8.pixels, (std::vector<std::uint32_t>{kGreen, kBlue, kRed, 0, kRed, kRed, kRed, kRed}));
    // A delta skips pixels, which keep colour 0 of the table.
    DecodedImage delta = Decode(File(InfoHeader(3, 2, 8, 1, 4), pal, {0, 2, 1, 1, 1, 3, 0, 1}));
    EXPECT_EQ(delta.pixels, (std::vector<std::uint32_t>{0, kBlue, 0, 0, 0, 0}));
    // RLE4: a run alternates its two nibbles; an absolute run of 3 nibbles takes 2 bytes.
    DecodedImage rle4 = Decode(File(InfoHeader(4, 1, 4, 2, 4), pal, {3, 0x12, 0, 1}));
    EXPECT_EQ(rle4.pixels, (std::vector<std::uint32_t>{kRed, kGreen, kRed, 0}));
    DecodedImage abs4 = Decode(File(InfoHeader(3, 1, 4, 2, 4), pal, {0, 3, 0x32, 0x10, 0, 1}));
    EXPECT_EQ(abs4.pixels, (std::vector<std::uint32_t>{kBlue, kGreen, kRed}));
}

TEST_F(BmpReader, RunLengthDeltasAndRowEndsLandExactly) {
    const Bytes pal = Palette({0, kRed, kGreen, kBlue});
    // RLE8, 4 x 3 from the bottom row: two reds, a delta of (1, 1) to column 3 of the middle row, a
    // green there, a row end, then four pixels in absolute mode filling the top row, the end mark.
    DecodedImage rle8 =
        Decode(File(InfoHeader(4, 3, 8, 1, 4), pal, {2, 1, 0, 2, 1, 1, 1, 2, 0, 0, 0, 4, 1, 2, 3, 1, 0, 1}));
    EXPECT_EQ(rle8.pixels, (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kRed,  //
                                                       0, 0, 0, kGreen,            //
                                                       kRed, kRed, 0, 0}));
    // RLE4, 5 x 2: a run that fills the bottom row to its last column, a row end, three nibbles in
    // absolute mode, a delta over one pixel, a last blue; a delta may reach the last row's end.
    DecodedImage rle4 =
        Decode(File(InfoHeader(5, 2, 4, 2, 4), pal,
                    {5, 0x12, 0, 0, 0, 3, 0x32, 0x10, 0, 2, 1, 0, 1, 0x30, 0, 2, 0, 1, 0, 1}));
    EXPECT_EQ(rle4.pixels, (std::vector<std::uint32_t>{kBlue, kGreen, kRed, 0, kBlue,  //
                                                       kRed, kGreen, kRed, kGreen, kRed}));
    // A row end after the last row, then the end mark, as many writers close a picture.
    EXPECT_EQ(Decode(File(InfoHeader(1, 1, 8, 1, 4), pal, {1, 2, 0, 0, 0, 1})).pixels,
              (std::vector<std::uint32_t>{kGreen}));
}

TEST_F(BmpReader, RunLengthDataThatLeavesThePictureIsRefused) {
    const Bytes pal = Palette({0, kRed, kGreen, kBlue});
    const auto rle8 = [&](int w, int h, const Bytes& bits) {
        return File(InfoHeader(w, h, 8, 1, 4), pal, bits);
    };
    const auto rle4 = [&](int w, int h, const Bytes& bits) {
        return File(InfoHeader(w, h, 4, 2, 4), pal, bits);
    };
    EXPECT_TRUE(Refused(rle8(2, 1, {200, 3, 0, 1})));            // a run past the row's end
    EXPECT_TRUE(Refused(rle8(2, 1, {1, 3, 2, 3, 0, 1})));        // a second run past it
    EXPECT_TRUE(Refused(rle8(2, 1, {0, 3, 1, 1, 1, 0, 0, 1})));  // an absolute run past it
    EXPECT_TRUE(Refused(rle8(1, 1, {1, 1, 0, 0, 1, 1, 0, 1})));  // a run above the top row
    EXPECT_TRUE(Refused(rle8(1, 1, {0, 0, 0, 3, 1, 0, 0, 1})));  // absolute, above the top row
    EXPECT_TRUE(Refused(rle8(3, 2, {0, 2, 4, 0, 0, 1})));        // a delta past the right edge
    EXPECT_TRUE(Refused(rle8(3, 2, {0, 2, 0, 3, 0, 1})));        // a delta past the top
    EXPECT_TRUE(Refused(rle8(3, 2, {0, 2, 2, 1, 2, 1, 0, 1})));  // a run after a delta, past the edge
    EXPECT_TRUE(Refused(rle8(1, 1, {0, 0, 0, 0, 0, 1})));        // row ends past the top
    EXPECT_TRUE(Refused(rle8(2, 1, {2, 1, 0, 0})));              // no end mark
    EXPECT_TRUE(Refused(rle8(4, 1, {0, 4, 1, 1})));              // an absolute run past the data
    EXPECT_TRUE(Refused(rle4(3, 1, {4, 0x12, 0, 1})));           // an RLE4 run past the row's end
    EXPECT_TRUE(Refused(rle4(3, 1, {0, 4, 0x12, 0x12, 0, 1})));  // an RLE4 absolute run past it
    EXPECT_TRUE(Refused(rle4(3, 1, {0, 5, 0x12, 0x12})));        // nibbles past the data
    // The same pictures kept inside their edges load.
    EXPECT_FALSE(Refused(rle8(2, 1, {2, 3, 0, 1})));
    EXPECT_FALSE(Refused(rle8(3, 2, {0, 2, 3, 0, 0, 1})));
    EXPECT_FALSE(Refused(rle8(3, 2, {0, 2, 0, 2, 0, 1})));
    EXPECT_FALSE(Refused(rle4(4, 1, {4, 0x12, 0, 1})));
}

TEST_F(BmpReader, DeepResourcesSkipTheColoursTheyDeclare) {
    // A resource has no file header to say where its bits start: they follow the declared colours.
    Bytes dib24 = InfoHeader(1, 1, 24, 0, 2);
    dib24.insert(dib24.end(), {0xAA, 0xAA, 0xAA, 0, 0xBB, 0xBB, 0xBB, 0});
    dib24.insert(dib24.end(), {0xFF, 0, 0, 0});
    DecodedImage image;
    ASSERT_TRUE(DecodePackedDib(dib24.data(), dib24.size(), &image));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{kBlue}));

    Bytes dib16 = InfoHeader(2, 1, 16, 0, 1);
    dib16.insert(dib16.end(), {0xAA, 0xAA, 0xAA, 0});
    dib16.insert(dib16.end(), {0x00, 0x7C, 0xE0, 0x03});  // 5-5-5 red, green
    ASSERT_TRUE(DecodePackedDib(dib16.data(), dib16.size(), &image));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{kRed, kGreen}));

    // With bit fields the masks come first, then the colours, then the bits.
    Bytes fields = InfoHeader(1, 1, 16, 3, 1);
    Put32(fields, 0xF800);
    Put32(fields, 0x07E0);
    Put32(fields, 0x001F);
    fields.insert(fields.end(), {0xAA, 0xAA, 0xAA, 0});
    fields.insert(fields.end(), {0x1F, 0x00, 0, 0});
    ASSERT_TRUE(DecodePackedDib(fields.data(), fields.size(), &image));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{kBlue}));

    // Declared colours that run past the end leave no bits: refused.
    Bytes cut = InfoHeader(1, 1, 24, 0, 3);
    cut.insert(cut.end(), {0xFF, 0, 0, 0, 0xFF, 0, 0, 0});
    EXPECT_FALSE(DecodePackedDib(cut.data(), cut.size(), &image));

    // A file says where its bits start, whatever it declares.
    Bytes header = InfoHeader(1, 1, 24, 0, 2);
    EXPECT_EQ(Decode(File(header, Palette({0xAAAAAA, 0xBBBBBB}), {0xFF, 0, 0, 0})).pixels,
              (std::vector<std::uint32_t>{kBlue}));
}

TEST_F(BmpReader, CoreAndLaterHeadersAndPackedResources) {
    Bytes core;
    Put32(core, 12);
    Put16(core, 2);
    Put16(core, 1);
    Put16(core, 1);
    Put16(core, 8);
    Bytes table = {0, 0, 0, 0, 0, 255};  // BGR triples: black, red
    table.resize(3 * 256, 0);
    EXPECT_EQ(Decode(File(core, table, {1, 0, 0, 0})).pixels, (std::vector<std::uint32_t>{kRed, 0}));

    Bytes v5 = InfoHeader(1, 1, 32, 3);
    v5[0] = 124;
    Put32(v5, 0x0000FF);  // red in the low byte
    Put32(v5, 0x00FF00);
    Put32(v5, 0xFF0000);
    v5.resize(124, 0);
    EXPECT_EQ(Decode(File(v5, {}, {0x11, 0x22, 0x33, 0})).pixels, (std::vector<std::uint32_t>{0x112233}));

    Bytes dib = InfoHeader(1, 1, 24);
    dib.insert(dib.end(), {0xFF, 0, 0, 0});
    DecodedImage packed;
    ASSERT_TRUE(DecodePackedDib(dib.data(), dib.size(), &packed));
    EXPECT_EQ(packed.pixels, (std::vector<std::uint32_t>{kBlue}));
}

TEST_F(BmpReader, TruncatedAndMalformedFilesAreRefused) {
    const Bytes good = File24(4, 4, std::vector<std::uint32_t>(16, kRed));
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        Bytes part(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_TRUE(Refused(part)) << "cut at " << cut;
    }
    EXPECT_TRUE(Refused(File(InfoHeader(0, 1, 24), {}, Bytes(4))));              // no width
    EXPECT_TRUE(Refused(File(InfoHeader(1, 0, 24), {}, Bytes(4))));              // no height
    EXPECT_TRUE(Refused(File(InfoHeader(1, INT32_MIN, 24), {}, Bytes(4))));      // absurd height
    EXPECT_TRUE(Refused(File(InfoHeader(1 << 20, 1 << 20, 24), {}, Bytes(4))));  // too large
    EXPECT_TRUE(Refused(File(InfoHeader(1, 1, 7), {}, Bytes(4))));               // no such depth
    EXPECT_TRUE(Refused(File(InfoHeader(1, 1, 24, 4), {}, Bytes(4))));           // embedded JPEG
    EXPECT_TRUE(Refused(File(InfoHeader(1, 1, 24, 1), {}, Bytes(4))));           // RLE8 needs 8 bits
    EXPECT_TRUE(Refused(File(InfoHeader(2, -2, 8, 1), Palette({0}), {0, 1})));   // RLE is bottom-up
    const Bytes pal = Palette({0, kRed});
    EXPECT_TRUE(Refused(File(InfoHeader(4, 1, 8, 1, 2), pal, {4, 1, 0, 0})));    // no end mark
    EXPECT_TRUE(Refused(File(InfoHeader(4, 1, 8, 1, 2), pal, {0, 200, 1, 1})));  // absolute past end
    EXPECT_TRUE(Refused(File(InfoHeader(4, 1, 8, 1, 2), pal, {0, 2, 1})));       // delta cut short
    // Bits offset before the end of the headers, or past the file.
    Bytes early = good;
    early[10] = 20;
    early[11] = early[12] = early[13] = 0;
    EXPECT_TRUE(Refused(early));
    Bytes late = good;
    late[12] = 0x10;
    EXPECT_TRUE(Refused(late));
    // A colour table running past the end.
    EXPECT_TRUE(Refused(File(InfoHeader(1, 1, 8, 0, 256), Bytes(40), {})));
}

TEST_F(BmpReader, LoadImageReadsFilesAndBitmapResources) {
    const Bytes file = File24(2, 1, {kRed, kBlue});
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "qv_bmp_reader_test.bmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);

    HBITMAP bitmap =
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 2);
    EXPECT_EQ(bm.bmHeight, 1);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 2, 0), CLR_INVALID);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(bitmap));
    std::filesystem::remove(path);
    EXPECT_EQ(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);

    // Resources: a whole file or a packed bitmap, found by name without regard to case.
    Bytes dib(file.begin() + 14, file.end());
    ASSERT_TRUE(RegisterResource(RT_BITMAP_TYPE, "SHIPFILE", file.data(), file.size()));
    ASSERT_TRUE(RegisterResource(RT_BITMAP_TYPE, "SHIPDIB", dib.data(), dib.size()));
    HBITMAP fromFile =
        LoadImageA(GetModuleHandleA(nullptr), "shipfile", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    HBITMAP fromDib =
        LoadImageA(GetModuleHandleA(nullptr), "ShipDib", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    EXPECT_NE(fromFile, nullptr);
    EXPECT_NE(fromDib, nullptr);
    EXPECT_EQ(LoadImageA(nullptr, "NOSUCH", IMAGE_BITMAP, 0, 0, 0), nullptr);
    UnregisterResource(RT_BITMAP_TYPE, "SHIPFILE");
    UnregisterResource(RT_BITMAP_TYPE, "SHIPDIB");
    DeleteObject(fromFile);
    DeleteObject(fromDib);
}

}  // namespace
