// The names under which the program keeps its settings, for both programs
// and every setting: the organisation and application that name the
// settings file, the key path over them and the names of the stored values.
#pragma once

#include <QString>

namespace varnel::settings {

inline constexpr const char* organisationName = "Dravon";
inline constexpr const char* applicationName = "Varnel Reports";

inline constexpr const char* logPathValueName = "Log Path";
inline constexpr const char* updateHostValueName = "Update Host";
inline constexpr const char* updateSiteNameValueName = "Update Site Name";

// "Software\<organisation>\<application>": the key that holds the values.
QString settingsKeyPath();

// Gives the application object the organisation and application names, so
// that the settings are read from and written to the program's own file.
void nameProgramSettings();

}  // namespace varnel::settings
