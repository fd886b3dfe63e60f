#include "gfxeditor/screen_file.h"

#include "common/attribute.h"
#include "common/paths.h"
#include "common/text.h"
#include "gfxeditor/picture.h"

#include <algorithm>

namespace quillo {

namespace {

constexpr std::size_t kScreenHeaderSize = kScreenFileWithHeaderSize - kScreenFileSize;
constexpr std::size_t kScreenAttributeSize = kScreenFileSize - kScreenBitmapSize;

std::string_view extensionOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : fileName.substr(dot + 1);
}

std::string baseNameOf(std::string_view path) {
    const std::string_view file = fileNameOf(path);
    const std::size_t dot = file.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot));
}

}  // namespace

bool hasScreenExtension(const std::string& path) { return equalsNoCase(extensionOf(fileNameOf(path)), "scr"); }

ScreenLoad loadScreen(Picture& picture, const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::size_t size = bytes.size();
    if (!hasScreenExtension(path))
        return {false, "\"" + path + "\" is not a screen file: only files ending in \".scr\" are loaded"};
    if (size != kScreenFileSize && size != kScreenBitmapSize && size != kScreenFileWithHeaderSize)
        return {false, "\"" + path + "\" has " + std::to_string(size) + " bytes; a screen file has " +
                           std::to_string(kScreenFileSize) + ", " + std::to_string(kScreenBitmapSize) + " or " +
                           std::to_string(kScreenFileWithHeaderSize) + " bytes"};

    // Built aside and then swapped in, so the document only ever holds a whole screen.
    Picture screen;
    screen.recreate(kScreenColumns, kScreenRows, attribute::kDefault);
    const std::uint8_t* file = bytes.data() + (size == kScreenFileWithHeaderSize ? kScreenHeaderSize : 0);
    for (int y = 0; y < kScreenRows * 8; ++y)
        std::copy_n(file + screenOffset(y, 0), kScreenColumns, screen.bitmap() + y * kScreenColumns);
    if (size != kScreenBitmapSize) std::copy_n(file + kScreenBitmapSize, kScreenAttributeSize, screen.attributes());
    screen.name = baseNameOf(path);
    screen.fileName = "c:\\NewImage";
    picture = std::move(screen);
    return {true, {}};
}

bool isScreenSized(const Picture& picture) {
    return picture.width() == kScreenColumns && picture.height() == kScreenRows;
}

std::vector<std::uint8_t> screenBytes(const Picture& picture) {
    std::vector<std::uint8_t> bytes;
    if (!isScreenSized(picture)) return bytes;
    bytes.resize(kScreenFileSize);
    for (int y = 0; y < kScreenRows * 8; ++y)
        std::copy_n(picture.bitmap() + y * kScreenColumns, kScreenColumns, bytes.data() + screenOffset(y, 0));
    std::copy_n(picture.attributes(), kScreenAttributeSize, bytes.data() + kScreenBitmapSize);
    return bytes;
}

}  // namespace quillo
