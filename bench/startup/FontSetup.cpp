#include "startup/FontSetup.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

FontSetup::FontSetup(const std::vector<std::string> &extraFolders, const std::vector<std::string> &extraRules,
                     const std::string &workFolder, Child::Environment &env)
{
    if (!extraFolders.empty() || !extraRules.empty()) {
        const std::string file = workFolder + "/fonts.conf";
        std::ofstream conf(file);
        // The first cache folder that can be written takes the new caches: ours, not the system's.
        conf << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n"
             << "  <cachedir>" << workFolder << "/fontconfig-cache</cachedir>\n"
             << "  <include ignore_missing=\"no\">/etc/fonts/fonts.conf</include>\n";
        for (const std::string &folder : extraFolders)
            conf << "  <dir>" << folder << "</dir>\n";
        for (const std::string &rules : extraRules)
            conf << "  <include ignore_missing=\"no\">" << rules << "</include>\n";
        conf << "</fontconfig>\n";
        conf.close();
        if (!conf)
            throw std::runtime_error("cannot write " + file);
        env["FONTCONFIG_FILE"] = file;
        const std::string cache = Child::find("fc-cache");
        if (cache.empty())
            throw std::runtime_error("fc-cache is not installed (apt-get install fontconfig)");
        Child::output({cache}, env);
    }
    const std::string list = Child::find("fc-list");
    if (list.empty())
        throw std::runtime_error("fc-list is not installed (apt-get install fontconfig)");
    const std::string fonts = Child::output({list}, env);
    m_count = int(std::count(fonts.begin(), fonts.end(), '\n'));
}
