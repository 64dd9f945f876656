#include "reportwindows/ReportWindowLauncher.h"

#include "render/ReportViewCatalogue.h"

namespace varnel::reportwindows {

void ReportWindowLauncher::openReport(const reports::ReportInputs& inputs, QWidget& owner,
                                      app::ProgressPanel& progress) {
    ReportWindow window(render::reportViews(inputs.kind).window, inputs, services_, &owner);
    window.resize(owner.size().expandedTo(window.minimumSize()));
    window.move(owner.pos());
    window.load(progress);
    window.exec();
}

}  // namespace varnel::reportwindows
