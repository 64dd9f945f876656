// Cuts one log line at every comma. No quoting and no trimming: blanks stay
// part of a field and empty fields count.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace varnel::ingest {

class LineFields {
public:
    // Fields beyond this many are counted but not kept; the parser reads 0..8.
    static constexpr std::size_t kept = 9;

    explicit LineFields(std::string_view line);

    std::size_t count() const { return count_; }
    bool has(std::size_t index) const { return index < count_; }
    // The field's text; only valid when has(index).
    std::string_view operator[](std::size_t index) const { return fields_[index]; }

private:
    std::array<std::string_view, kept> fields_{};
    std::size_t count_ = 0;
};

}  // namespace varnel::ingest
