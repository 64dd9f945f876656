// Cuts one log line at every comma. No quoting and no trimming: blanks stay
// part of a field and empty fields count. A line ends at an LF, a CR LF or a
// lone CR; its end and its commas are found together, in one pass over its
// bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varnel::ingest {

class LineFields {
public:
    // Fields beyond this many are counted but not kept; the parser reads 0..8.
    static constexpr std::size_t kept = 9;

    LineFields() = default;
    // Cuts the line that the text begins with (see cutLine).
    explicit LineFields(std::string_view text) { cutLine(text.data(), text.data() + text.size()); }

    // Cuts the bytes from begin up to the first line end, an LF or a CR, or
    // up to end when there is none. Returns the line end's place, or end; a
    // CR there may be the first half of a CR LF end, which the caller passes
    // over as one.
    const char* cutLine(const char* begin, const char* end);

    // The line without its LF, CR LF or CR end.
    std::string_view line() const { return {starts_[0], static_cast<std::size_t>(end_ - starts_[0])}; }
    std::size_t count() const { return count_; }
    bool has(std::size_t index) const { return index < count_; }
    // The field's text; only valid when has(index) and index < kept.
    std::string_view operator[](std::size_t index) const {
        const char* fieldEnd = index + 1 < count_ ? starts_[index + 1] - 1 : end_;
        return {starts_[index], static_cast<std::size_t>(fieldEnd - starts_[index])};
    }

private:
    // Where each kept field begins, then where the field after them begins
    // (it ends the last kept one), then a slot that later commas overwrite.
    std::array<const char*, kept + 2> starts_{};
    const char* end_ = nullptr;
    std::size_t count_ = 0;
};

}  // namespace varnel::ingest
