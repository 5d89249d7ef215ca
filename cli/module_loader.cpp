// Modules looked up where the installed layout puts them, relative to the program first.
#include "module_loader.h"

#include <dlfcn.h>

#include <filesystem>

namespace dovrin::cli {
namespace {

// The addresses of all `symbols` in `module`, or empty.
std::vector<void*> Symbols(void* module, std::initializer_list<const char*> symbols)
{
    std::vector<void*> found;
    for (const char* symbol : symbols) {
        void* address = dlsym(module, symbol);
        if (!address) return {};
        found.push_back(address);
    }
    return found;
}

}  // namespace

std::vector<void*> LoadModule(std::string_view file, std::initializer_list<const char*> symbols, std::string& why)
{
    std::vector<std::filesystem::path> places;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) places.push_back(program.parent_path() / DOVRIN_PKGLIBDIR_FROM_BINDIR / file);
    places.push_back(std::filesystem::path(DOVRIN_PKGLIBDIR_ABSOLUTE) / file);
    for (const std::filesystem::path& place : places) {
        // dlerror names the file itself only sometimes.
        const auto failed = [&] {
            const char* message = dlerror();
            std::string reason = message ? message : "?";
            if (!reason.starts_with(place.string())) reason = place.string() + ": " + reason;
            why += (why.empty() ? "" : "; ") + reason;
        };
        void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            failed();
            continue;
        }
        std::vector<void*> found = Symbols(module, symbols);
        if (!found.empty()) return found;
        failed();
    }
    return {};
}

}  // namespace dovrin::cli
