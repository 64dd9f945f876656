// Text from a log as the program keeps it: UTF-8 when the bytes are valid
// UTF-8, else read as Latin-1, so that stored text is always valid UTF-8.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace varnel::ingest {

QString logText(std::string_view bytes);

// Appends the UTF-8 form of the bytes to out.
void appendLogTextUtf8(std::string_view bytes, std::string& out);

}  // namespace varnel::ingest
