// Dialogs for benchmarks: no message box ever shows, no question is asked,
// and a save dialog answers with the path set beforehand (none: cancelled).
#pragma once

#include <optional>

#include "windowkit/UserDialogs.h"

namespace varnel::bench {

class SilentDialogs : public platform::UserDialogs {
public:
    void show(const platform::UserMessage&) override {}
    bool confirm(const platform::UserMessage&) override { return false; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<platform::SaveFileChoice> chooseSaveFile(const QString&, const QString&, const QString&) override {
        if (!savePath) return std::nullopt;
        return platform::SaveFileChoice{*savePath, {}};
    }

    std::optional<QString> savePath;
};

}  // namespace varnel::bench
