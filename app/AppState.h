#pragma once
// The process-wide state every window reads: the program's folders, the open
// configuration and the values the settings file keeps between runs.
// Names follow the rest of the program (Project_Dir, File_ParGen, ...).
#include <QString>

namespace app {

struct AppState {
    // Set once at start.
    QString App_Dir;      // folder of the program, no trailing "/"
    QString Master_Dir;   // App_Dir/MASTER: firmware images
    QString Projects_Dir; // App_Dir/PROJECTS: one sub-folder per configuration
    QString Language_Dir; // App_Dir/LANGUAGE: .lng files and flag bitmaps
    QString SW_Title;     // main window title of the converter type
    QString SW_Code;      // software code of the type
    QString SW_Desc;      // description of the type

    // The last or open configuration. A configuration is open exactly while
    // Project_Dir is not empty.
    QString Project_Name;
    QString Project_Dir;
    QString File_ParGen; // Project_Dir/ParGen.xml
    QString File_M_Bus;  // Project_Dir/M_Bus.xml

    // Kept in the settings file.
    QString Last_IP_Address;
    QString Language_Name;
    bool Enable_Internet = false;
    bool Enable_Update = false;

    bool isProjectOpen() const { return !Project_Dir.isEmpty(); }

    // Sets App_Dir and the three folders beside it and creates those that are
    // missing (one level; a failure is not reported, later file work fails).
    void setUpFolders(const QString &appDir);

    // SW_Title, SW_Code and SW_Desc of the converter type.
    void chooseTypeTexts(int converterType);

    // Recomputes File_ParGen and File_M_Bus from Project_Dir; both are empty
    // while no configuration is open (every window refuses first anyway).
    void Set_Files();

    // Makes name the open configuration (Project_Name, Project_Dir,
    // Set_Files). An empty name, or one that is not a single folder name,
    // leaves no configuration open; Project_Name still takes the name.
    void openProject(const QString &name);

    // Start-up: re-opens Project_Name when its folder still exists under
    // PROJECTS; otherwise no configuration is open but Project_Name keeps
    // the name, so it is tried again at the next start. Calls Set_Files.
    // Returns whether a configuration is open.
    bool reopenLastProject();

    // Projects_Dir/name (not checked).
    QString projectFolder(const QString &name) const;
    // App_Dir/Rostavelin.xml
    QString settingsFile() const;
    // Language_Dir/<name>.lng
    QString languageFile(const QString &languageName) const;
};

// The one state object of the running program.
AppState &state();

// A name that stays one entry inside its folder: not empty, not "." or "..",
// no "/" or "\" and no control characters. Configuration and language names
// from files and dialogs must pass it before they become paths.
bool isPlainName(const QString &name);
inline bool isValidProjectName(const QString &name) { return isPlainName(name); }

} // namespace app
