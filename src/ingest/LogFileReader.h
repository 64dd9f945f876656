// Reads a log file in fixed-size chunks and hands out its lines (without
// their LF or CR LF ending), so that memory stays small whatever the size of
// the file.
#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnel::ingest {

class LogFileReader {
public:
    explicit LogFileReader(const QString& path);

    bool open();
    QString errorString() const { return file_.errorString(); }

    // Counts the lines from the start of the file; a last line without its
    // line end counts too. Leaves the reader at the start again.
    int64_t countLines();

    // Gives the next line; false at the end of the file or on a read error.
    bool nextLine(std::string_view& line);

private:
    bool refill();

    // Small enough that a chunk is still in the processor's cache when its
    // lines are scanned: a megabyte chunk made reading the file three times
    // slower.
    static constexpr std::size_t chunkSize = 1 << 16;

    QFile file_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // start of unread bytes in buffer_
    std::size_t end_ = 0;    // end of valid bytes in buffer_
    bool atEof_ = false;
};

}  // namespace varnel::ingest
