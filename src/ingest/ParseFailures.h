// The line-level failures of one log file, reported together once the file
// is read instead of one message per failing field.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace varnel::ingest {

enum class FailureCode : int {
    Overflow = 6,             // a number beyond 16 bits
    SubscriptOutOfRange = 9,  // a port outside 0..120, a field missing
    TypeMismatch = 13,        // a time stamp that does not convert
    InputPastEnd = 62,        // the log ended before the size it had when opened
    FileAccess = 75,          // the log cannot be opened or read
};

struct ParseFailure {
    int64_t line = 0;
    FailureCode code{};
    QString description;
};

class ParseFailures {
public:
    // The first failure and this many further ones are listed.
    static constexpr std::size_t listedFurther = 10;

    void add(int64_t line, FailureCode code, QString description);
    bool empty() const { return total_ == 0; }
    int64_t total() const { return total_; }

    // "Error in ParseLogFile routine: " + first description + " Number=" +
    // code; then the file's path (and the first failure's line) on a line of
    // its own; then how many more failures there were and up to ten
    // "line N: ..." lines of them, the first not repeated.
    QString messageText(const QString& path) const;

private:
    std::vector<ParseFailure> listed_;
    int64_t total_ = 0;
};

}  // namespace varnel::ingest
