#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace quillo {

// What occupies a byte of the region map; 4 bits, kept in the low bits of a
// binary record's flags.
enum class RegionType : std::uint8_t {
    Free = 0, Rom, Screen, System, Basic, Compilat, Heap, Interrupts,
    Graphics, Maps, Text, Data, Table, Music, Compressed, Other,
};
inline constexpr int kRegionTypeCount = 16;

// Bank index 0 is main memory; 1..5 are the RAM banks the 128K models page
// in at 0xC000.
inline constexpr int kBankCount = 6;
inline constexpr std::int32_t kBankWindowStart = 0xC000;
inline constexpr std::int32_t kBankWindowEnd = 0x10000;

struct BankInfo {
    std::string_view treeText;
    std::string_view comboText;
    std::string_view listText;
    std::string_view blockName;  // the tape block's name
    int pagingValue;             // 16 + RAM bank number; 0 for main memory
    char ramDigit;               // first character of the list text
};

inline constexpr std::array<BankInfo, kBankCount> kBanks = {{
    {"Main memory", "Main :0", "Main", "Main", 0, 'M'},
    {"Bank 1 (17)", "1 (17)", "1 (17)", "Bank 17", 17, '1'},
    {"Bank 3 (19)", "3 (19)", "3 (19)", "Bank 19", 19, '3'},
    {"Bank 4 (20)", "4 (20)", "4 (20)", "Bank 20", 20, '4'},
    {"Bank 6 (22)", "6 (22)", "6 (22)", "Bank 22", 22, '6'},
    {"Bank 7 (23)", "7 (23)", "7 (23)", "Bank 23", 23, '7'},
}};

inline bool isValidBank(int bank) { return bank >= 0 && bank < kBankCount; }

// The list text of any stored bank index: "Unk." outside 0..5.
inline std::string_view bankListText(int bank) {
    return isValidBank(bank) ? kBanks[static_cast<std::size_t>(bank)].listText : std::string_view("Unk.");
}

struct RegionTypeInfo {
    std::string_view listText;
    std::string_view comboText;  // the dialogs' type combo
    std::string_view legend;     // the memory map's legend
};

inline constexpr std::array<RegionTypeInfo, kRegionTypeCount> kRegionTypes = {{
    {"Free", "Free", "Free"},
    {"ROM", "ROM", "ROM"},
    {"Screen", "Screen", "Screen memory"},
    {"System", "System", "System"},
    {"BASIC", "BASIC", "BASIC"},
    {"Compilat", "Compilat", "Compilat"},
    {"Heap", "Heap", "Heap"},
    {"Interrupts", "Interrupts", "Binary Interrupts"},
    {"Graphics", "Graphics", "Binary GFX"},
    {"Maps", "Maps", "Binary Maps"},
    {"Text", "Text", "Binary Text"},
    {"Data", "Data", "Binary Data"},
    {"Table", "Table", "Binary Table"},
    {"Music", "Music", "Binary Music"},
    {"Compressed", "Compressedr", "Compressed Data"},
    {"Other", "Other", "Binary Other"},
}};

inline const RegionTypeInfo& regionTypeInfo(RegionType type) {
    return kRegionTypes[static_cast<std::size_t>(type) & 0xF];
}

inline RegionType regionTypeFromFlags(std::uint64_t flags) { return static_cast<RegionType>(flags & 0xF); }

}  // namespace quillo
