#include "reports/LaunchChecks.h"

#include "shell/StringTable.h"

namespace varnel::reports {

std::optional<QString> checkTimeRange(QTime from, QTime to) {
    if (from < to) return std::nullopt;
    return shell::myLoadResString(118);
}

std::optional<QString> checkNodeChoice(const NodeChoice& nodes) {
    if (!nodes.limitNodes || (!nodes.selectedVeyra.isEmpty() && !nodes.selectedKeldan.isEmpty())) return std::nullopt;
    return shell::myLoadResString(129);
}

std::optional<QString> checkRangeRequest(const RangeRequest& request) {
    if (auto message = checkTimeRange(request.from, request.to)) return message;
    return checkNodeChoice(request.nodes);
}

}  // namespace varnel::reports
