#include "ingest/LogFileReader.h"

#include <cstring>

namespace varnel::ingest {

LogFileReader::LogFileReader(const QString& path) : file_(path) {}

bool LogFileReader::open() {
    if (!file_.open(QIODevice::ReadOnly)) return false;
    buffer_.resize(chunkSize);
    return true;
}

int64_t LogFileReader::countLines() {
    int64_t lines = 0;
    bool pendingLine = false;
    for (;;) {
        const qint64 got = file_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
        if (got <= 0) break;
        const char* p = buffer_.data();
        const char* const end = p + got;
        while (const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            ++lines;
            p = static_cast<const char*>(nl) + 1;
        }
        pendingLine = p != end;
    }
    if (pendingLine) ++lines;
    file_.seek(0);
    begin_ = end_ = 0;
    atEof_ = false;
    return lines;
}

// Moves the unread tail to the front and reads more after it; grows the
// buffer when one line is longer than the buffer.
bool LogFileReader::refill() {
    if (atEof_) return false;
    const std::size_t tail = end_ - begin_;
    if (begin_ > 0 && tail > 0) std::memmove(buffer_.data(), buffer_.data() + begin_, tail);
    begin_ = 0;
    end_ = tail;
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const qint64 got = file_.read(buffer_.data() + end_, static_cast<qint64>(buffer_.size() - end_));
    if (got <= 0) {
        atEof_ = true;
        return false;
    }
    end_ += static_cast<std::size_t>(got);
    return true;
}

bool LogFileReader::nextLine(std::string_view& line) {
    std::size_t searchFrom = begin_;
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const void* nl = std::memchr(buffer_.data() + searchFrom, '\n', end_ - searchFrom);
        if (nl) {
            const char* lineEnd = static_cast<const char*>(nl);
            line = std::string_view(start, static_cast<std::size_t>(lineEnd - start));
            begin_ = static_cast<std::size_t>(lineEnd - buffer_.data()) + 1;
            break;
        }
        const std::size_t scanned = end_ - begin_;
        if (!refill()) {
            if (begin_ == end_) return false;
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);  // last line without its end
            begin_ = end_;
            break;
        }
        searchFrom = begin_ + scanned;
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

}  // namespace varnel::ingest
