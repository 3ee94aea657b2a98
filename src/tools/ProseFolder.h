#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace prose {

// One text of the prose folder: its key is its path below the folder without ".txt".
struct ProseText
{
    std::string key;
    std::vector<std::string> paragraphs;
};

// The texts of the sections "sanctoral" and "temporal" of a prose folder, in ascending order of
// key, and what is wrong with the folder. Nothing is wrong when every key in `used` has a
// non-empty, UTF-8 text and every file is the text of a key in `used`.
struct ProseFolder
{
    std::vector<ProseText> texts;
    std::vector<std::string> problems;

    static ProseFolder read(const std::filesystem::path &folder, const std::set<std::string> &used);
};

// A text's paragraphs: blank lines separate them, the lines of one paragraph are joined with
// one space and runs of white space become one space. Nothing when the text is not UTF-8.
std::optional<std::vector<std::string>> paragraphsOf(std::string_view text);

// C++ source that defines liturgy::proseTable() over the texts.
std::string tableSource(const std::vector<ProseText> &texts);

} // namespace prose
