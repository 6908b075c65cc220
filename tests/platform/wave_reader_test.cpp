#include <gtest/gtest.h>

#include <cstring>

#include "platform/mmio.h"
#include "support/audio_files.h"

namespace {

Bytes Chunk(const char* id, const Bytes& body) {
    Bytes b(8);
    std::memcpy(b.data(), id, 4);
    PutLE32(b, 4, static_cast<std::uint32_t>(body.size()));
    Append(b, body);
    if (body.size() % 2) b.push_back(0);
    return b;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) Append(b, c);
    PutLE32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

Bytes PcmFormat() {
    Bytes f(16);
    PutLE16(f, 0, 1);
    PutLE16(f, 2, 1);
    PutLE32(f, 4, 22050);
    PutLE32(f, 8, 44100);
    PutLE16(f, 12, 2);
    PutLE16(f, 14, 16);
    return f;
}

bool Parse(const Bytes& b, WaveLayout* out) {
    return ParseWaveImage(b.data(), b.size(), out);
}

TEST(WaveReader, FindsFormatAndDataPastOtherChunks) {
    Bytes b = Riff({Chunk("LIST", {1, 2, 3}), Chunk("fmt ", PcmFormat()), Chunk("fact", {0, 0, 0, 0}),
                    Chunk("data", {9, 8, 7, 6})});
    WaveLayout w{};
    ASSERT_TRUE(Parse(b, &w));
    EXPECT_EQ(w.format.wFormatTag, 1);
    EXPECT_EQ(w.format.nSamplesPerSec, 22050u);
    EXPECT_EQ(w.format.nBlockAlign, 2);
    EXPECT_EQ(w.extraBytes, 0u);
    ASSERT_EQ(w.dataBytes, 4u);
    EXPECT_EQ(b[w.dataOffset], 9);  // the odd "LIST" chunk was padded to an even size

    Bytes made = MakeSineWave(8000, 0.01, 440, 0.5);
    ASSERT_TRUE(Parse(made, &w));
    EXPECT_EQ(w.dataOffset, 44u);
    EXPECT_EQ(w.dataBytes, 160u);
}

TEST(WaveReader, ExtraFormatBytesAreReadOnlyWhenTheChunkHoldsThem) {
    Bytes f = PcmFormat();
    PutLE16(f, 0, 2);  // not PCM
    Bytes sixteen = Riff({Chunk("fmt ", f), Chunk("data", {1, 2})});
    WaveLayout w{};
    ASSERT_TRUE(Parse(sixteen, &w));  // no size word in the chunk: no extra bytes
    EXPECT_EQ(w.format.cbSize, 0);

    Bytes withExtra = f;
    withExtra.insert(withExtra.end(), {4, 0, 0xA, 0xB, 0xC, 0xD});
    ASSERT_TRUE(Parse(Riff({Chunk("fmt ", withExtra), Chunk("data", {1, 2})}), &w));
    EXPECT_EQ(w.format.cbSize, 4);
    EXPECT_EQ(w.extraBytes, 4u);

    Bytes claimsMore = f;
    claimsMore.insert(claimsMore.end(), {200, 0, 0xA, 0xB});  // says 200, holds 2
    EXPECT_FALSE(Parse(Riff({Chunk("fmt ", claimsMore), Chunk("data", {1, 2})}), &w));
}

TEST(WaveReader, BadImagesFailWithoutReadingPastTheirEnd) {
    WaveLayout w{};
    EXPECT_FALSE(ParseWaveImage(nullptr, 0, &w));
    Bytes good = MakeSineWave(8000, 0.01, 440, 0.5);
    // Every truncation of a good file: the cut "data" chunk and the cut headers all fail.
    for (std::size_t n = 0; n < good.size(); ++n) {
        Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(Parse(cut, &w)) << n;
    }
    Bytes shortFormat = Riff({Chunk("fmt ", Bytes(14)), Chunk("data", {1, 2})});
    EXPECT_FALSE(Parse(shortFormat, &w));
    Bytes dataFirst = Riff({Chunk("data", {1, 2}), Chunk("fmt ", PcmFormat())});
    EXPECT_FALSE(Parse(dataFirst, &w));
    Bytes noData = Riff({Chunk("fmt ", PcmFormat())});
    EXPECT_FALSE(Parse(noData, &w));
    Bytes notWave = good;
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    EXPECT_FALSE(Parse(notWave, &w));
    Bytes hugeChunk = good;
    PutLE32(hugeChunk, 40, 0xFFFFFFF0u);
    EXPECT_FALSE(Parse(hugeChunk, &w));
    // A RIFF size smaller than the chunks it holds hides the chunks past it.
    Bytes riffTooSmall = good;
    PutLE32(riffTooSmall, 4, 20);
    EXPECT_FALSE(Parse(riffTooSmall, &w));
    // A RIFF size larger than the file is read up to the end of the file.
    Bytes riffTooLarge = good;
    PutLE32(riffTooLarge, 4, 0xFFFFFFFFu);
    EXPECT_TRUE(Parse(riffTooLarge, &w));
}

TEST(WaveReader, FileImagesAreReadWholeOrNotAtAll) {
    ScratchFolder folder;
    folder.Write("a.wav", {1, 2, 3});
    folder.Write("empty.wav", {});
    FileImage image{};
    ASSERT_TRUE(mmioReadFileImage((folder.Path() + "a.wav").c_str(), &image));
    EXPECT_EQ(image.size, 3u);
    EXPECT_EQ(image.bytes[2], 3);
    mmioFreeFileImage(&image);
    EXPECT_EQ(image.bytes, nullptr);
    ASSERT_TRUE(mmioReadFileImage((folder.Path() + "empty.wav").c_str(), &image));
    EXPECT_EQ(image.size, 0u);
    mmioFreeFileImage(&image);
    EXPECT_FALSE(mmioReadFileImage((folder.Path() + "missing.wav").c_str(), &image));
    EXPECT_FALSE(mmioReadFileImage(folder.Path().c_str(), &image));  // a folder
    EXPECT_FALSE(mmioReadFileImage("", &image));
    EXPECT_EQ(image.bytes, nullptr);
}

}  // namespace
