// Lookup of texts by id, with and without a language pack.
#include <gtest/gtest.h>

#include <map>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

using namespace varnel::shell;

namespace {

class MapPack : public LanguagePack {
public:
    explicit MapPack(std::map<int, QString> texts) : texts_(std::move(texts)) {}
    std::optional<QString> text(int id) const override {
        const auto it = texts_.find(id);
        if (it == texts_.end()) return std::nullopt;
        return it->second;
    }

private:
    std::map<int, QString> texts_;
};

}  // namespace

TEST(StringTable, EveryIdHasItsEnglishTextWithItsBlanks) {
    for (int id = 0; id < englishStringCount; ++id) EXPECT_FALSE(myLoadResString(id).isEmpty()) << id;
    EXPECT_EQ(myLoadResString(0), " Number=");
    EXPECT_EQ(myLoadResString(30), "From ");
    EXPECT_EQ(myLoadResString(60), "More than 1,000,000 lines read in log file.  Too many to process.");
    EXPECT_EQ(myLoadResString(149), "Outbound NDNs");
    EXPECT_TRUE(myLoadResString(115).endsWith("CSV format. "));
    EXPECT_EQ(myLoadResString(saveReportPageStringId), "Save Report Page...");
    EXPECT_TRUE(myLoadResString(englishStringCount).isEmpty());
}

TEST(StringTable, LanguagePackFirstThenEnglish) {
    setLanguagePack(std::make_shared<MapPack>(std::map<int, QString>{{42, "Daten laden"}, {43, ""}}));
    EXPECT_EQ(myLoadResString(42), "Daten laden");
    EXPECT_EQ(myLoadResString(43), "Loading chart points...");  // empty text falls back
    EXPECT_EQ(myLoadResString(94), "Run Report");
    setLanguagePack(nullptr);
    EXPECT_EQ(myLoadResString(42), "Load Data");
}
