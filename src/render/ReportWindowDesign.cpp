#include "render/ReportWindowDesign.h"

#include "shell/StringTable.h"

namespace varnel::reportwindows {

namespace {

bool isCheckFrame(const FrameDesign& frame) { return QByteArray(frame.controls.front().name).startsWith("chk"); }

}  // namespace

const FrameDesign* ReportWindowDesign::checkFrame() const {
    for (const FrameDesign& frame : frames)
        if (isCheckFrame(frame)) return &frame;
    return nullptr;
}

const FrameDesign* ReportWindowDesign::optionFrame() const {
    for (const FrameDesign& frame : frames)
        if (!isCheckFrame(frame)) return &frame;
    return nullptr;
}

QString ReportWindowDesign::chartLoadingCaption() const {
    if (viewport == charts::ViewportKind::PerMinute) return QStringLiteral("Generating report, please wait...");
    if (viewport == charts::ViewportKind::Latency) return shell::myLoadResString(43);
    return {};
}

std::vector<bool> visibleSeries(const ReportWindowDesign& design, const std::vector<bool>& checks,
                                const std::vector<bool>& options) {
    std::vector<bool> visible;
    for (const SeriesRule& rule : design.series) {
        bool shown = rule.check == SeriesRule::always || checks.at(static_cast<std::size_t>(rule.check));
        if (rule.option == SeriesRule::never) shown = false;
        if (rule.option >= 0) shown = shown && options.at(static_cast<std::size_t>(rule.option));
        visible.push_back(shown);
    }
    return visible;
}

std::vector<bool> initiallyVisibleSeries(const ReportWindowDesign& design) {
    std::vector<bool> checks;
    std::vector<bool> options;
    if (const FrameDesign* frame = design.checkFrame())
        for (const ControlDesign& control : frame->controls) checks.push_back(control.initiallyOn);
    if (const FrameDesign* frame = design.optionFrame())
        for (const ControlDesign& control : frame->controls) options.push_back(control.initiallyOn);
    return visibleSeries(design, checks, options);
}

}  // namespace varnel::reportwindows
