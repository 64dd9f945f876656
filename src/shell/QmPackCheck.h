// The structure of a compiled translation file (.qm) checked before Qt reads
// it. Qt trusts the lengths and offsets inside the file: a damaged file makes
// its lookups read outside the file, walk backwards or divide by zero. The
// check follows every path that a lookup in one context can take through the
// file's sections (the bucket and list of that context, the hash table of
// messages, each message's tagged fields) and accepts the file only when all
// of them stay inside it. It takes time in proportion to the file's size.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace varnel::shell {

// What is wrong with the pack's structure, or nothing when Qt can look up
// any text of the context in it safely.
std::optional<QString> qmPackProblem(QByteArrayView bytes, const char* context);

}  // namespace varnel::shell
