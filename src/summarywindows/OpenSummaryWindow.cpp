#include "summarywindows/OpenSummaryWindow.h"

#include "summarywindows/SummaryWindow.h"

namespace varnel::summarywindows {

void openSummaryWindow(const reports::ReportInputs& inputs, QWidget& owner, const SummaryWindowServices& services) {
    SummaryWindow window(inputs, services, &owner);
    window.formLoad();
    window.exec();
}

}  // namespace varnel::summarywindows
