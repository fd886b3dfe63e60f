#pragma once
#include "app/settings_keys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

#define QUILLO_SETTING_ENUM(name, def) name,
// One enumerator per settings key, named exactly as the key in the file.
enum class Setting : int {
    QUILLO_EDITOR_SETTINGS(QUILLO_SETTING_ENUM, QUILLO_SETTING_ENUM)
    QUILLO_PAINTER_SETTINGS(QUILLO_SETTING_ENUM, QUILLO_SETTING_ENUM)
    Count_
};
#undef QUILLO_SETTING_ENUM

inline constexpr std::size_t kSettingCount = static_cast<std::size_t>(Setting::Count_);

struct SettingInfo {
    const char* key;
    const char* group;  // "Editor" or "Painter"
    bool isString;
    std::int32_t intDefault;
    const char* stringDefault;
};

// The extension of saved sources: 1 to 8 ASCII letters or digits, so a
// source can never be written over its project file or outside its folder.
bool isValidSuffix(std::string_view suffix);

// All keys in file order.
const std::array<SettingInfo, kSettingCount>& settingTable();
const SettingInfo& settingInfo(Setting s);

// The user settings held in memory for the whole run.
class Settings {
public:
    // Built-in defaults; the open and include requesters start in homeFolder.
    explicit Settings(std::string homeFolder);

    std::int32_t integer(Setting s) const { return ints_[index(s)]; }
    bool flag(Setting s) const { return ints_[index(s)] != 0; }
    const std::string& text(Setting s) const { return strings_[index(s)]; }
    void set(Setting s, std::int32_t value) { ints_[index(s)] = value; }
    void set(Setting s, std::string value) { strings_[index(s)] = std::move(value); }

    // Reads a settings file's bytes over the current values: missing keys keep
    // them, the splitters are clamped to 400 and REM_String gets its blank.
    // A value that cannot be used takes its default; the returned lines say
    // which and why, for standard error.
    std::vector<std::string> read(std::string_view fileBytes);
    // The complete file as written at exit: both groups, every key, CR LF.
    std::string write() const;

    static constexpr std::int32_t kMinSplitter = 400;

    // The sources opened or saved last, newest first, at most kMaxRecent;
    // kept in a group of their own after the others, so every key of the
    // file keeps its place.
    static constexpr std::size_t kMaxRecent = 10;
    const std::vector<std::string>& recentFiles() const { return recent_; }
    void addRecentFile(const std::string& path);

private:
    static std::size_t index(Setting s) { return static_cast<std::size_t>(s); }
    std::array<std::int32_t, kSettingCount> ints_{};
    std::array<std::string, kSettingCount> strings_{};
    std::vector<std::string> recent_;
};

}  // namespace quillo
