// Every caption and message is fetched by id through myLoadResString: from
// the loaded language pack when it has the id, else from the own English table.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "platform/UserMessage.h"

namespace varnel::shell {

// A source of translated texts by id (a language pack).
class LanguagePack {
public:
    virtual ~LanguagePack() = default;
    // The text of the id, or nothing when the pack lacks it.
    virtual std::optional<QString> text(int id) const = 0;
};

// Installs the pack that lookups use from now on; nullptr returns to English.
void setLanguagePack(std::shared_ptr<const LanguagePack> pack);
std::shared_ptr<const LanguagePack> languagePack();

// The English text of an id; empty for an id outside the table.
QString englishString(int id);

QString myLoadResString(int id);

// A message of the string table's text of an id, in the language in force,
// carrying the id.
platform::UserMessage tableMessage(int id);

}  // namespace varnel::shell
