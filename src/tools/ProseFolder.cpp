#include "tools/ProseFolder.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace prose {

namespace fs = std::filesystem;

namespace {

constexpr const char *Sections[] = {"sanctoral", "temporal"};
constexpr std::string_view Extension = ".txt";

// Well-formed UTF-8 by the table of well-formed byte sequences: no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
bool isUtf8(std::string_view s)
{
    const auto at = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = at(i);
        const size_t length = b < 0x80 ? 1 : b < 0xC2 ? 0 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > s.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((at(i + k) & 0xC0) != 0x80)
                return false;
        if (length > 2) {
            // The second byte's narrower range for the lead bytes that could encode too much.
            const unsigned char second = at(i + 1);
            if ((b == 0xE0 && second < 0xA0) || (b == 0xED && second > 0x9F) || (b == 0xF0 && second < 0x90)
                || (b == 0xF4 && second > 0x8F))
                return false;
        }
        i += length;
    }
    return true;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// The line without blanks at its ends, each run of blanks inside it one space.
std::string collapseBlanks(std::string_view line)
{
    std::string words;
    bool pendingSpace = false;
    for (const char c : line) {
        if (isBlank(c)) {
            pendingSpace = !words.empty();
            continue;
        }
        if (pendingSpace)
            words += ' ';
        pendingSpace = false;
        words += c;
    }
    return words;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string displayPath(const fs::path &folder, const std::string &key)
{
    return (folder / (key + std::string(Extension))).generic_string();
}

// Texts found in one section; files that are no key's text are reported.
void readSection(const fs::path &folder, const std::string &section, const std::set<std::string> &used,
                 ProseFolder &out, std::set<std::string> &found)
{
    if (!fs::is_directory(folder / section))
        return;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder / section)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("."))
            continue; // an editor's lock or swap file
        const std::string stem = entry.path().stem().string();
        const std::string key = section + "/" + stem;
        if (!entry.is_regular_file() || entry.path().extension() != Extension || !used.contains(key)) {
            out.problems.push_back(entry.path().generic_string()
                                   + ": no day of the calendar uses this file; rename or remove it");
            continue;
        }
        found.insert(key);
        const std::optional<std::vector<std::string>> paragraphs = paragraphsOf(readFile(entry.path()));
        if (!paragraphs)
            out.problems.push_back(entry.path().generic_string() + ": not UTF-8 text");
        else if (paragraphs->empty())
            out.problems.push_back(entry.path().generic_string() + ": holds no text");
        else
            out.texts.push_back({key, *paragraphs});
    }
}

void appendLiteral(std::string &out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            // Three octal digits always end the escape, whatever follows.
            static constexpr char Octal[] = "01234567";
            out += '\\';
            out += Octal[(b >> 6) & 7];
            out += Octal[(b >> 3) & 7];
            out += Octal[b & 7];
        }
    }
    out += '"';
}

} // namespace

std::optional<std::vector<std::string>> paragraphsOf(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (!isUtf8(text))
        return std::nullopt;
    std::vector<std::string> paragraphs;
    std::string current;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        const std::string words = collapseBlanks(line);
        if (words.empty()) {
            if (!current.empty())
                paragraphs.push_back(std::move(current));
            current.clear();
        } else {
            current += (current.empty() ? "" : " ") + words;
        }
    }
    if (!current.empty())
        paragraphs.push_back(std::move(current));
    return paragraphs;
}

ProseFolder ProseFolder::read(const fs::path &folder, const std::set<std::string> &used)
{
    ProseFolder out;
    std::set<std::string> found;
    for (const char *section : Sections)
        readSection(folder, section, used, out, found);
    std::sort(out.texts.begin(), out.texts.end(), [](const ProseText &a, const ProseText &b) { return a.key < b.key; });
    for (const std::string &key : used)
        if (!found.contains(key))
            out.problems.push_back("no text for the key " + key + ": write " + displayPath(folder, key));
    return out;
}

std::string tableSource(const std::vector<ProseText> &texts)
{
    std::string out = "// Generated by feastbook-prose from src/liturgy/prose at build time; edit the texts there.\n"
                      "#include \"liturgy/Prose.h\"\n\n"
                      "namespace liturgy {\n\nnamespace {\n\n"
                      "using namespace std::string_view_literals;\n\n";
    for (size_t i = 0; i < texts.size(); ++i) {
        out += "constexpr std::string_view Text" + std::to_string(i) + "[] = {\n";
        for (const std::string &paragraph : texts[i].paragraphs) {
            out += "    ";
            appendLiteral(out, paragraph);
            out += "sv,\n";
        }
        out += "};\n";
    }
    if (!texts.empty()) {
        out += "\nconstexpr ProseEntry Entries[] = {\n";
        for (size_t i = 0; i < texts.size(); ++i) {
            out += "    {";
            appendLiteral(out, texts[i].key);
            out += "sv, Text" + std::to_string(i) + "},\n";
        }
        out += "};\n";
    }
    out += "\n} // namespace\n\nstd::span<const ProseEntry> proseTable() { return ";
    out += texts.empty() ? "{}" : "Entries";
    out += "; }\n\n} // namespace liturgy\n";
    return out;
}

} // namespace prose
