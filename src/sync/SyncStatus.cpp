// SPDX-License-Identifier: GPL-3.0-or-later
// The status-bar text of a finished sync.
#include "SyncRun.h"

namespace rekko {

namespace {

std::string Count(int count) {
    return std::to_string(count) + " 件";
}

} // namespace

std::string SyncStatusText(const SyncReport& report) {
    if (report.massDeletion)
        return "同期を止めました：削除が予定の半分を超えます（こちら " + Count(report.deletedHere) + "、サーバー " +
               Count(report.deletedThere) + "）";
    if (report.failed)
        return "同期できませんでした：" + report.message;
    std::string text = "同期しました：";
    std::string parts;
    const auto add = [&parts](const std::string& part) { parts += (parts.empty() ? "" : "、") + part; };
    if (report.sent > 0)
        add("送信 " + Count(report.sent));
    if (report.received > 0)
        add("受信 " + Count(report.received));
    if (report.deletedHere > 0)
        add("こちらで削除 " + Count(report.deletedHere));
    if (report.deletedThere > 0)
        add("サーバーで削除 " + Count(report.deletedThere));
    text += parts.empty() ? std::string("変更はありません") : parts;
    if (report.conflicts > 0)
        text += "。競合 " + Count(report.conflicts) + "：サーバーの版を「（競合）」の行に残しました";
    if (report.unmappable > 0)
        text += "。保存できない文字 " + std::to_string(report.unmappable) + " 字を〓にしました";
    if (!report.recurringSkipped.empty()) {
        text += "。取り込まない繰り返し予定 " + Count(static_cast<int>(report.recurringSkipped.size())) + "：";
        for (const std::string& summary : report.recurringSkipped)
            text += "「" + summary + "」";
    }
    return text;
}

} // namespace rekko
