// Small helpers for tests that need files: a temporary folder that is
// removed afterwards, and writing text files into it.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string_view>

namespace varnel::test {

class TempFolder {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // Writes bytes as they are (line ends included) and returns the full path.
    QString write(const QString& name, std::string_view bytes) const {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName();
    }

private:
    QTemporaryDir dir_;
};

}  // namespace varnel::test
