#include "shell/StringTable.h"

#include <atomic>

#include "shell/EnglishStrings.h"

namespace varnel::shell {

namespace {

// Shared between the window thread and a load running beside it.
std::shared_ptr<const LanguagePack>& currentPack() {
    static std::shared_ptr<const LanguagePack> pack;
    return pack;
}

}  // namespace

void setLanguagePack(std::shared_ptr<const LanguagePack> pack) { std::atomic_store(&currentPack(), std::move(pack)); }

std::shared_ptr<const LanguagePack> languagePack() { return std::atomic_load(&currentPack()); }

QString englishString(int id) {
    if (id < 0 || id >= englishStringCount) return {};
    return QString::fromUtf8(englishStrings[static_cast<std::size_t>(id)]);
}

QString myLoadResString(int id) {
    if (const auto pack = languagePack()) {
        if (auto translated = pack->text(id); translated && !translated->isEmpty()) return *translated;
    }
    return englishString(id);
}

platform::UserMessage tableMessage(int id) {
    platform::UserMessage message(myLoadResString(id));
    message.stringId = id;
    return message;
}

}  // namespace varnel::shell
