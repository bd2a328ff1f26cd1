#include "app/LanguagePages.h"

#include "platform/Paths.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace app {
namespace {

const QString LanguageExtension = QStringLiteral(".lng");
const QString FlagExtension = QStringLiteral(".bmp");
const QString DefaultFlag = QStringLiteral("DefaultFlag.bmp");

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

} // namespace

void LanguagePages::load(const QString &languageDir)
{
    m_dir = languageDir;
    m_files.clear();
    m_page = 1;
    const QDir dir(languageDir);
    if (languageDir.isEmpty() || !dir.exists())
        return;
    // Names keep their exact case: only "*.lng" files are the loader's.
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort))
        if (name.endsWith(LanguageExtension, Qt::CaseSensitive) && name.size() > LanguageExtension.size())
            m_files.push_back(name);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(m_files.begin(), m_files.end(), [&](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

void LanguagePages::next()
{
    if (m_page + 1 <= pageCount())
        ++m_page;
}

void LanguagePages::previous()
{
    if (m_page - 1 > 0)
        --m_page;
}

LanguagePage LanguagePages::page() const
{
    LanguagePage shown;
    shown.page = m_page;
    shown.pageCount = pageCount();
    shown.previousVisible = m_page != 1;
    shown.nextVisible = m_page != shown.pageCount;
    for (int slot = 1; slot <= SlotsPerPage; ++slot) {
        const QString name = languageAt(slot);
        if (name.isEmpty())
            break;
        QString flag = platform::joinPath(m_dir, name + FlagExtension);
        if (!isFile(flag))
            flag = platform::joinPath(m_dir, DefaultFlag);
        if (!isFile(flag))
            flag.clear();
        shown.languages.push_back({name, flag});
    }
    return shown;
}

QString LanguagePages::languageAt(int slot) const
{
    if (slot < 1 || slot > SlotsPerPage)
        return {};
    const qsizetype index = qsizetype(SlotsPerPage) * (m_page - 1) + slot - 1;
    if (index >= m_files.size())
        return {};
    return m_files.at(index).chopped(LanguageExtension.size());
}

QString pageCounterText(const QString &pageWord, int page, const QString &separator, int pageCount)
{
    return pageWord + QString::number(page) + separator + QString::number(pageCount);
}

} // namespace app
