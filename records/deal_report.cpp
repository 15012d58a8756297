// SPDX-License-Identifier: MIT
#include "records/deal_report.h"

#include "records/current_deal.h"
#include "records/undo_history.h"

nlohmann::ordered_json ReportDeal() {
    nlohmann::ordered_json json;
    json["event"] = "deal";
    const std::string code = CurrentDealCode();
    json["code"] = code.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(code);
    json["canUndo"] = CanUndo() ? 1 : 0;
    json["canRedo"] = CanRedo() ? 1 : 0;
    json["undone"] = UndoneMoves();
    return json;
}

std::string CheckDealCode(const std::string& code) {
    DealCode deal;
    return decodeDealCode(code, deal);
}
