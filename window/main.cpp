#include "platform/runtime.h"
#include "window/main_window.h"
#include "window/state_report.h"

int main(int argc, char** argv) {
    SetStateReporter(reportState);
    return RunPlatform(argc, argv, WinMain);
}
