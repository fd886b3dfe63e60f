#include "editor/editor_styles.h"

#include "common/editor_marks.h"
#include "common/sci_constants.h"

#include <array>

namespace quillo {

namespace {

using R = EditorStyle::Role;
using S = Setting;
namespace st = basic_style;

constexpr std::array<EditorStyle, 17> kEditorStyles = {{
    {"Sidebar", R::Sidebar, -1, S::SidebarBG, S::SidebarFG, std::nullopt, std::nullopt, S::FontSide},
    {"Default (Background)", R::Default, sci::STYLE_DEFAULT, S::DefaultBG, S::DefaultFG, S::DefaultBold,
     S::DefaultItalic, S::FontDefault},
    {"Editing Cursor", R::CaretLine, -1, S::EditLineBG, S::EditLineFG, S::EditBold, S::EditItalic, S::FontEdit},
    {"Variable Types", R::Token, st::DataType, S::TypesBG, S::TypesFG, S::TypesBold, S::TypesItalic, S::FontTypes,
     true},
    {"Comments (REM, ')", R::Token, st::Comment, S::ComBG, S::ComFG, S::ComBold, S::ComItalic, S::FontComment},
    {"Numbers", R::Token, st::Number, S::NumbBG, S::NumbFG, S::NumbBold, S::NumbItalic, S::FontNumb},
    {"BASIC Keywords", R::Token, st::Keyword, S::BasBG, S::BasFG, S::BasBold, S::basItalic, S::FontBas, true},
    {"Strings", R::Token, st::String, S::StrBG, S::StrFG, S::StrBold, S::StrItalic, S::FontStr},
    {"Mathematical operators", R::Token, st::Operator, S::MathBG, S::MathFG, S::MathBold, S::MathItalic,
     S::FontMath},
    {"ASM Keywords", R::Token, st::Assembler, S::AsmCBG, S::AsmCFG, S::AsmCBold, S::AsmCItalic, S::FontAsmC, true},
    {"Label Pointers", R::Token, st::Label, S::PtrLabBG, S::PtrLabFG, S::PtrLabBold, S::PtrLabItalic,
     S::FontPtrLab},
    {"Preprocessor commands", R::Token, st::Directive, S::CplrBG, S::CplrFG, S::CplrBold, S::CplrItalic,
     S::FontCplr, true},
    {"BASIC Functions", R::Token, st::Function, S::FunctionBG, S::FunctionFG, S::FunctionBold, S::FunctionItalic,
     S::FontFunction},
    {"Line numbers", R::LineNumbers, sci::STYLE_LINENUMBER, S::LineNrBG, S::LineNrFG, S::LineNrBold,
     S::LineNrItalic, S::FontLinenr},
    {"External includes", R::Token, st::Library, S::ExtBG, S::ExtFG, S::ExtBold, S::ExtItalic, S::ExtSide},
    {"Annotations Errors", R::Token, st::ErrorAnnotation, S::AnnotEBG, S::AnnotEFG, S::AnnotEBold, S::AnnotEItalic,
     S::AnnotEFont},
    {"Annotations Warnings", R::Token, st::WarningAnnotation, S::AnnotWBG, S::AnnotWFG, S::AnnotWBold,
     S::AnnotWItalic, S::AnnotWFont},
}};

}  // namespace

std::span<const EditorStyle> editorStyles() { return kEditorStyles; }

}  // namespace quillo
