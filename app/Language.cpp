#include "app/Language.h"

#include "app/AppState.h"
#include "platform/IntText.h"

#include <QFile>
#include <QFileInfo>

namespace app {

LanguageTable::LanguageTable()
{
    Load_Default_Texts();
}

void LanguageTable::Load_Default_Texts()
{
    Lang_Texts.clear();
    Lang_Texts.reserve(Lang_Text_Count);
    for (int i = 0; i < Lang_Text_Count; ++i)
        Lang_Texts.append(builtinText(i));
}

void LanguageTable::Load_Lng_File(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    applyLngText(decodeLngBytes(file.readAll()));
}

void LanguageTable::applyLngText(const QString &text)
{
    Q_UNUSED(text);
}

const QString &LanguageTable::text(int index) const
{
    static const QString empty;
    if (index < 0 || index >= Lang_Texts.size())
        return empty;
    return Lang_Texts.at(index);
}

LanguageTable &languageTable()
{
    static LanguageTable table;
    return table;
}

const QString &text(int index)
{
    return languageTable().text(index);
}

void Load_Language(AppState &state)
{
    LanguageTable &table = languageTable();
    table.Load_Default_Texts();
    const QString chosen = state.languageFile(state.Language_Name);
    if (QFileInfo(chosen).isFile()) {
        table.Load_Lng_File(chosen);
        return;
    }
    state.Language_Name = QStringLiteral("English");
    const QString english = state.languageFile(state.Language_Name);
    if (QFileInfo(english).isFile())
        table.Load_Lng_File(english);
}

void Load_Language()
{
    Load_Language(state());
}

std::optional<std::pair<int, QString>> parseLngLine(const QString &, int)
{
    return std::nullopt;
}

QString decodeLngBytes(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

} // namespace app
