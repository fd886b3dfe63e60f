#include "gfxeditor/picture_export.h"

#include <gtest/gtest.h>

using namespace quillo;

namespace {

// Every bitmap byte holds its own index, every mask byte 200 + index, every attribute 100 + its index.
Picture numbered(int w = 32, int h = 24) {
    Picture p;
    p.recreate(w, h, 56);
    for (int i = 0; i < w * h * 8; ++i) {
        p.bitmap()[i] = static_cast<std::uint8_t>(i);
        p.mask()[i] = static_cast<std::uint8_t>(200 + i);
    }
    for (int i = 0; i < w * h; ++i) p.attributes()[i] = static_cast<std::uint8_t>(100 + i);
    return p;
}

TEST(PictureExport, OrdersOfASixteenByEightSelection) {
    const Picture p = numbered(2, 1);
    const std::vector<std::uint8_t> progressive = exportBytes(p, {0, 0, 16, 8}, {ExportOrder::Progressive});
    std::vector<std::uint8_t> rows(16);
    for (int i = 0; i < 16; ++i) rows[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(progressive, rows);
    const std::vector<std::uint8_t> columns = exportBytes(p, {0, 0, 16, 8}, {ExportOrder::Columns});
    const std::vector<std::uint8_t> byColumn = {0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15};
    EXPECT_EQ(columns, byColumn);
    EXPECT_EQ(exportBytes(p, {0, 0, 16, 8}, {ExportOrder::Char}), byColumn);
    EXPECT_EQ(exportText(p, {0, 0, 16, 8}, {ExportOrder::Progressive}),
              "\tDEFB\t000,001,002,003,004,005,006,007\n\tDEFB\t008,009,010,011,012,013,014,015\n");
}

TEST(PictureExport, MaskAttributesAndStartRow) {
    const Picture p = numbered(2, 3);
    const auto masked = exportBytes(p, {0, 0, 16, 8}, {ExportOrder::Char, false, ExportMask::Interleaved});
    ASSERT_EQ(masked.size(), 32u);
    EXPECT_EQ(masked[0], 200);
    EXPECT_EQ(masked[1], 0);
    for (ExportOrder order : {ExportOrder::Progressive, ExportOrder::Columns, ExportOrder::Char})
        EXPECT_EQ(exportBytes(p, {0, 8, 8, 8}, {order})[0], 16) << static_cast<int>(order);
    const auto withAttributes = exportBytes(p, {0, 0, 16, 16}, {ExportOrder::Columns, true});
    ASSERT_EQ(withAttributes.size(), 36u);
    EXPECT_EQ(std::vector<std::uint8_t>(withAttributes.end() - 4, withAttributes.end()),
              (std::vector<std::uint8_t>{100, 101, 102, 103}));
}

TEST(PictureExport, FullScreenNarrowAndOutsideSelections) {
    const Picture p = numbered();
    const std::string screen = exportText(p, p.bounds(), {ExportOrder::Char, true});
    EXPECT_EQ(exportBytes(p, p.bounds(), {ExportOrder::Char, true}).size(), 6912u);
    EXPECT_EQ(std::count(screen.begin(), screen.end(), '\n'), 864);
    EXPECT_TRUE(exportText(p, {0, 0, 7, 64}, {ExportOrder::Progressive}).empty());
    EXPECT_TRUE(exportText(p, {0, 0, 64, 7}, {ExportOrder::Columns}).empty());
    EXPECT_EQ(exportBytes(p, {0, 0, 64, 7}, {ExportOrder::Progressive}).size(), 56u);
    // Reaching past the right and bottom edges reads only the picture's last cell.
    EXPECT_EQ(exportBytes(p, {248, 184, 64, 64}, {ExportOrder::Char, true}),
              exportBytes(p, {248, 184, 8, 8}, {ExportOrder::Char, true}));
    EXPECT_TRUE(exportBytes(p, {300, 0, 16, 8}, {ExportOrder::Char}).empty());
}

TEST(PictureExport, FrameInformation) {
    EXPECT_EQ(frameInformation({8, 16, 20, 12}),
              (std::vector<std::string>{"Frame Information:", "Width: 20 (2)", "Height: 12 (1)", "Bytes: 24",
                                        "StartPos: 8,16"}));
}

}  // namespace
