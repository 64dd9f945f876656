// A message for the user: the desktop program shows it in a message box, the
// command line tool writes it to standard error.
#pragma once

#include <QString>

namespace varnel::platform {

struct UserMessage {
    enum class Icon { None, Information, Exclamation, Critical };

    UserMessage(QString text, QString title = {}, Icon icon = Icon::None)
        : text(std::move(text)), title(std::move(title)), icon(icon) {}

    QString text;
    QString title;  // empty: the program's default title
    Icon icon = Icon::None;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const UserMessage& message) = 0;
};

}  // namespace varnel::platform
