// A language pack with its first message record damaged: the record's length
// made to reach far past the end of the file, which once crashed Qt's lookup.
#pragma once

#include <QByteArray>

namespace varnel::test {

// The pack's bytes with the length of its first message record raised past the
// file's end; the bytes unchanged when the pack has no messages section.
inline QByteArray withDamagedMessages(QByteArray pack) {
    constexpr int magicSize = 16;
    constexpr char messagesTag = 0x69;
    auto sectionSize = [&pack](qsizetype at) {
        quint32 size = 0;
        for (int i = 1; i <= 4; ++i) size = (size << 8) | static_cast<quint8>(pack[at + i]);
        return size;
    };
    for (qsizetype at = magicSize; at + 5 <= pack.size(); at += 5 + sectionSize(at)) {
        if (pack[at] == messagesTag && at + 6 < pack.size()) {
            // Section header (tag, 4-byte size), then the record's tag and the
            // top byte of its 4-byte length.
            pack[at + 6] = 0x28;
            break;
        }
    }
    return pack;
}

}  // namespace varnel::test
