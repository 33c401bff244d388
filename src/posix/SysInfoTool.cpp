#include "posix/SysInfoTool.h"

namespace textmend {

const std::vector<std::string>& SysInfoProgramNames() {
    static const std::vector<std::string> names{"hardinfo2", "hardinfo", "kinfocenter",
                                                "gnome-system-monitor"};
    return names;
}

std::optional<std::string> FindOnPath(const std::vector<std::string>& names,
                                      std::string_view searchPath,
                                      const std::function<bool(const std::string&)>& isExecutable) {
    for (const std::string& name : names) {
        std::size_t start = 0;
        while (start <= searchPath.size()) {
            std::size_t end = searchPath.find(':', start);
            if (end == std::string_view::npos) {
                end = searchPath.size();
            }
            const std::string_view folder = searchPath.substr(start, end - start);
            // An empty entry would mean the current folder, which is no place to
            // start a program from by a button.
            if (!folder.empty()) {
                std::string candidate(folder);
                if (candidate.back() != '/') {
                    candidate += '/';
                }
                candidate += name;
                if (isExecutable(candidate)) {
                    return candidate;
                }
            }
            start = end + 1;
        }
    }
    return std::nullopt;
}

}  // namespace textmend
