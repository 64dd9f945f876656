#include "ingest/ReportChecks.h"

#include "shell/StringTable.h"

namespace varnel::ingest {

std::optional<platform::UserMessage> reportLaunchProblem(const NodeFilter& filter) {
    if (!(filter.start < filter.end)) return platform::UserMessage(shell::myLoadResString(118));
    if (filter.limitNodes && (filter.veyraNodes.isEmpty() || filter.keldanNodes.isEmpty()))
        return platform::UserMessage(shell::myLoadResString(129));
    return std::nullopt;
}

}  // namespace varnel::ingest
