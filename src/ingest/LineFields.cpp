#include "ingest/LineFields.h"

#include <cstring>

namespace varnel::ingest {

LineFields::LineFields(std::string_view line) {
    const char* p = line.data();
    const char* const end = p + line.size();
    for (;;) {
        const void* comma = std::memchr(p, ',', static_cast<std::size_t>(end - p));
        const char* fieldEnd = comma ? static_cast<const char*>(comma) : end;
        if (count_ < kept) fields_[count_] = std::string_view(p, static_cast<std::size_t>(fieldEnd - p));
        ++count_;
        if (!comma) break;
        p = fieldEnd + 1;
    }
}

}  // namespace varnel::ingest
