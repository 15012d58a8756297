// SPDX-License-Identifier: MIT
#include "platform/runtime.h"
#include "players/match_command.h"
#include "records/deal_report.h"
#include "window/main_window.h"
#include "window/state_report.h"

int main(int argc, char** argv) {
    if (players::isMatchCommand(argc, argv)) {
        return players::runMatchCommand(argc, argv);
    }
    SetStateReporter(reportState);
    SetDealReporter(ReportDeal);
    SetDealCodeCheck(CheckDealCode);
    return RunPlatform(argc, argv, WinMain);
}
