// File names as the file system gives them: bytes, which need not be valid
// UTF-8. Qt decodes a name with invalid bytes into U+FFFD, which no longer
// names the file, and leaves such names out of its folder listings. Here a
// name becomes text that gives the same bytes back: the valid UTF-8 parts as
// their characters, every other byte b as the unpaired surrogate U+DC00 + b
// (no valid UTF-8 text decodes to one). Paths in this form are opened with
// fileNameBytes() and the POSIX calls; shownText() makes them fit to show.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace varnel::platform {

// The text of a name or path given as bytes.
QString fileNameFromBytes(QByteArrayView bytes);

// The bytes of a name or path in the text form of fileNameFromBytes.
QByteArray fileNameBytes(const QString& name);

// A name, or a text that holds names, with every byte that is no UTF-8
// shown as U+FFFD, for captions, messages, pages and printed lines.
QString shownText(const QString& text);

// The program's arguments (after Qt took its own), each in the text form of
// fileNameFromBytes, so that a path given on the command line names the
// file whatever bytes its name holds.
QStringList commandLineArguments(int argc, const char* const* argv);

}  // namespace varnel::platform
