#pragma once

#include "startup/Child.h"

#include <string>
#include <vector>

// The fonts the measured programs see: the machine's, plus any font folders and fontconfig
// rules (files or folders of them) named on the command line, through a fontconfig file of the
// benchmark's own; the machine's configuration is included and nothing is installed. Caches
// are built first, as a desktop has them.
class FontSetup
{
public:
    FontSetup(const std::vector<std::string> &extraFolders, const std::vector<std::string> &extraRules,
              const std::string &workFolder, Child::Environment &env);

    int count() const { return m_count; }

private:
    int m_count = 0;
};
