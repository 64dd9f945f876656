// Replays every input that once crashed, hung or broke a rule in the fuzz
// targets (files under tests/fuzz/regressions/<target>/).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "FuzzInputs.h"

namespace {

using Check = std::string (*)(const uint8_t*, std::size_t);

void replayAll(const char* target, Check check) {
    const QDir dir(QStringLiteral(VARNEL_SOURCE_DIR "/tests/fuzz/regressions/") + QLatin1String(target));
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << "no regression inputs in " << dir.path().toStdString();
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(check(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
                  "")
            << name.toStdString();
    }
}

}  // namespace

TEST(FuzzRegressions, CallLogInputs) { replayAll("call-log", &varnel::fuzz::parseCallLog); }

TEST(FuzzRegressions, DayNameInputs) { replayAll("day-names", &varnel::fuzz::checkDayNames); }

TEST(FuzzRegressions, LanguagePackInputs) { replayAll("language-pack", &varnel::fuzz::loadLanguagePack); }
