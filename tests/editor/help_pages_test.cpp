// Every help page the program can open is shipped in the help folder.
#include "editor/include_libraries.h"
#include "editor/keyword_help.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

const std::filesystem::path kHelp = std::filesystem::path(QUILLO_TEST_DIR) / ".." / "help";

bool shipped(const std::string& page) { return std::filesystem::is_regular_file(kHelp / page); }

}  // namespace

TEST(HelpPages, EveryKeywordWithAPageHasIt) {
    const char* words[] = {"abs", "acs", "align", "and", "asm", "asn", "at", "atn", "band", "beep", "bnot",
                           "border", "bor", "bxor", "dim", "int", "not", "or", "xor", "string", "ubyte",
                           "byte", "uinteger", "integer", "ulong", "long"};
    for (const char* word : words) {
        const auto target = quillo::keywordHelpTarget(word);
        ASSERT_EQ(target.kind, quillo::KeywordHelpTarget::Kind::Page) << word;
        EXPECT_TRUE(shipped(target.target)) << target.target;
    }
    EXPECT_TRUE(shipped(quillo::kSystemVariablesPage));
    EXPECT_TRUE(shipped("index.html"));
}

TEST(HelpPages, EveryIncludeLibraryHasItsPage) {
    EXPECT_EQ(quillo::includeLibraries().size(), 19u);
    for (const auto& library : quillo::includeLibraries()) EXPECT_TRUE(shipped(library.helpPage)) << library.helpPage;
}

TEST(HelpPages, LinksBetweenPagesLeadToShippedPages) {
    const std::regex link(R"(href="([^"#:]+)(#[^"]*)?")");
    for (const auto& entry : std::filesystem::directory_iterator(kHelp)) {
        if (entry.path().extension() != ".html") continue;
        std::ifstream in(entry.path());
        const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator(); ++it)
            EXPECT_TRUE(shipped((*it)[1].str())) << entry.path().filename() << " links to " << (*it)[1].str();
    }
}
