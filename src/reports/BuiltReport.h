// A built report: its kind, the rows of its derived table as its chart and
// summary read them, and what its build had to say. Each report keeps rows of
// its own type (minute rows, outbound latency rows, node rows); the rows are
// shared, never changed once built, so a built report is cheap to copy.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <typeinfo>

#include "platform/UserMessage.h"
#include "reports/ReportKind.h"

namespace varnel::reports {

class ReportRows {
public:
    // No rows: what a failed build leaves.
    ReportRows() = default;

    // Implicit: the rows of any report are report rows.
    template <typename Rows>
    ReportRows(Rows rows)
        : rows_(std::make_shared<const Rows>(std::move(rows))),
          type_(&typeid(Rows)),
          size_(static_cast<const Rows*>(rows_.get())->size()) {}

    // The rows as the report's own type; a report without rows gives an
    // empty list of that type. Asking for another report's type is a fault.
    template <typename Rows>
    const Rows& as() const {
        if (!rows_) {
            static const Rows none;
            return none;
        }
        if (*type_ != typeid(Rows)) throw std::logic_error("report rows asked for as another report's type");
        return *static_cast<const Rows*>(rows_.get());
    }

    // The same, shared with the report.
    template <typename Rows>
    std::shared_ptr<const Rows> shared() const {
        if (!rows_) return std::make_shared<const Rows>();
        return std::shared_ptr<const Rows>(rows_, &as<Rows>());
    }

    std::size_t size() const { return size_; }

private:
    std::shared_ptr<const void> rows_;
    const std::type_info* type_ = nullptr;
    std::size_t size_ = 0;
};

struct BuiltReport {
    ReportKind kind = ReportKind::PortAvailability;
    ReportRows rows;
    // What the build has to say, e.g. that nothing matched the report's
    // choices; shown in boxes by the windows, on standard error by
    // varnel-report, as notes by the report page.
    platform::UserMessages messages = {};

    // Number of chart positions (minutes, outbound messages or nodes).
    std::size_t size() const { return rows.size(); }
};

// What the caller does with a report's rows while its table is stored.
using RowsUser = std::function<void(const BuiltReport& report)>;

}  // namespace varnel::reports
