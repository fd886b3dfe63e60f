#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillo {

// The INI-style format shared by the settings file and the project files:
// "[Group]" lines, "Key = Value" lines, ';' comments, CR LF line ends.
class IniFile {
public:
    // Parses the bytes of a file. Never fails: malformed lines are skipped.
    static IniFile parse(std::string_view bytes);

    // Raw value text (leading blanks removed) of the first matching key in the
    // first matching group; names are matched without regard to case.
    std::optional<std::string_view> value(std::string_view group, std::string_view key) const;

    // A string value, also trimmed of trailing blanks and tabs; fallback if absent.
    std::string getString(std::string_view group, std::string_view key, std::string_view fallback) const;
    // The leading decimal number of the value (0 if it has none); fallback if absent.
    std::int32_t getInt(std::string_view group, std::string_view key, std::int32_t fallback) const;

    bool hasGroup(std::string_view group) const;
    // Lines of a group that are not "key = value" pairs are kept here too, in order.
    const std::vector<std::string>* rawLines(std::string_view group) const;

private:
    struct Group {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
        std::vector<std::string> lines;
    };
    const Group* findGroup(std::string_view name) const;
    std::vector<Group> groups_;
};

// Writes the format exactly: "[Group]" and "Key = Value" lines, each ending CR LF.
class IniWriter {
public:
    void group(std::string_view name);
    void key(std::string_view name, std::string_view value);
    void key(std::string_view name, std::int32_t value);
    void comment(std::string_view text);
    const std::string& bytes() const { return out_; }

private:
    std::string out_;
};

}  // namespace quillo
