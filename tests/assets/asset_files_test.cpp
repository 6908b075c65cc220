// Checks the generated data files beside the programs: every file of the load list,
// in the format and at the size the game reads, with art that keeps its transparency
// rules, sounds and music that parse, and a generator that repeats itself exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include <unistd.h>

#include "asset_list.h"
#include "file_readers.h"

namespace fs = std::filesystem;
using namespace assettest;
using assetgen::kPictureLoadList;

namespace {

const fs::path kDataDir = QV_DATA_DIR;

Bitmap loadPicture(const std::string& path) {
    std::string why;
    auto bmp = parseBmp24(readFile(kDataDir / path), why);
    EXPECT_TRUE(bmp) << path << ": " << why;
    return bmp ? *bmp : Bitmap{};
}

// Fraction of pixels in a cell that are not black.
double coverage(const Bitmap& b, int x0, int y0, int w, int h) {
    int drawn = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) drawn += !b.at(x, y).black();
    return double(drawn) / (w * h);
}

double brightness(const Bitmap& b, int x0, int y0, int w, int h) {
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) sum += b.at(x, y).sum();
    return sum;
}

double rowDifference(const Bitmap& b, int y0, int y1) {
    double sum = 0;
    for (int x = 0; x < b.width; ++x) {
        const Pixel &p = b.at(x, y0), &q = b.at(x, y1);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / b.width;
}

}  // namespace

// --- Pictures -----------------------------------------------------------------------------

TEST(Pictures, EveryLoadedPictureIsA24BitBmpOfAtLeastItsSize) {
    for (const auto& spec : kPictureLoadList) {
        SCOPED_TRACE(spec.path);
        ASSERT_TRUE(fs::is_regular_file(kDataDir / spec.path));
        const Bitmap b = loadPicture(spec.path);
        EXPECT_GE(b.width, spec.minWidth);
        EXPECT_GE(b.height, spec.minHeight);
    }
}

TEST(Pictures, NamesKeepTheirExactCase) {
    // Case matters on this file system; a wrongly cased twin would hide a missing file.
    for (const char* name :
         {"IMAGE/FLZ01_l.BMP", "IMAGE/VAL20w.BMP", "IMAGE/VAL21w.BMP", "IMAGE/VAL30w.BMP"}) {
        EXPECT_TRUE(fs::exists(kDataDir / name)) << name;
    }
    std::set<std::string> listed;
    for (const auto& spec : kPictureLoadList) listed.insert(spec.path);
    EXPECT_EQ(listed.size(), kPictureLoadList.size() - 1);  // one file is loaded twice
    for (const auto& entry : fs::recursive_directory_iterator(kDataDir / "IMAGE")) {
        if (!entry.is_regular_file()) continue;
        const std::string rel = fs::relative(entry.path(), kDataDir).generic_string();
        EXPECT_TRUE(listed.count(rel)) << "unexpected file " << rel;
    }
}

TEST(Pictures, NoVisiblePixelTurnsTransparentInSixteenBits) {
    for (const auto& spec : kPictureLoadList) {
        SCOPED_TRACE(spec.path);
        const Bitmap b = loadPicture(spec.path);
        int lost = 0;
        for (const Pixel& p : b.pixels) {
            if (p.black()) continue;
            const bool zero565 = (p.r >> 3) == 0 && (p.g >> 2) == 0 && (p.b >> 3) == 0;
            const bool zero555 = (p.r >> 3) == 0 && (p.g >> 3) == 0 && (p.b >> 3) == 0;
            lost += zero565 || zero555;
        }
        EXPECT_EQ(lost, 0);
    }
}

TEST(Pictures, DrawnPicturesHaveArtAndTransparentSpace) {
    for (const auto& spec : kPictureLoadList) {
        if (!spec.drawn || std::string(spec.path).find("BBACK8S") != std::string::npos) continue;
        SCOPED_TRACE(spec.path);
        const Bitmap b = loadPicture(spec.path);
        const double c = coverage(b, 0, 0, b.width, b.height);
        EXPECT_GT(c, 0.005);
        EXPECT_LT(c, 0.97);  // keyed pictures need black somewhere
    }
}

struct StripSpec {
    const char* path;
    int cellWidth, cellHeight, cells, rows;
};

TEST(Pictures, EveryCellTheGameReadsIsDrawn) {
    const StripSpec strips[] = {
        {"IMAGE/ZBAK1B.BMP", 60, 60, 10, 1},       {"IMAGE/ZBAK2B.BMP", 80, 80, 10, 1},
        {"IMAGE/ZBAK3B.BMP", 80, 80, 10, 1},       {"IMAGE/ZBAK6B.BMP", 40, 40, 10, 1},
        {"IMAGE/BBAK1B.BMP", 160, 160, 4, 1},      {"IMAGE/GFBAK1.BMP", 60, 60, 7, 2},
        {"IMAGE/MYME1.BMP", 60, 70, 7, 1},         {"IMAGE/SUJI09.BMP", 20, 25, 10, 1},
        {"IMAGE/SFLHV2.BMP", 60, 60, 5, 1},        {"IMAGE/VAL1.BMP", 16, 16, 16, 1},
        {"IMAGE/VAL2.BMP", 16, 16, 16, 1},         {"IMAGE/VAL16241.BMP", 16, 16, 24, 1},
        {"IMAGE/VAL20241.BMP", 20, 20, 24, 1},     {"IMAGE/VAL201.BMP", 20, 20, 7, 1},
        {"IMAGE/VAL402.BMP", 40, 40, 5, 1},        {"IMAGE/VAL405.BMP", 40, 40, 7, 1},
        {"IMAGE/VAL151L.BMP", 30, 30, 2, 1},       {"IMAGE/ZFIRE1.BMP", 20, 70, 20, 1},
        {"IMAGE/ZFIRE2.BMP", 20, 70, 20, 1},       {"IMAGE/ZAKU/SZAK30.BMP", 100, 100, 5, 1},
        {"IMAGE/ZAKU/SZAK31.BMP", 100, 100, 5, 1}, {"IMAGE/ZAKU/SZAK32.BMP", 100, 100, 5, 1},
        {"IMAGE/ZAKU/SZAK33.BMP", 100, 100, 5, 1},
    };
    for (const StripSpec& s : strips) {
        const Bitmap b = loadPicture(s.path);
        for (int row = 0; row < s.rows; ++row)
            for (int cell = 0; cell < s.cells; ++cell)
                EXPECT_GT(coverage(b, cell * s.cellWidth, row * s.cellHeight, s.cellWidth, s.cellHeight), 0.0)
                    << s.path << " cell " << cell << " row " << row;
    }
    // The single used cell of the forward lance.
    EXPECT_GT(coverage(loadPicture("IMAGE/SFLHV1.BMP"), 120, 0, 60, 60), 0.01);
}

TEST(Pictures, HudSheetRegionsAreDrawnOnTheirRows) {
    const Bitmap b = loadPicture("IMAGE/MYMY.BMP");
    for (int d = 0; d <= 9; ++d) EXPECT_GT(coverage(b, 8 + 7 * d, 70, 7, 10), 0.1) << "small digit " << d;
    for (int look = 0; look < 7; ++look)
        EXPECT_GT(coverage(b, 139 + 3 * look, 70, 3, 10), 0.0) << "star " << look;
    EXPECT_GT(coverage(b, 170, 70, 24, 10), 0.2);  // power icon
    EXPECT_GT(coverage(b, 200, 70, 24, 10), 0.2);  // ships-left icon
    EXPECT_GT(coverage(b, 81, 70, 55, 10), 0.5);   // banner
}

TEST(Pictures, DigitsAreAllDifferent) {
    const Bitmap large = loadPicture("IMAGE/SUJI09.BMP");
    const Bitmap small = loadPicture("IMAGE/MYMY.BMP");
    const auto cellKey = [](const Bitmap& b, int x0, int y0, int w, int h) {
        std::string key;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) key += b.at(x, y).sum() > 200 ? '#' : '.';
        return key;
    };
    std::set<std::string> largeShapes, smallShapes;
    for (int d = 0; d <= 9; ++d) {
        largeShapes.insert(cellKey(large, 20 * d, 0, 20, 25));
        smallShapes.insert(cellKey(small, 8 + 7 * d, 70, 7, 10));
    }
    EXPECT_EQ(largeShapes.size(), 10u);
    EXPECT_EQ(smallShapes.size(), 10u);
}

TEST(Pictures, ExplosionsFadeOverTheirFrames) {
    const StripSpec explosions[] = {{"IMAGE/ZBAK1B.BMP", 60, 60, 10, 1},
                                    {"IMAGE/ZBAK2B.BMP", 80, 80, 10, 1},
                                    {"IMAGE/ZBAK3B.BMP", 80, 80, 10, 1},
                                    {"IMAGE/ZBAK6B.BMP", 40, 40, 10, 1}};
    for (const StripSpec& s : explosions) {
        const Bitmap b = loadPicture(s.path);
        const double first = brightness(b, 0, 0, s.cellWidth, s.cellHeight);
        const double last = brightness(b, (s.cells - 1) * s.cellWidth, 0, s.cellWidth, s.cellHeight);
        EXPECT_LT(last, first * 0.5) << s.path;
    }
}

TEST(Pictures, RotatedSpritesStayInsideTheInscribedCircle) {
    // Rotation cuts the corners of the box: anything outside the circle would flicker in and out.
    for (const char* path :
         {"IMAGE/VAL40L.BMP", "IMAGE/VAL40L1.BMP", "IMAGE/VAL40L2.BMP", "IMAGE/VALL301.BMP",
          "IMAGE/VALL302.BMP", "IMAGE/VALL3011.BMP", "IMAGE/VALL3015.BMP", "IMAGE/VALL3016.BMP",
          "IMAGE/VALL3017.BMP", "IMAGE/VALL3018.BMP", "IMAGE/VAL3017A.BMP", "IMAGE/VAL3018A.BMP",
          "IMAGE/ZAKU/SZAK6.BMP", "IMAGE/ZAKU/SZAK6_1.BMP", "IMAGE/ZAKU/SZAK6_2.BMP"}) {
        const Bitmap b = loadPicture(path);
        const double cx = b.width / 2.0, cy = b.height / 2.0, r = std::min(b.width, b.height) / 2.0;
        int outside = 0;
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x)
                outside += !b.at(x, y).black() && std::hypot(x + 0.5 - cx, y + 0.5 - cy) > r;
        EXPECT_EQ(outside, 0) << path;
    }
}

TEST(Pictures, BackgroundTilesJoinWithoutASeam) {
    for (const char* path : {"IMAGE/BACK/BBACK1S.BMP", "IMAGE/BACK/BBACK2S.BMP", "IMAGE/BACK/BBACK3S.BMP",
                             "IMAGE/BACK/BBACK8S.BMP"}) {
        const Bitmap b = loadPicture(path);
        ASSERT_EQ(b.height, 480) << path;
        // The step from the last row to the first must look like any step inside the tile.
        double worstInside = 0;
        for (int y = 0; y + 1 < b.height; ++y)
            worstInside = std::max(worstInside, rowDifference(b, y, y + 1));
        EXPECT_LE(rowDifference(b, b.height - 1, 0), worstInside) << path;
        EXPECT_GT(coverage(b, 40, 0, 360, 480), 0.05) << path;
    }
    // The backdrop shows everywhere; the strips over it leave room for it.
    EXPECT_GT(coverage(loadPicture("IMAGE/BACK/BBACK8S.BMP"), 40, 0, 360, 480), 0.99);
    EXPECT_LT(coverage(loadPicture("IMAGE/BACK/BBACK1S.BMP"), 40, 0, 360, 480), 0.7);
}

TEST(Pictures, TitleMeltsIntoTheSceneAtItsBottom) {
    // The 800x600 screen shows the moving scene under the title's last row: the picture may not end
    // in a straight cut there, nor a few rows higher.
    const Bitmap b = loadPicture("IMAGE/TITLEC.BMP");
    ASSERT_EQ(b.height, 480);
    constexpr int kKeyRows = 4;
    EXPECT_EQ(coverage(b, 0, b.height - kKeyRows, b.width, kKeyRows), 0.0);
    // Over the visible columns, no row covers much more than the next (the row past the end is key).
    const auto shown = [&](int y) { return y < b.height ? coverage(b, 40, y, 360, 1) : 0.0; };
    for (int y = b.height - 80; y < b.height; ++y) EXPECT_LT(shown(y) - shown(y + 1), 0.25) << "row " << y;
    EXPECT_GT(shown(b.height - 40), 0.9);  // the planet is there above the fade
}

TEST(Pictures, ShipBankFramesDifferAndTheLevelFrameIsSymmetric) {
    const Bitmap b = loadPicture("IMAGE/MYME1.BMP");
    const auto columnsUsed = [&](int frame) {
        int used = 0;
        for (int x = 0; x < 60; ++x) used += coverage(b, frame * 60 + x, 0, 1, 70) > 0;
        return used;
    };
    // Banking narrows the outline, more with each step away from level.
    EXPECT_GT(columnsUsed(3), columnsUsed(2));
    EXPECT_GT(columnsUsed(2), columnsUsed(0));
    EXPECT_GT(columnsUsed(4), columnsUsed(6));
    int asymmetric = 0;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 30; ++x) asymmetric += b.at(180 + x, y).black() != b.at(180 + 59 - x, y).black();
    EXPECT_LT(asymmetric, 40);
}

// --- Sounds -------------------------------------------------------------------------------

TEST(Sounds, BothEffectsAre16BitPcmOfPlausibleLength) {
    struct Expect {
        const char* path;
        double minSeconds, maxSeconds;
    };
    for (const Expect& e : {Expect{"SOUND/SHOT.WAV", 0.05, 0.2}, Expect{"SOUND/BOM.WAV", 0.5, 1.0}}) {
        SCOPED_TRACE(e.path);
        std::string why;
        const auto w = parseWave(readFile(kDataDir / e.path), why);
        ASSERT_TRUE(w) << why;
        EXPECT_EQ(w->format, 1u);
        EXPECT_EQ(w->bitsPerSample, 16u);
        EXPECT_TRUE(w->sampleRate == 22050 || w->sampleRate == 44100);
        EXPECT_GE(w->seconds(), e.minSeconds);
        EXPECT_LE(w->seconds(), e.maxSeconds);
        // Loudest at once (each play restarts it) and silent at the end (no click).
        int peakEarly = 0, peak = 0;
        for (size_t i = 0; i < w->samples.size(); ++i) {
            peak = std::max(peak, std::abs(int(w->samples[i])));
            if (i < w->sampleRate / 20) peakEarly = peak;
        }
        EXPECT_GT(peak, 3000);
        EXPECT_EQ(peakEarly, peak);
        EXPECT_LT(std::abs(int(w->samples.back())), 200);
    }
}

// The stage music through the synthesiser: RMS about 0.15 of full scale, peaks up to 0.9 (e2e_audio_levels
// measures the effects over it through the real output).
constexpr double kStageMusicRms = 0.15;
constexpr double kFullScale = 32768.0;

// The level of a sound restarted every |frames| game frames for a second, as with one playback buffer.
struct Restarted {
    double rms, peak;
};
Restarted restartedEvery(const assettest::Wave& w, int frames) {
    constexpr int kFramesPerSecond = 60;
    const size_t period = w.sampleRate * frames / kFramesPerSecond;
    double energy = 0, peak = 0;
    for (size_t i = 0; i < w.sampleRate; ++i) {
        const size_t at = i % period;
        const double v = at < w.samples.size() ? w.samples[at] / kFullScale : 0.0;
        energy += v * v;
        peak = std::max(peak, std::abs(v));
    }
    return {std::sqrt(energy / w.sampleRate), peak};
}

TEST(Sounds, EffectsLeaveTheMusicRoom) {
    std::string why;
    const auto bom = parseWave(readFile(kDataDir / "SOUND/BOM.WAV"), why);
    const auto shot = parseWave(readFile(kDataDir / "SOUND/SHOT.WAV"), why);
    ASSERT_TRUE(bom && shot) << why;
    ASSERT_EQ(bom->channels, 1u);
    ASSERT_EQ(shot->channels, 1u);
    // The ship's death blast restarts the explosion every frame: its attack, summed with the music's
    // peaks, must seldom reach full scale. It stays a loud event all the same.
    const Restarted blast = restartedEvery(*bom, 1);
    EXPECT_LE(blast.peak, 0.5);
    EXPECT_GT(blast.rms, kStageMusicRms);
    // Held fire restarts the shot every fourth frame: no louder than the music, but heard.
    const Restarted fire = restartedEvery(*shot, 4);
    EXPECT_LE(fire.rms, kStageMusicRms);
    EXPECT_GT(fire.rms, 0.2 * kStageMusicRms);
}

// --- Music --------------------------------------------------------------------------------

TEST(Music, BothPiecesParseAndLastAsLongAsTheyShould) {
    struct Expect {
        const char* path;
        double minSeconds, maxSeconds;
    };
    for (const Expect& e :
         {Expect{assetgen::kStageMusic, 90, 180}, Expect{assetgen::kEndingMusic, 60, 240}}) {
        SCOPED_TRACE(e.path);
        std::string why;
        const auto m = parseMidi(readFile(kDataDir / e.path), why);
        ASSERT_TRUE(m) << why;
        EXPECT_LE(m->format, 1u);
        EXPECT_GE(m->seconds, e.minSeconds);
        EXPECT_LE(m->seconds, e.maxSeconds);
        EXPECT_GT(m->drumNotes, 0);
        EXPECT_GT(m->programChanges, 0);
        EXPECT_EQ(m->unbalancedNotes, 0);
        // A clean loop: every track ends together, on a bar line.
        ASSERT_FALSE(m->trackEndTicks.empty());
        for (std::uint32_t end : m->trackEndTicks) EXPECT_EQ(end, m->trackEndTicks.front());
        EXPECT_EQ(m->trackEndTicks.front() % (m->ticksPerBeat * 4), 0u);
    }
}

// --- Icon and repeatability ---------------------------------------------------------------

TEST(Icon, IncludeFileHoldsA32By32Bitmap) {
    std::ifstream in(QV_ICON_INC);
    ASSERT_TRUE(in);
    Bytes bytes;
    std::string token;
    while (std::getline(in, token, ',')) {
        const auto start = token.find("0x");
        if (start != std::string::npos)
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(token.substr(start), nullptr, 16)));
    }
    std::string why;
    const auto icon = parseBmp24(bytes, why);
    ASSERT_TRUE(icon) << why;
    EXPECT_EQ(icon->width, 32);
    EXPECT_EQ(icon->height, 32);
    EXPECT_GT(coverage(*icon, 0, 0, 32, 32), 0.1);
}

TEST(Generator, ASecondRunWritesTheSameBytes) {
    const fs::path again = fs::temp_directory_path() / ("assetgen_again_" + std::to_string(::getpid()));
    fs::remove_all(again);
    const std::string command = std::string("\"") + QV_ASSETGEN_EXE + "\" \"" + again.string() + "\" \"" +
                                (again / "icon.inc").string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(again)) {
        if (!entry.is_regular_file() || entry.path().filename() == "icon.inc") continue;
        const fs::path rel = fs::relative(entry.path(), again);
        EXPECT_TRUE(readFile(entry.path()) == readFile(kDataDir / rel)) << rel;
        ++compared;
    }
    EXPECT_TRUE(readFile(again / "icon.inc") == readFile(QV_ICON_INC));
    EXPECT_EQ(compared, 188 + 2 + 2);
    fs::remove_all(again);
}
