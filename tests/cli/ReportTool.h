// Runs the built varnel-report with the locale and time zone pinned, and
// keeps its exit code and output.
#pragma once

#include <QProcess>
#include <QStringList>

namespace varnel::test {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline ToolRun runPinned(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

inline ToolRun runReportTool(const QStringList& arguments, const QString& program = QStringLiteral(VARNEL_REPORT_EXE)) {
    return runPinned(program, arguments);
}

// The same with arguments given as bytes, which need not be valid UTF-8
// (QProcess would encode them): the shell writes each from its octal
// escapes.
inline ToolRun runReportToolWithBytes(const QList<QByteArray>& arguments) {
    QStringList escaped{QStringLiteral("-c"),
                        QStringLiteral("tool=$1; shift; n=$#; while [ \"$n\" -gt 0 ]; do "
                                       "set -- \"$@\" \"$(printf '%b' \"$1\")\"; shift; n=$((n - 1)); done; "
                                       "exec \"$tool\" \"$@\""),
                        QStringLiteral("sh"), QStringLiteral(VARNEL_REPORT_EXE)};
    for (const QByteArray& argument : arguments) {
        QString text;
        for (const char c : argument) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80 || c == '\\')
                text += QStringLiteral("\\0%1").arg(byte, 3, 8, QLatin1Char('0'));
            else
                text += QLatin1Char(c);
        }
        escaped << text;
    }
    return runPinned(QStringLiteral("/bin/sh"), escaped);
}

}  // namespace varnel::test
