#pragma once
// The settings file Rostavelin.xml beside the program: last configuration,
// last device IP address, language and the two internet flags.
#include "platform/Xml.h"

#include <QString>

namespace app {

struct AppState;

inline constexpr char SettingsFileName[] = "Rostavelin.xml";
inline constexpr char DefaultIpAddress[] = "192.168.2.205";
inline constexpr char DefaultLanguage[] = "English";

struct Settings {
    QString projectName;
    QString ipAddress = QString::fromLatin1(DefaultIpAddress);
    QString language = QString::fromLatin1(DefaultLanguage);
    bool enableInternet = false;
    bool enableUpdate = false;

    bool operator==(const Settings &) const = default;
};

// Reads the file; every value on its own, a missing or unreadable one takes
// its default. A missing file, or one that is not well-formed XML, gives all
// defaults. Flags are true only for exactly "1".
Settings readSettings(const QString &path);
Settings settingsFromDocument(const QDomElement &root);

// The whole document as it is written.
platform::XmlOutDocument settingsDocument(const Settings &settings);

// Replaces the file whole. On failure returns false and *error holds a
// message for the user's error box.
bool writeSettings(const QString &path, const Settings &settings, QString *error = nullptr);

// Between the file and the application state.
Settings settingsOf(const AppState &state);
void applySettings(AppState &state, const Settings &settings);

// Start-up: reads state.settingsFile() into the state.
void loadSettings(AppState &state);

// Save_Setting: writes the state's values to state.settingsFile().
// Returns false with *error set when the file could not be written; the
// caller shows the error (the main window still closes).
bool Save_Setting(const AppState &state, QString *error = nullptr);

} // namespace app
