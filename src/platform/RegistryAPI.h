// The program's settings store, addressed as a registry: a key path
// "Software\<organisation>\<application>" names one settings file of the
// user's (or the machine's) settings, and values are read and written by name.
// Built over QSettings in its native format.
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <stdexcept>

namespace varnel::platform {

// A numbered failure of a registry routine, for the caller's error handling.
class RegistryError : public std::runtime_error {
public:
    static constexpr int number = 1001;
    using std::runtime_error::runtime_error;
};

// The root of a key: whose settings.
using RegistryRoot = QSettings::Scope;

enum class RegistryValueKind : int {
    Text = 1,    // a QString
    Binary = 3,  // a QByteArray
    Number = 4,  // a 32-bit integer
};

// True when the key can be opened for reading.
bool KeyExists(RegistryRoot root, const QString& path);

// Creates the key; true when it existed already. Throws RegistryError
// ("Unable to create the registry key") when it cannot be created.
bool CreateKey(RegistryRoot root, const QString& path);

// The value, or defaultValue when the key or the value cannot be read.
// Text is cut to 1023 characters and binary values to 4096 bytes. Throws
// RegistryError ("Unsupported value type") for any other kind.
QVariant QueryValue(RegistryRoot root, const QString& path, const QString& name, int kind,
                    const QVariant& defaultValue);

// Stores the value when the key exists and can be written; otherwise, and
// for an unsupported kind, stores nothing and reports nothing.
void SetValue(RegistryRoot root, const QString& path, const QString& name, int kind, const QVariant& value);

}  // namespace varnel::platform
