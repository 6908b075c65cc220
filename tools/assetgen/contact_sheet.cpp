#include "contact_sheet.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "asset_list.h"
#include "draw/glyphs.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

constexpr int kSheetWidth = 1500;
constexpr int kMargin = 10;
constexpr int kLabelHeight = 11;
const TextStyle kLabelText{1, 1, 0.5f, 1};
const Color kSheetGrey = rgb(52, 52, 62);
const Color kFrameGrey = rgb(110, 110, 128);
const Color kLabelColour = rgb(230, 230, 200);

struct Tile {
    int number;
    std::string label;
    const Image* picture;
    int x = 0, y = 0, width = 0;
};

std::string stem(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    return path.substr(slash + 1, dot - slash - 1);
}

}  // namespace

Image makeContactSheet(const PictureSet& set) {
    std::vector<Tile> tiles;
    std::set<std::string> seen;
    int number = 0;
    for (const PictureSpec& spec : kPictureLoadList) {
        ++number;
        if (!seen.insert(spec.path).second) continue;
        Tile t{number, std::to_string(number) + " " + stem(spec.path), &set.at(spec.path)};
        const int labelWidth = static_cast<int>(textWidth(t.label, kLabelText)) + 2;
        t.width = std::max(t.picture->width() + 2, labelWidth);
        tiles.push_back(t);
    }

    // Shelf layout in load order.
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (Tile& t : tiles) {
        if (x + t.width > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        t.x = x;
        t.y = y;
        x += t.width + kMargin;
        rowHeight = std::max(rowHeight, kLabelHeight + t.picture->height() + 2);
    }

    Image sheet(kSheetWidth, y + rowHeight + kMargin);
    for (int py = 0; py < sheet.height(); ++py)
        for (int px = 0; px < sheet.width(); ++px) sheet.at(px, py) = kSheetGrey;
    for (const Tile& t : tiles) {
        fill(sheet, textShape(t.label, {t.x + 0.5f, t.y + 1.5f}, kLabelText), kLabelColour);
        const int top = t.y + kLabelHeight;
        const int w = t.picture->width(), h = t.picture->height();
        for (int py = top; py < top + h + 2; ++py)
            for (int px = t.x; px < t.x + w + 2; ++px) sheet.at(px, py) = kFrameGrey;
        sheet.paste(*t.picture, t.x + 1, top + 1);
    }
    return sheet;
}

}  // namespace assetgen
