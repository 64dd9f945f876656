#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "CalendarDate.h"
#include "CallLogEvents.h"
#include "LineFormatter.h"

// Writes a day's lines into CallLog_YYYYMMDD.log, CallLog_YYYYMMDD_2.log, ...
// splitting them as evenly as possible over the requested number of files.
// Throws std::runtime_error when a file cannot be written.
class CallLogFiles : public CallLogSink {
public:
    CallLogFiles(std::filesystem::path folder, const CalendarDate& date, std::uint32_t lines, std::uint32_t files,
                 LineFormatter formatter);
    ~CallLogFiles() override;
    CallLogFiles(const CallLogFiles&) = delete;
    CallLogFiles& operator=(const CallLogFiles&) = delete;

    void port(const PortEvent& event) override;
    void message(const MessageEvent& event) override;

    // Flushes and closes the last file; call once after the last line.
    void finish();

private:
    void lineAdded();
    void openNextFile();
    void writeBuffer();
    void closeFile();

    std::filesystem::path folder_;
    CalendarDate date_;
    std::uint32_t lines_;
    std::uint32_t files_;
    LineFormatter formatter_;
    std::string buffer_;
    std::FILE* file_ = nullptr;
    std::filesystem::path filePath_;
    std::uint32_t fileNumber_ = 0;
    std::uint32_t linesLeftInFile_ = 0;
};
