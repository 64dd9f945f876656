// The serial numbers of the nodes of one side, in the order they first
// occurred in the logs, each listed once (compared ignoring case).
#pragma once

#include <QStringList>

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
    std::vector<std::string> entries_;
    std::unordered_set<std::string> foldedKeys_;
    std::string lookupKey_;
    std::size_t textLength_ = 0;
};

}  // namespace varnel::ingest
