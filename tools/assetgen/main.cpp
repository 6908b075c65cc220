// assetgen: writes every picture, sound and piece of music the game loads.
//
//   assetgen <output folder> <icon include file> [--sheet <sheet.bmp>]
//
// The output is the same, byte for byte, on every run.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

#include "art/art.h"
#include "asset_list.h"
#include "audio/audio.h"
#include "contact_sheet.h"
#include "formats/bmp_writer.h"
#include "formats/wav_writer.h"

namespace fs = std::filesystem;
using namespace assetgen;

namespace {

constexpr int kIconSize = 32;
constexpr int kIconBytesPerLine = 16;

bool writeFile(const fs::path& path, const Bytes& bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

Bytes encodePicture(const Image& img) {
    const auto pixels = img.toRgb8();
    return encodeBmp24(img.width(), img.height(), pixels.data());
}

PictureSet drawAllPictures() {
    PictureSet set;
    drawShipArt(set);
    drawPlayerShotArt(set);
    drawEnemyBulletArt(set);
    drawBossBulletArt(set);
    drawExplosionArt(set);
    drawEnemyArt(set);
    drawBossAArt(set);
    drawBossBArt(set);
    drawBossCArt(set);
    drawBackgroundArt(set);
    drawHudArt(set);
    drawTitleAndEndingArt(set);
    return set;
}

// Fills in placeholders for the pictures nothing draws and checks every size.
bool completeLoadList(PictureSet& set) {
    bool ok = true;
    for (const PictureSpec& spec : kPictureLoadList) {
        auto it = set.find(spec.path);
        if (it == set.end()) {
            if (spec.drawn) {
                std::fprintf(stderr, "assetgen: no art for %s\n", spec.path);
                ok = false;
                continue;
            }
            it = set.emplace(spec.path, placeholderPicture(spec.minWidth, spec.minHeight)).first;
        }
        if (it->second.width() < spec.minWidth || it->second.height() < spec.minHeight) {
            std::fprintf(stderr, "assetgen: %s is %dx%d, needs at least %dx%d\n", spec.path,
                         it->second.width(), it->second.height(), spec.minWidth, spec.minHeight);
            ok = false;
        }
    }
    return ok;
}

// The icon as a list of bytes, to be included inside an array initialiser.
std::string iconInclude() {
    Image icon(kIconSize, kIconSize);
    drawShip(icon, {16, 16.5f}, 0.44f, 0);
    const Bytes bmp = encodePicture(icon);
    std::string text;
    char buf[8];
    for (size_t i = 0; i < bmp.size(); ++i) {
        std::snprintf(buf, sizeof buf, "0x%02x,", bmp[i]);
        text += buf;
        text += (i + 1) % kIconBytesPerLine == 0 ? "\n" : "";
    }
    return text + "\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::string_view(argv[3]) == "--sheet")) {
        std::fprintf(stderr, "usage: assetgen <output folder> <icon include file> [--sheet <sheet.bmp>]\n");
        return 2;
    }
    const fs::path outDir = argv[1];
    PictureSet pictures = drawAllPictures();
    if (!completeLoadList(pictures)) return 1;

    bool ok = true;
    std::set<std::string> written;
    for (const PictureSpec& spec : kPictureLoadList) {
        if (!written.insert(spec.path).second) continue;  // the one file loaded twice
        ok = writeFile(outDir / spec.path, encodePicture(pictures.at(spec.path))) && ok;
    }
    ok = writeFile(outDir / kSoundFiles[0], makeShotSound()) && ok;
    ok = writeFile(outDir / kSoundFiles[1], makeExplosionSound()) && ok;
    ok = writeFile(outDir / kStageMusic, encodeMidi(composeStageTheme())) && ok;
    ok = writeFile(outDir / kEndingMusic, encodeMidi(composeEndingTheme())) && ok;

    const std::string icon = iconInclude();
    ok = writeFile(argv[2], Bytes(icon.begin(), icon.end())) && ok;

    if (argc == 5) ok = writeFile(argv[4], encodePicture(makeContactSheet(pictures))) && ok;
    return ok ? 0 : 1;
}
