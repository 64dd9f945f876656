#include "commandline/RunOutputs.h"

#include <QDir>
#include <QFileInfo>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportCatalogue.h"
#include "ingest/DayList.h"

namespace varnel::cli {

namespace {

bool isOutputName(const CliOptions& options, const QString& fileName) {
    if (fileName.compare(QFileInfo(outputLockPathOf(options)).fileName(), Qt::CaseInsensitive) == 0) return true;
    for (const reports::ReportKind kind : options.reports) {
        if (catalogue::isSummaryCsvFileName(kind, fileName)) return true;
        if (options.chartFormat &&
            catalogue::isChartFileName(kind, fileName, charts::defaultExtension(*options.chartFormat)))
            return true;
        if (catalogue::reportEntry(kind).writesUnmatchedFile && options.debug &&
            fileName.compare(QString::fromLatin1(catalogue::unmatchedMessagesFileName), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}  // namespace

QString outputFolderOf(const CliOptions& options) {
    return options.outputFolder.isEmpty() ? QDir::currentPath() : options.outputFolder;
}

QString outputLockPathOf(const CliOptions& options) {
    return QDir(outputFolderOf(options)).filePath(QStringLiteral(".varnel-report.lock"));
}

bool isRunOutput(const CliOptions& options, const QString& path) {
    if (options.reports.isEmpty()) return false;
    const QString folder = ingest::resolvedPath(outputFolderOf(options));
    for (const QFileInfo& file : {QFileInfo(path), QFileInfo(ingest::resolvedPath(path))})
        if (isOutputName(options, file.fileName()) && ingest::resolvedPath(file.absolutePath()) == folder) return true;
    return false;
}

}  // namespace varnel::cli
