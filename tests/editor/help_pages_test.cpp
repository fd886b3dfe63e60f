// Every help page the program can open is shipped in the help folder, and the
// pages hang together: stylesheet, link back to the index, index of all pages.
#include "editor/completion.h"
#include "editor/include_libraries.h"
#include "editor/keyword_help.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kHelp = std::filesystem::path(QUILLO_TEST_DIR) / ".." / "help";

bool shipped(std::string_view page) { return std::filesystem::is_regular_file(kHelp / page); }

std::string text(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> pages() {
    std::vector<std::filesystem::path> result;
    for (const auto& entry : std::filesystem::directory_iterator(kHelp))
        if (entry.path().extension() == ".html") result.push_back(entry.path());
    return result;
}

bool links(const std::string& html, const std::string& target) {
    return html.find("href=\"" + target + "\"") != std::string::npos;
}

}  // namespace

TEST(HelpPages, EveryWordOfTheTableHasItsPage) {
    for (const auto& row : quillo::keywordPages()) EXPECT_TRUE(shipped(row.page)) << row.word << ": " << row.page;
    // The words that had pages before keep them.
    const char* words[] = {"abs", "acs", "align", "and", "asm", "asn", "at", "atn", "band", "beep", "bnot",
                           "border", "bor", "bxor", "dim", "int", "not", "or", "xor", "string", "ubyte",
                           "byte", "uinteger", "integer", "ulong", "long"};
    for (const char* word : words)
        EXPECT_EQ(quillo::keywordHelpTarget(word).kind, quillo::KeywordHelpTarget::Kind::Page) << word;
    EXPECT_TRUE(shipped(quillo::kSystemVariablesPage));
    EXPECT_TRUE(shipped("index.html"));
}

TEST(HelpPages, EveryWordOfTheCompletionVocabularyHasHelp) {
    const quillo::CompletionVocabulary vocabulary;
    for (const std::string_view word : vocabulary.entries())
        EXPECT_FALSE(quillo::keywordLocalPage(word).empty()) << word;
}

TEST(HelpPages, EveryIncludeLibraryHasItsPage) {
    EXPECT_EQ(quillo::includeLibraries().size(), 19u);
    for (const auto& library : quillo::includeLibraries()) EXPECT_TRUE(shipped(library.helpPage)) << library.helpPage;
}

TEST(HelpPages, EveryPageUsesTheStylesheetAndIsListedInTheIndex) {
    const std::string index = text(kHelp / "index.html");
    for (const auto& path : pages()) {
        const std::string name = path.filename().string();
        const std::string html = text(path);
        EXPECT_TRUE(links(html, "quillo_help.css")) << name;
        if (name == "index.html") continue;
        EXPECT_TRUE(links(html, "index.html")) << name << " has no link back to the index";
        EXPECT_TRUE(links(index, name)) << name << " is missing from the index";
    }
}

TEST(HelpPages, LinksBetweenPagesLeadToShippedPagesAndAnchors) {
    const std::regex link(R"(href="([^"#:]*)(?:#([^"]*))?")");
    for (const auto& path : pages()) {
        const std::string html = text(path);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator(); ++it) {
            const std::string file = (*it)[1].str().empty() ? path.filename().string() : (*it)[1].str();
            ASSERT_TRUE(shipped(file)) << path.filename() << " links to " << file;
            if ((*it)[2].matched) {
                EXPECT_NE(text(kHelp / file).find("name=\"" + (*it)[2].str() + "\""), std::string::npos)
                    << path.filename() << " links to " << (*it)[0].str();
            }
        }
    }
}
