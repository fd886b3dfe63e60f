#include "gfxeditor/picture_export.h"

#include "common/defb_format.h"

namespace quillo {

std::vector<std::uint8_t> exportBytes(const Picture& picture, PixelRect selection, const ExportChoice& choice) {
    // Reading only inside the picture keeps a selection reaching past an edge harmless.
    const PixelRect s = clipToPicture(selection, picture);
    const int bw = s.width / 8, ch = s.height / 8, c0 = s.x / 8, docW = picture.width();
    const bool masked = choice.mask == ExportMask::Interleaved;
    std::vector<std::uint8_t> out;
    if (bw == 0 || s.height == 0) return out;
    const auto emit = [&](int y, int x) {
        const int at = (s.y + y) * docW + c0 + x;
        if (masked) out.push_back(picture.mask()[at]);
        out.push_back(picture.bitmap()[at]);
    };
    switch (choice.order) {
    case ExportOrder::Progressive:
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < bw; ++x) emit(y, x);
        break;
    case ExportOrder::Columns:
        for (int x = 0; x < bw; ++x)
            for (int r = 0; r < ch; ++r)
                for (int l = 0; l < 8; ++l) emit(r * 8 + l, x);
        break;
    case ExportOrder::Char:
        for (int r = 0; r < ch; ++r)
            for (int x = 0; x < bw; ++x)
                for (int l = 0; l < 8; ++l) emit(r * 8 + l, x);
        break;
    }
    if (choice.attributes)
        for (int r = 0; r < ch; ++r)
            for (int x = 0; x < bw; ++x) out.push_back(picture.attributeAt(c0 + x, s.y / 8 + r));
    return out;
}

std::string exportText(const Picture& picture, PixelRect selection, const ExportChoice& choice) {
    return formatDefb(exportBytes(picture, selection, choice));
}

std::vector<std::string> frameInformation(PixelRect s) {
    const auto n = [](int v) { return std::to_string(v); };
    return {"Frame Information:",
            "Width: " + n(s.width) + " (" + n(s.width / 8) + ")",
            "Height: " + n(s.height) + " (" + n(s.height / 8) + ")",
            "Bytes: " + n(s.width / 8 * s.height),
            "StartPos: " + n(s.x) + "," + n(s.y)};
}

}  // namespace quillo
