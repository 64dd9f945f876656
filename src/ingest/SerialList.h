// The serial numbers of the nodes of one side, in the order they first
// occurred in the logs, each listed once (compared ignoring case).
#pragma once

#include <QStringList>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace varnel::ingest {

class SerialList {
public:
    // Adds the text unless an entry equal to it ignoring case is listed.
    void add(std::string_view serial);
    void clear();

    // Length of the list written as text, every entry followed by ",".
    std::size_t textLength() const { return textLength_; }
    // The listed serial numbers, without empty entries.
    QStringList nodes() const;

private:
    // Lets the sets be searched with a string_view, without making a string.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

    // A serial of one to eight bytes as logged, known to be listed already:
    // its bytes in one word, and its length (0 for a slot still empty).
    struct Recent {
        uint64_t word = 0;
        std::size_t size = 0;
    };
    // Recent serials lie in pairs of slots, the pair picked by the serial's
    // bytes, so that two serials that pick the same pair still both stay.
    static constexpr int recentPairBits = 7;

    std::vector<std::string> entries_;
    TextSet foldedKeys_;  // the entries in lower case
    std::string lookupKey_;
    std::size_t textLength_ = 0;
    // Serials met lately, each in the pair of slots its bytes pick: a node
    // sends many messages, so most serials are found here, by one compare of
    // their bytes as logged, without a folded copy or a full hash.
    std::array<Recent, std::size_t{2} << recentPairBits> recent_;
};

}  // namespace varnel::ingest
