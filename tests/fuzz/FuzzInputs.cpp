#include "FuzzInputs.h"

#include <SQLiteCpp/Statement.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

#include "ingest/CallLogParser.h"
#include "ingest/DayList.h"
#include "platform/FileNameBytes.h"
#include "shell/QmLanguagePack.h"
#include "store/DataFiles.h"
#include "store/RawWriter.h"
#include "store/ReportDatabase.h"

namespace varnel::fuzz {

namespace {

class SilentObserver : public ingest::ParseObserver {
public:
    void show(const platform::UserMessage&) override {}
    void fileStarted(const QString&, int64_t) override {}
    void progress(int64_t) override {}
    void fileFinished() override {}
};

// The working database made once per process; every input's rows are rolled
// back, so each input starts on empty tables.
class ThrowAwayDatabase {
public:
    ThrowAwayDatabase() : files_(folder_.path()) {
        files_.ensureTemplate();
        files_.makeFreshWorkingCopy();
        db_ = std::make_unique<store::ReportDatabase>(files_.workingPath());
        db_->useFastRebuilds();
    }
    store::ReportDatabase& db() { return *db_; }

private:
    QTemporaryDir folder_;
    store::DataFiles files_;
    std::unique_ptr<store::ReportDatabase> db_;
};

// A file that lives only in memory, opened by the parser through its
// /proc/self/fd path like any log file.
class MemoryFile {
public:
    MemoryFile(const uint8_t* data, std::size_t size) : fd_(memfd_create("CallLog_20040512.log", MFD_CLOEXEC)) {
        std::size_t written = 0;
        while (fd_ >= 0 && written < size) {
            const ssize_t n = ::write(fd_, data + written, size - written);
            if (n <= 0) break;
            written += static_cast<std::size_t>(n);
        }
        ok_ = fd_ >= 0 && written == size;
    }
    ~MemoryFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool ok() const { return ok_; }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

private:
    int fd_;
    bool ok_ = false;
};

// Minute-of-day columns outside 0..1439 in a raw table.
std::string minuteFault(store::ReportDatabase& db, const char* table, const char* column) {
    SQLite::Statement check(db.connection(), std::string("SELECT COUNT(*) FROM ") + table + " WHERE " + column +
                                                 " IS NOT NULL AND (" + column + " < 0 OR " + column + " > 1439)");
    check.executeStep();
    if (check.getColumn(0).getInt64() == 0) return {};
    return std::string(table) + "." + column + " outside the minutes of a day";
}

std::string text(const QString& s) { return s.toStdString(); }

}  // namespace

std::string parseCallLog(const uint8_t* data, std::size_t size) {
    static ThrowAwayDatabase database;
    const MemoryFile log(data, size);
    if (!log.ok()) return "cannot hold the input in memory";

    ingest::IngestState state;
    SilentObserver observer;
    store::RawWriter writer(database.db());  // never committed: rolled back at the end
    ingest::CallLogParser parser(state, writer, observer);
    parser.parseFile(log.path());

    std::string fault = minuteFault(database.db(), "RawPortData", "StartMinute");
    if (fault.empty()) fault = minuteFault(database.db(), "RawPortData", "EndMinute");
    if (fault.empty()) fault = minuteFault(database.db(), "RawMessageData", "StartMinute");
    if (fault.empty() && (state.counters.inboundCalls < 0 || state.counters.outboundCalls < 0))
        fault = "negative call counter";
    return fault;
}

std::string checkDayNames(const uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString name = QString::fromUtf8(bytes);

    // As a day entry: a date read from it repeats its digits.
    if (const auto day = ingest::dayFromEntry(name)) {
        if (!day->isValid()) return "invalid date from the entry " + text(name);
        const QString entry = ingest::dayEntryText(*day, QLocale::c());
        if (entry.mid(0, 2) != name.mid(0, 2) || entry.mid(3, 2) != name.mid(3, 2) || entry.mid(6, 4) != name.mid(6, 4))
            return "the entry " + text(name) + " read as " + text(entry);
    }

    // As a log file name, by its bytes.
    const QString fileName = platform::fileNameFromBytes(bytes);
    const auto day = ingest::logFileDate(fileName);
    if (day) {
        if (!day->isValid()) return "invalid date from the name " + text(fileName);
        for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::Dutch)}) {
            const QString entry = ingest::dayEntryText(*day, locale);
            if (ingest::dayFromEntry(entry) != day) return "the entry " + text(entry) + " does not give its day back";
        }
    }

    // As a file in a folder of its own, where the name can be one; names
    // that are not UTF-8 too.
    const bool usableName = !bytes.isEmpty() && bytes.size() <= 255 && !bytes.contains('/') && !bytes.contains('\0') &&
                            bytes != "." && bytes != "..";
    if (!usableName) return {};
    static QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.path()) + '/' + bytes;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return {};
    ::close(fd);
    const QList<QDate> days = ingest::logDays(folder.path());
    const bool listed = day && *day > QDate(1990, 1, 1);
    std::string fault;
    if (days != (listed ? QList<QDate>{*day} : QList<QDate>{}))
        fault = "the folder's day list is wrong for the file " + text(fileName);
    else if (day && (ingest::logFilesOfDay(folder.path(), *day) != QStringList{QDir(folder.path()).filePath(fileName)}))
        fault = "the file " + text(fileName) + " is not among the files of its day";
    ::unlink(path.constData());
    return fault;
}

std::string loadLanguagePack(const uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const shell::LoadedLanguagePack loaded = shell::QmLanguagePack::fromBytes(bytes);
    if (!loaded.pack) return loaded.problem.isEmpty() ? "a pack refused without a reason" : std::string();
    const auto tooLong = [size](const QString& text) { return static_cast<std::size_t>(text.size()) * 2 > size; };
    for (int id = 0; id < shell::englishStringCount; ++id)
        if (const auto text = loaded.pack->text(id); text && tooLong(*text))
            return "text " + std::to_string(id) + " is longer than the pack";

    // Lookups of other texts of the context walk other entries of the same
    // tables.
    QTranslator translator;
    if (!translator.load(data, static_cast<int>(size))) return {};
    for (const char* source : {"Load Data", "", "x"})
        for (const char* comment : {"", "42", "x"})
            if (tooLong(translator.translate(shell::stringTableContext, source, comment)))
                return std::string("the lookup of ") + source + "/" + comment + " is longer than the pack";
    return {};
}

}  // namespace varnel::fuzz
