// SPDX-License-Identifier: MIT
#include "platform/web/page_arguments.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/web/page_query.h"

// clang-format off
EM_JS(char*, talonix_page_query, (), {
    return Module.talonixPage.query();
});
// clang-format on

namespace platform::web {

void usePageArguments(int& argc, char**& argv) {
    static std::vector<std::string> arguments;
    static std::vector<char*> pointers;
    char* query = talonix_page_query();
    arguments = pageArguments(query != nullptr ? query : "");
    std::free(query);
    pointers.assign(1, argc > 0 ? argv[0] : const_cast<char*>("talonix"));
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    argc = static_cast<int>(pointers.size() - 1);
    argv = pointers.data();
}

} // namespace platform::web
