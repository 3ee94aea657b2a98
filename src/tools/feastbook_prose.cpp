// Build step: checks the prose folder against the keys the calendar rules use and writes the
// table that embeds it, so that the texts and the rules cannot drift apart.
//
//   feastbook-prose --keys                        every key in use, one a line
//   feastbook-prose --folder DIR --output FILE    check DIR, write FILE only when all is well

#include "liturgy/ProseKeys.h"
#include "tools/ProseFolder.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

namespace fs = std::filesystem;

int usage()
{
    std::cerr << "usage: feastbook-prose --keys\n"
                 "       feastbook-prose --folder DIR --output FILE\n";
    return 2;
}

bool writeAtomically(const fs::path &path, const std::string &content)
{
    const fs::path temporary = fs::path(path).concat(".tmp");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush())
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    return !error;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace liturgy;
    const std::set<std::string> used = proseKeysInUse(ProseFirstYear, ProseLastYear);
    if (argc == 2 && std::string_view(argv[1]) == "--keys") {
        for (const std::string &key : used)
            std::cout << key << '\n';
        return 0;
    }
    if (argc != 5 || std::string_view(argv[1]) != "--folder" || std::string_view(argv[3]) != "--output")
        return usage();

    const auto folder = prose::ProseFolder::read(argv[2], used);
    for (const std::string &problem : folder.problems)
        std::cerr << "feastbook-prose: " << problem << '\n';
    if (!folder.problems.empty()) {
        std::cerr << "feastbook-prose: " << folder.problems.size() << " problem(s) with the prose for the years "
                  << ProseFirstYear << "-" << ProseLastYear << '\n';
        return 1;
    }
    if (!writeAtomically(argv[4], prose::tableSource(folder.texts))) {
        std::cerr << "feastbook-prose: cannot write " << argv[4] << '\n';
        return 1;
    }
    return 0;
}
