// The floor plan of the game's folders: an include only goes down a floor or sideways within
// one, and no two modules (a .h and its .cpp) or folders include each other, however far round.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Bottom to top.
const std::map<std::string, int> kFloors = {
    {"platform", 0}, {"resources", 0}, {"core", 1},    {"stable", 2},
    {"raceday", 2},  {"results", 2},   {"screens", 2}, {"shell", 3},
};

using Graph = std::map<std::string, std::set<std::string>>;

std::string FolderOf(const std::string& path) { return path.substr(0, path.find('/')); }
std::string ModuleOf(const std::string& path) { return path.substr(0, path.rfind('.')); }

// Every node that reaches itself, that is, stands in a circle.
std::vector<std::string> InCircles(const Graph& graph) {
    std::vector<std::string> found;
    for (const auto& [start, next] : graph) {
        std::set<std::string> reached;
        std::vector<std::string> todo(next.begin(), next.end());
        while (!todo.empty() && reached.count(start) == 0) {
            const std::string node = todo.back();
            todo.pop_back();
            if (reached.insert(node).second && graph.count(node) != 0) {
                todo.insert(todo.end(), graph.at(node).begin(), graph.at(node).end());
            }
        }
        if (reached.count(start) != 0) {
            found.push_back(start);
        }
    }
    return found;
}

TEST(FloorPlan, IncludesGoDownOrSidewaysAndNeverRoundInACircle) {
    const fs::path root = STRIDEWELL_SOURCE_DIR;
    const std::regex include(R"(^\s*#\s*include\s*"(([a-z_]+)/[^"]+)\")");
    Graph modules, folders;
    int files = 0;
    for (const auto& [folder, floor] : kFloors) {
        for (const auto& entry : fs::directory_iterator(root / folder)) {
            const std::string name = entry.path().filename().string();
            if (!name.ends_with(".h") && !name.ends_with(".cpp")) {
                continue;
            }
            files += 1;
            const std::string file = folder + "/" + name;
            std::ifstream in(entry.path());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch match;
                if (!std::regex_search(line, match, include) || kFloors.count(match[2]) == 0) {
                    continue;
                }
                const std::string target = match[1];
                if (kFloors.at(match[2]) > floor) {
                    ADD_FAILURE() << file << ":" << number << ": includes " << target
                                  << ", a floor above " << folder;
                }
                if (ModuleOf(target) != ModuleOf(file)) {
                    modules[ModuleOf(file)].insert(ModuleOf(target));
                }
                if (FolderOf(target) != folder) {
                    folders[folder].insert(FolderOf(target));
                }
            }
        }
    }
    EXPECT_GT(files, 100) << "the game's folders are not under " << root;
    for (const std::string& module : InCircles(modules)) {
        ADD_FAILURE() << "module " << module << " includes itself round a circle";
    }
    for (const std::string& folder : InCircles(folders)) {
        ADD_FAILURE() << "folder " << folder << " includes itself round a circle";
    }
}

} // namespace
