#include "gfxeditor/screen_file.h"

#include "gfxeditor/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace quillo;

namespace {

std::vector<std::uint8_t> screenWith(std::size_t size, std::size_t offset, std::uint8_t value) {
    std::vector<std::uint8_t> bytes(size, 0);
    bytes[offset] = value;
    return bytes;
}

}  // namespace

TEST(ScreenFile, InterleavedRowsLandInLinearOrder) {
    Picture p;
    std::vector<std::uint8_t> bytes(kScreenFileSize, 0);
    bytes[0] = 0xFF;
    bytes[256] = 0x01;
    bytes[32] = 0x02;
    bytes[2048] = 0x04;
    ASSERT_TRUE(loadScreen(p, "/pics/title.scr", bytes).ok);
    for (int x = 0; x < 8; ++x) EXPECT_TRUE(p.pixel(x, 0));
    EXPECT_FALSE(p.pixel(8, 0));
    EXPECT_EQ(p.bitmap()[1 * 32], 0x01);
    EXPECT_EQ(p.bitmap()[8 * 32], 0x02);
    EXPECT_EQ(p.bitmap()[64 * 32], 0x04);
    EXPECT_EQ(p.name, "title");
    EXPECT_EQ(p.fileName, "c:\\NewImage");
}

TEST(ScreenFile, TheThreeSizesAndAnyLetterCase) {
    Picture p;
    p.recreate(4, 4, 0x07);
    ASSERT_TRUE(loadScreen(p, "a.scr", std::vector<std::uint8_t>(kScreenBitmapSize, 0)).ok);
    EXPECT_TRUE(isScreenSized(p));
    EXPECT_TRUE(std::all_of(p.attributes(), p.attributes() + 768, [](std::uint8_t a) { return a == 56; }));

    // The 17-byte header is skipped: the byte after it is the first bitmap byte.
    ASSERT_TRUE(loadScreen(p, "b.SCR", screenWith(kScreenFileWithHeaderSize, 17, 0x80)).ok);
    EXPECT_TRUE(p.pixel(0, 0));
    EXPECT_FALSE(p.pixel(1, 0));
    ASSERT_TRUE(loadScreen(p, "c.Scr", screenWith(kScreenFileSize, 6144 + 767, 0x45)).ok);
    EXPECT_EQ(p.attributeAt(31, 23), 0x45);
    EXPECT_TRUE(hasScreenExtension("X.SCR"));
    EXPECT_FALSE(hasScreenExtension("scr"));
    EXPECT_FALSE(hasScreenExtension("a.scr.txt"));
}

TEST(ScreenFile, WrongSizeOrExtensionKeepsThePicture) {
    Picture p;
    p.recreate(3, 2, 0x45);
    p.bitmap()[5] = 0xA5;
    p.name = "Mine";
    const std::vector<std::uint8_t> before(p.data().begin(), p.data().end());

    const ScreenLoad wrongSize = loadScreen(p, "big.scr", std::vector<std::uint8_t>(7000, 0xFF));
    EXPECT_FALSE(wrongSize.ok);
    EXPECT_NE(wrongSize.message.find("big.scr"), std::string::npos);
    EXPECT_NE(wrongSize.message.find("7000"), std::string::npos);
    EXPECT_NE(wrongSize.message.find("6929"), std::string::npos);
    EXPECT_FALSE(loadScreen(p, "pic.bmp", std::vector<std::uint8_t>(kScreenFileSize, 0xFF)).ok);

    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.name, "Mine");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), p.data().begin(), p.data().end()));
}

TEST(ScreenFile, WriterIsTheInverseOfTheLoader) {
    std::vector<std::uint8_t> bytes(kScreenFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    Picture p;
    ASSERT_TRUE(loadScreen(p, "r.scr", bytes).ok);
    EXPECT_EQ(screenBytes(p), bytes);
    p.recreate(8, 8, 56);
    EXPECT_FALSE(isScreenSized(p));
    EXPECT_TRUE(screenBytes(p).empty());
}
