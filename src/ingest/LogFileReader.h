// Reads a log file in fixed-size chunks and hands out its lines (without
// their LF, CR LF or lone CR ending), so that memory stays small whatever the size of
// the file. Only a regular file is read (links followed), and only the bytes
// it held when it was opened: the lines counted are the lines parsed, even
// while the gateway goes on writing to it.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ingest/LineFields.h"
#include "platform/RegularFile.h"

namespace varnel::ingest {

class LogFileReader {
public:
    using Opened = platform::RegularFile::Opened;

    explicit LogFileReader(const QString& path);

    // Opens the file without ever waiting on a FIFO and takes its size.
    Opened open();
    // Why open() failed, or what kind of entry it found instead of a file.
    QString errorString() const { return error_; }

    // Counts the lines from the start of the file; a last line without its
    // line end counts too. Stops once the count exceeds stopAbove. Leaves the
    // reader at the start again.
    int64_t countLines(int64_t stopAbove);

    // Gives the next line; false at the end of the bytes taken at open() or
    // on a read error.
    bool nextLine(std::string_view& line);
    // The fields of the line that nextLine() gave last, cut while its end
    // was looked for. Valid until the next call of nextLine().
    const LineFields& fields() const { return fields_; }

    // True when the file ended, or could not be read, before the size it had
    // when it was opened; errorString() then says which.
    bool cutShort() const { return cutShort_; }

private:
    // Reads up to size bytes of what is left of the file's first size; 0 at
    // its end or on a failure.
    std::size_t read(char* into, std::size_t size);
    void rewind();
    bool refill();

    // Small enough that a chunk is still in the processor's cache when its
    // lines are scanned: a megabyte chunk made reading the file three times
    // slower.
    static constexpr std::size_t chunkSize = 1 << 16;

    platform::RegularFile file_;
    int64_t size_ = 0;      // the file's size when opened
    int64_t consumed_ = 0;  // bytes read since the start
    bool cutShort_ = false;
    QString error_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // start of unread bytes in buffer_
    std::size_t end_ = 0;    // end of valid bytes in buffer_
    bool atEof_ = false;
    LineFields fields_;
};

}  // namespace varnel::ingest
