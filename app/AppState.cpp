#include "app/AppState.h"

#include "app/ConverterType.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace app {

AppState &state()
{
    static AppState instance;
    return instance;
}

bool isPlainName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 32 || c.unicode() == 127)
            return false;
    }
    return true;
}

void AppState::setUpFolders(const QString &appDir)
{
    App_Dir = appDir;
    while (App_Dir.size() > 1 && App_Dir.endsWith(u'/'))
        App_Dir.chop(1);
    const auto makeFolder = [this](const char *name) {
        const QString path = platform::joinPath(App_Dir, QString::fromLatin1(name));
        if (!QFileInfo(path).isDir())
            QDir().mkdir(path); // one level only, as the program's own folders
        return path;
    };
    Master_Dir = makeFolder("MASTER");
    Projects_Dir = makeFolder("PROJECTS");
    Language_Dir = makeFolder("LANGUAGE");
}

void AppState::chooseTypeTexts(int converterType)
{
    const ConverterInfo &info = converterInfo(converterType);
    SW_Title = info.swTitle;
    SW_Code = info.swCode;
    SW_Desc = info.swDesc;
}

void AppState::Set_Files()
{
    // Without a configuration there is no file: a path of the current folder
    // would let a window read or write someone else's file.
    if (!isProjectOpen()) {
        File_ParGen.clear();
        File_M_Bus.clear();
        return;
    }
    File_ParGen = platform::joinPath(Project_Dir, QStringLiteral("ParGen.xml"));
    File_M_Bus = platform::joinPath(Project_Dir, QStringLiteral("M_Bus.xml"));
}

QString AppState::projectFolder(const QString &name) const
{
    return platform::joinPath(Projects_Dir, name);
}

void AppState::openProject(const QString &name)
{
    Project_Name = name;
    // A name from a file or a dialog must never lead outside PROJECTS.
    Project_Dir = isValidProjectName(name) ? projectFolder(name) : QString();
    Set_Files();
}

bool AppState::reopenLastProject()
{
    if (isValidProjectName(Project_Name) && QFileInfo(projectFolder(Project_Name)).isDir())
        Project_Dir = projectFolder(Project_Name);
    else
        Project_Dir.clear();
    Set_Files();
    return isProjectOpen();
}

QString AppState::settingsFile() const
{
    return platform::joinPath(App_Dir, QStringLiteral("Rostavelin.xml"));
}

QString AppState::languageFile(const QString &languageName) const
{
    return platform::joinPath(Language_Dir, languageName + QStringLiteral(".lng"));
}

} // namespace app
