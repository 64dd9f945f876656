// A strict reader of RFC 4180 CSV text, as a spreadsheet or a script reads
// the report files: quoted fields may hold commas, doubled quotes and line
// breaks; a quote anywhere else, or text after a closing quote, is an error.
#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace varnel::test {

using CsvRecord = QList<QByteArray>;

// The records of text whose lines end with CR LF; nothing when it is not
// well-formed CSV.
inline std::optional<QList<CsvRecord>> readStrictCsv(const QByteArray& text) {
    QList<CsvRecord> records;
    CsvRecord record;
    QByteArray field;
    qsizetype i = 0;
    bool fieldStarted = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && !fieldStarted && field.isEmpty()) {
            ++i;
            for (;;) {
                if (i >= text.size()) return std::nullopt;  // unclosed quote
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            fieldStarted = true;
            if (i < text.size() && text[i] != ',' && text[i] != '\r') return std::nullopt;
            continue;
        }
        if (c == '"') return std::nullopt;  // a quote inside an unquoted field
        if (c == ',') {
            record << field;
            field.clear();
            fieldStarted = false;
            ++i;
        } else if (c == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') return std::nullopt;
            record << field;
            records << record;
            record.clear();
            field.clear();
            fieldStarted = false;
            i += 2;
        } else if (c == '\n') {
            return std::nullopt;  // a bare line feed outside quotes
        } else {
            field += c;
            ++i;
        }
    }
    if (!record.isEmpty() || !field.isEmpty()) return std::nullopt;  // last line without CR LF
    return records;
}

}  // namespace varnel::test
