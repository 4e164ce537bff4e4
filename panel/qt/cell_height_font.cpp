#include "panel/qt/cell_height_font.h"

#include <QFontMetrics>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <map>

#include "panel/qt/cell_height_search.h"
#include "panel/panel_colours.h"

namespace kavel {
namespace {

QFont FaceAt(int pixel_size) {
    QFont font(QString::fromUtf8(fonts::kFace));
    font.setPixelSize(pixel_size);
    return font;
}

// The cell height at a pixel size from a face already loaded, re-sized: the font database
// matches and sets up the face anew for every size it loads, which costs some twenty times as
// much.
int ResizedCellHeightAt(const QRawFont& face, int pixel_size) {
    if (!face.isValid()) return LoadedCellHeightAt(pixel_size);
    QRawFont sized = face;
    sized.setPixelSize(pixel_size);
    return qRound(sized.ascent()) + qRound(sized.descent());
}

// The pixel size a face of the usual proportions (cell height about 1.15 em) needs for a cell
// height: the search starts from the face loaded at this size, which is then usually the very
// size the text is drawn at, so that no other size is ever loaded.
int LikelyPixelSize(int cell_height) {
    constexpr double kCellPerEm = 1.15;
    return std::max(1, static_cast<int>(std::lround(cell_height / kCellPerEm)));
}

// Remembered per height: it cannot change while the program runs.
int PixelSizeForCellHeight(int cell_height) {
    static std::map<int, int> known;
    if (const auto it = known.find(cell_height); it != known.end()) return it->second;
    const QRawFont face = QRawFont::fromFont(FaceAt(LikelyPixelSize(cell_height)));
    const auto resized_height = [&face](int size) { return ResizedCellHeightAt(face, size); };
    int best = ClosestPixelSize(cell_height, resized_height);
    // The chosen size is loaded for drawing anyway. Should the database give it another height
    // than the re-sized face (a different file for some sizes), measure every size the slow way.
    if (LoadedCellHeightAt(best) != resized_height(best))
        best = ClosestPixelSize(cell_height, LoadedCellHeightAt);
    known.emplace(cell_height, best);
    return best;
}

}  // namespace

int LoadedCellHeightAt(int pixel_size) { return QFontMetrics(FaceAt(pixel_size)).height(); }

QFont CellHeightFont(int cell_height) {
    QFont font = FaceAt(PixelSizeForCellHeight(cell_height));
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace kavel
