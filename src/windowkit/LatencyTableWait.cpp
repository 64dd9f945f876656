#include "windowkit/LatencyTableWait.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "render/ReportViewCatalogue.h"
#include "shell/StringTable.h"
#include "windowkit/WaitCursor.h"

namespace varnel::windowkit {

std::optional<platform::UserMessage> waitForLatencyTable(reports::LatencyTableStore& store) {
    std::optional<QString> failure;
    if (store.pending()) {
        const WaitCursor wait;
        failure = store.settle([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    } else {
        failure = store.settle();
    }
    if (!failure) return std::nullopt;
    const int prefixId = render::reportViews(reports::ReportKind::Latency).window.loadFailureId;
    return platform::UserMessage{shell::myLoadResString(prefixId) + *failure};
}

}  // namespace varnel::windowkit
