#pragma once
// Form fields inside a cell's mini-HTML: elements written
// <CONTROL TYPE="EDIT" ID="name" VALUE="..." WIDTH="80" ...>. The grid
// reads and rewrites them when the user edits such a field in place.
#include <QString>

namespace controls {

struct THtmlControlTag {
    QString Type; // upper case
    QString ID;
    QString Value; // unescaped
    QString Prop; // unescaped; a MASK control's edit mask
    QString Width;
    QString Height;
    QString MaxLen;
};

// The attributes of one CONTROL tag; a missing one is empty.
THtmlControlTag ParseHtmlControlTag(const QString &tagText);
bool HasHtmlControl(const QString &text);
// The ID of the first control after the one named id (from the start when
// id is empty) that takes typed text: none of BUTTON, CHECK and RADIO.
QString NextHtmlEditControlID(const QString &text, const QString &id);
QString ClearHtmlRadioControls(const QString &text);
bool GetHtmlControlValue(const QString &text, const QString &id, QString &value);
QString GetHtmlControlProp(const QString &text, const QString &id);
// MAXLEN read as its leading digits; 0 when none.
int GetHtmlControlMaxLen(const QString &text, const QString &id);
// Writes the control named id again with the new VALUE, keeping its other
// attributes; false, and text untouched, when there is no such control.
bool SetHtmlControlValue(QString &text, const QString &id, const QString &value);

} // namespace controls
