// Stands in for the report windows: records what each Run Report hands over.
#pragma once

#include <vector>

#include "windowkit/ReportLauncher.h"

namespace varnel::app::test {

class RecordingLauncher : public ReportLauncher {
public:
    void openReport(const reports::ReportInputs& inputs, QWidget& owner, ProgressPanel&) override {
        opened.push_back(inputs);
        owners.push_back(&owner);
    }
    std::vector<reports::ReportInputs> opened;
    std::vector<QWidget*> owners;
};

}  // namespace varnel::app::test
