#include "app/Settings.h"

#include "app/AppState.h"

namespace app {
namespace {

// The text of root/group/value, or nothing when any step is missing.
std::optional<QString> valueText(const QDomElement &root, const QString &group, const QString &value)
{
    const QDomElement groupElement = root.firstChildElement(group);
    if (groupElement.isNull())
        return std::nullopt;
    return platform::childText(groupElement, value);
}

QString flagText(bool flag)
{
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

Settings settingsFromDocument(const QDomElement &root)
{
    Settings s;
    if (root.isNull())
        return s;
    s.projectName = valueText(root, QStringLiteral("lastproj"), QStringLiteral("projectname")).value_or(QString());
    if (auto ip = valueText(root, QStringLiteral("lastipadd"), QStringLiteral("ipaddress")))
        s.ipAddress = *ip;
    if (auto language = valueText(root, QStringLiteral("lastlang"), QStringLiteral("language")))
        s.language = *language;
    s.enableInternet =
        valueText(root, QStringLiteral("lastinternet"), QStringLiteral("enable_internet")) == QStringLiteral("1");
    s.enableUpdate =
        valueText(root, QStringLiteral("lastinternet"), QStringLiteral("enable_update")) == QStringLiteral("1");
    return s;
}

Settings readSettings(const QString &path)
{
    const platform::XmlLoadResult loaded = platform::loadXmlFile(path);
    // A file that is missing or not well-formed gives every default.
    if (!loaded.ok())
        return Settings{};
    // The first element is the root whatever its name; a declaration or a
    // comment before it does not hide the values.
    return settingsFromDocument(loaded.root());
}

platform::XmlOutDocument settingsDocument(const Settings &settings)
{
    platform::XmlOutDocument doc;
    doc.root = platform::XmlElement(QStringLiteral("Conf_Settings"));
    doc.root.addChild(QStringLiteral("lastproj")).addTextChild(QStringLiteral("projectname"), settings.projectName);
    doc.root.addChild(QStringLiteral("lastipadd")).addTextChild(QStringLiteral("ipaddress"), settings.ipAddress);
    doc.root.addChild(QStringLiteral("lastlang")).addTextChild(QStringLiteral("language"), settings.language);
    platform::XmlElement &internet = doc.root.addChild(QStringLiteral("lastinternet"));
    internet.addTextChild(QStringLiteral("enable_internet"), flagText(settings.enableInternet));
    internet.addTextChild(QStringLiteral("enable_update"), flagText(settings.enableUpdate));
    return doc;
}

bool writeSettings(const QString &path, const Settings &settings, QString *error)
{
    QString reason;
    if (platform::saveXmlFile(settingsDocument(settings), path, &reason))
        return true;
    if (error)
        *error = QStringLiteral("The settings could not be saved to %1: %2").arg(path, reason);
    return false;
}

Settings settingsOf(const AppState &state)
{
    Settings s;
    s.projectName = state.Project_Name;
    s.ipAddress = state.Last_IP_Address;
    s.language = state.Language_Name;
    s.enableInternet = state.Enable_Internet;
    s.enableUpdate = state.Enable_Update;
    return s;
}

void applySettings(AppState &state, const Settings &settings)
{
    state.Project_Name = settings.projectName;
    state.Last_IP_Address = settings.ipAddress;
    state.Language_Name = settings.language;
    state.Enable_Internet = settings.enableInternet;
    state.Enable_Update = settings.enableUpdate;
}

void loadSettings(AppState &state)
{
    applySettings(state, readSettings(state.settingsFile()));
}

bool Save_Setting(const AppState &state, QString *error)
{
    return writeSettings(state.settingsFile(), settingsOf(state), error);
}

} // namespace app
