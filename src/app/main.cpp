// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "terminal.h"

#include <dlfcn.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {
// The window and Qt's GUI libraries come with the module, from beside the program
// (the build tree) or from the installed module folder.
int RunWindow(int &argc, char *argv[])
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::string failure;
    for (const std::filesystem::path &module :
         {folder / "drawsmith_window.so", folder / DRAWSMITH_PLUGIN_FROM_PROGRAM / "drawsmith_window.so"}) {
        if (void *handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            if (auto *run = reinterpret_cast<int (*)(int, char **)>(dlsym(handle, "DrawsmithRunWindow")))
                return run(argc, argv);
        }
        failure += dlerror() + std::string("\n");
    }
    return ReportNoWindow(failure, argc, argv);
}
} // namespace

int main(int argc, char *argv[])
{
    // Decided before any application object exists: a terminal command never
    // touches the display, nor games.dat beyond reading it.
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.What != Command::Window)
        return RunCommandLine(line, argc, argv);
    return RunWindow(argc, argv);
}
