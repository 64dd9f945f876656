// A message for the user as a value: its level (the box's icon), its text
// and, for a text of the string table, its string id. Core code returns
// these; the desktop program shows them in message boxes, the command line
// tool writes them to standard error, the report page lists them.
#pragma once

#include <QString>
#include <vector>

namespace varnel::platform {

struct UserMessage {
    enum class Icon { None, Information, Exclamation, Critical };

    UserMessage(QString text, QString title = {}, Icon icon = Icon::None)
        : text(std::move(text)), title(std::move(title)), icon(icon) {}

    static constexpr int noStringId = -1;

    QString text;
    QString title;  // empty: the program's default title
    Icon icon = Icon::None;
    int stringId = noStringId;  // the string table's id of text, where it is one
};

using UserMessages = std::vector<UserMessage>;

// Where messages are shown as they arise: message boxes, standard error.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const UserMessage& message) = 0;
};

}  // namespace varnel::platform
