// SPDX-License-Identifier: MIT
#include "platform/process_start.h"

#ifdef _WIN32
#include "platform/win32/process.h"
#elif defined(__EMSCRIPTEN__)
#include "platform/web/page_arguments.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace platform {

#ifdef _WIN32

void prepareProcess(int& argc, char**& argv) {
    win32::useBinaryStandardStreams();
    win32::useUtf8Arguments(argc, argv);
}

#elif defined(__EMSCRIPTEN__)

void prepareProcess(int& argc, char**& argv) {
    web::usePageArguments(argc, argv);
}

#else

// A descriptor 0, 1 or 2 closed at start would be taken by the next file
// opened (a script read from standard input would then read that file):
// /dev/null stands in for it.
void prepareProcess(int& /*argc*/, char**& /*argv*/) {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
            if (opened >= 0 && opened != fd) {
                close(opened); // another descriptor below was free after all
            }
        }
    }
}

#endif

} // namespace platform
