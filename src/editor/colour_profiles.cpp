#include "editor/colour_profiles.h"

#include "editor/editor_styles.h"

#include <array>

namespace quillo {

namespace {

using S = Setting;

struct ProfileValue {
    Setting key;
    std::int32_t dark, light;
};

constexpr std::array<const char*, 2> kNames = {"Orvel's Dark Profile (CRT)", "Orvel's Light Profile (TFT)"};

constexpr auto kValues = std::to_array<ProfileValue>({
    {S::SidebarBG, 0x400000, 0xFFFFFF},     {S::SidebarFG, 0x00FFFF, 0x000000},
    {S::DefaultBG, 0x000000, 0xFFFFFF},     {S::DefaultFG, 0xFFFFFF, 0x000000},
    {S::EditLineBG, 0x400000, 0xEEEEEE},    {S::EditLineFG, 0xFFFFFF, 0x000000},
    {S::TypesBG, 0x000000, 0x00FFFF},       {S::TypesFG, 0xFF80FF, 0x000000},
    {S::NumbBG, 0x000000, 0xFFFFFF},        {S::NumbFG, 0x40FF00, 0xFF0000},
    {S::StrBG, 0xA00000, 0xFFFF00},         {S::StrFG, 0xFFFFFF, 0x000000},
    {S::AsmCBG, 0x000000, 0xFFFFFF},        {S::AsmCFG, 0x00FFFF, 0x808080},
    {S::AsmCBold, 1, 1},                    {S::ComBG, 0x000000, 0xFFFFFF},
    {S::ComFG, 0x0000FF, 0x008080},         {S::ComItalic, 1, 1},
    {S::MathBG, 0x000000, 0xFFFFFF},        {S::MathFG, 0xFF00FF, 0x000080},
    {S::BasBG, 0x000000, 0xFFFFFF},         {S::BasFG, 0x00A000, 0x00A000},
    {S::BasBold, 1, 1},                     {S::PtrLabBG, 0x000000, 0xFFFFFF},
    {S::PtrLabFG, 0x80FF80, 0x00FF00},      {S::CplrBG, 0x000000, 0xFFFFFF},
    {S::CplrFG, 0x80FF80, 0x80FF80},        {S::FunctionBG, 0x000000, 0xFFFFFF},
    {S::FunctionFG, 0x80FF80, 0x80FF00},    {S::LineNrBG, 0xFF0000, 0xFF8080},
    {S::LineNrFG, 0xFFFFFF, 0x000000},      {S::LineNrBold, 1, 1},
    {S::ExtBG, 0x000000, 0xFFFFFF},         {S::ExtFG, 0xFFFFA0, 0xFF8000},
    {S::ExtBold, 4, 0},                     {S::AnnotEBG, 0x0000FF, 0x00FFFF},
    {S::AnnotEFG, 0xFFFFFF, 0x0000FF},      {S::AnnotEItalic, 1, 1},
    {S::AnnotWBG, 0x00FF00, 0x00FF00},      {S::AnnotWFG, 0x000000, 0x000000},
    {S::AnnotWItalic, 1, 1},                {S::StatusBGCol, 0xDDDDDD, 0xDDDDDD},
    {S::BraceHLColourBG, 0x00FFFF, 0x000000}, {S::BraceHLColourFG, 0x000000, 0x00FFFF},
    {S::OFoldBG, 0xFFFF00, 0xFFFF00},       {S::OFoldFG, 0xFFFFFF, 0x000000},
    {S::CFoldBG, 0xFF0000, 0x0000FF},       {S::CFoldFG, 0xFFFFFF, 0x000000},
    {S::EditBGCol, 0x000000, 0xEEEEEE},     {S::EditFGCol, 0xEEEEEE, 0x000000},
    {S::FoldBGCol, 0x300000, 0x00FFFF},     {S::FoldFGCol, 0x300000, 0x00FFFF},
});

}  // namespace

std::span<const char* const> colourProfileNames() { return kNames; }

void applyColourProfile(Settings& settings, int profile) {
    if (profile < 0 || profile >= static_cast<int>(kNames.size())) return;
    for (const EditorStyle& style : editorStyles()) {
        if (style.bold) settings.set(*style.bold, 0);
        if (style.italic) settings.set(*style.italic, 0);
        settings.set(style.font, std::string("Courier New"));
    }
    for (const ProfileValue& v : kValues) settings.set(v.key, profile == 0 ? v.dark : v.light);
}

}  // namespace quillo
