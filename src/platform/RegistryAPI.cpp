#include "platform/RegistryAPI.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace varnel::platform {

namespace {

constexpr qsizetype textLimit = 1023;  // a 1024-byte buffer less its terminating null
constexpr qsizetype binaryLimit = 4096;

// "Software\Organisation\Application" → the settings of that application.
// Paths of any other shape name no key this layer can keep.
std::unique_ptr<QSettings> settingsOf(RegistryRoot root, const QString& path) {
    const QStringList parts = path.split(QLatin1Char('\\'));
    if (parts.size() != 3 || parts[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0 ||
        parts[1].isEmpty() || parts[2].isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(QSettings::NativeFormat, root, parts[1], parts[2]);
}

bool readable(const QSettings& settings) {
    const QFileInfo file(settings.fileName());
    return file.isFile() && file.isReadable();
}

}  // namespace

bool KeyExists(RegistryRoot root, const QString& path) {
    const auto settings = settingsOf(root, path);
    return settings && readable(*settings);
}

bool CreateKey(RegistryRoot root, const QString& path) {
    const auto settings = settingsOf(root, path);
    if (!settings) throw RegistryError("Unable to create the registry key");
    const QString fileName = settings->fileName();
    if (QFileInfo(fileName).isFile()) return true;
    QFile file(fileName);
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()) || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw RegistryError("Unable to create the registry key");
    return false;
}

QVariant QueryValue(RegistryRoot root, const QString& path, const QString& name, int kind,
                    const QVariant& defaultValue) {
    const auto settings = settingsOf(root, path);
    const bool known = kind == static_cast<int>(RegistryValueKind::Text) ||
                       kind == static_cast<int>(RegistryValueKind::Binary) ||
                       kind == static_cast<int>(RegistryValueKind::Number);
    if (!known) throw RegistryError("Unsupported value type");
    if (!settings || !readable(*settings) || settings->status() != QSettings::NoError) return defaultValue;
    const QVariant stored = settings->value(name);
    if (!stored.isValid()) return defaultValue;

    switch (static_cast<RegistryValueKind>(kind)) {
        case RegistryValueKind::Text:
            return stored.toString().left(textLimit);
        case RegistryValueKind::Binary:
            return stored.toByteArray().left(binaryLimit);
        case RegistryValueKind::Number: {
            bool ok = false;
            const int number = stored.toInt(&ok);
            return ok ? QVariant(number) : defaultValue;
        }
    }
    return defaultValue;
}

void SetValue(RegistryRoot root, const QString& path, const QString& name, int kind, const QVariant& value) {
    const auto settings = settingsOf(root, path);
    if (!settings || !QFileInfo(settings->fileName()).isFile() || !settings->isWritable()) return;
    switch (kind) {
        case static_cast<int>(RegistryValueKind::Text):
            settings->setValue(name, value.toString());
            break;
        case static_cast<int>(RegistryValueKind::Binary):
            settings->setValue(name, value.toByteArray());
            break;
        case static_cast<int>(RegistryValueKind::Number):
            settings->setValue(name, value.toInt());
            break;
        default:
            return;
    }
    settings->sync();
}

}  // namespace varnel::platform
