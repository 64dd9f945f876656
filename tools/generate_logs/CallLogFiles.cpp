#include "CallLogFiles.h"

#include <stdexcept>
#include <utility>

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;

std::string fileName(const CalendarDate& date, std::uint32_t fileNumber) {
    std::string name = "CallLog_" + date.compact();
    if (fileNumber > 1) name.append("_").append(std::to_string(fileNumber));
    return name.append(".log");
}

}  // namespace

CallLogFiles::CallLogFiles(std::filesystem::path folder, const CalendarDate& date, std::uint32_t lines,
                           std::uint32_t files, LineFormatter formatter)
    : folder_(std::move(folder)), date_(date), lines_(lines), files_(files), formatter_(std::move(formatter)) {
    buffer_.reserve(kBufferBytes + 512);
}

CallLogFiles::~CallLogFiles() {
    if (file_) std::fclose(file_);
}

void CallLogFiles::port(const PortEvent& event) {
    if (linesLeftInFile_ == 0) openNextFile();
    formatter_.appendPort(buffer_, event);
    lineAdded();
}

void CallLogFiles::message(const MessageEvent& event) {
    if (linesLeftInFile_ == 0) openNextFile();
    formatter_.appendMessage(buffer_, event);
    lineAdded();
}

void CallLogFiles::finish() {
    if (fileNumber_ != files_ || linesLeftInFile_ != 0)
        throw std::logic_error("the day ended before all its lines were written");
    closeFile();
}

void CallLogFiles::lineAdded() {
    --linesLeftInFile_;
    if (buffer_.size() >= kBufferBytes || linesLeftInFile_ == 0) writeBuffer();
}

void CallLogFiles::openNextFile() {
    closeFile();
    if (fileNumber_ == files_) throw std::logic_error("more lines than planned for the day");
    ++fileNumber_;
    // The first files take one line more when the lines do not divide evenly.
    linesLeftInFile_ = lines_ / files_ + (fileNumber_ <= lines_ % files_ ? 1 : 0);
    filePath_ = folder_ / fileName(date_, fileNumber_);
    file_ = std::fopen(filePath_.c_str(), "wb");
    if (!file_) throw std::runtime_error("cannot create " + filePath_.string());
}

void CallLogFiles::writeBuffer() {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
        throw std::runtime_error("cannot write " + filePath_.string());
    buffer_.clear();
}

void CallLogFiles::closeFile() {
    if (!file_) return;
    const bool failed = std::fclose(file_) != 0;
    file_ = nullptr;
    if (failed) throw std::runtime_error("cannot write " + filePath_.string());
}
