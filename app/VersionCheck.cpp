#include "app/VersionCheck.h"

#include "app/ConverterType.h"
#include "app/MakerSite.h"
#include "platform/IntText.h"

namespace app {
namespace {

QString siteRoot(const QUrl &site)
{
    QString root = site.toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment
                                 | QUrl::StripTrailingSlash);
    QString path = site.path(QUrl::FullyEncoded);
    while (path.endsWith(u'/'))
        path.chop(1);
    return root + path;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int convVersion(const QString &verStr)
{
    const qsizetype blank = verStr.indexOf(u' ');
    const QString t = platform::trimBlanks(blank < 0 ? verStr : verStr.mid(blank + 1));
    if (t.size() < 5)
        return -1;
    const QChar digits[] = {t.at(0), t.at(2), t.at(3), t.at(4)};
    int version = 0;
    for (const QChar c : digits) {
        if (!isDigit(c))
            return -1;
        version = version * 10 + (c.unicode() - u'0');
    }
    return version;
}

QByteArray versionRequestTarget(int type)
{
    return "/home/download/GetversionSW.asp?nomesw="
           + QUrl::toPercentEncoding(converterInfo(type).versionCheckCode);
}

bool replyAnnouncesNewerVersion(const QString &reply, int type)
{
    const QString trimmed = platform::trimBlanks(reply);
    const QString upper = trimmed.toUpper();
    if (upper.isEmpty() || upper == QLatin1String("VER. 0.000"))
        return false;
    const int own = convVersion(converterInfo(type).versionCompared);
    const int server = convVersion(trimmed);
    return own != -1 && server != -1 && server > own;
}

VersionService::VersionService(int type) : m_type(type), m_site(makerSite()) {}

VersionService::~VersionService() = default;

void VersionService::setService(const QUrl &site, const platform::HttpGetOptions &options)
{
    m_site = site;
    m_options = options;
}

void VersionService::check(Answer answer)
{
    const int type = m_type;
    platform::httpGet(m_manager, m_site, versionRequestTarget(type), m_options, &m_requests,
                      [type, answer = std::move(answer)](const platform::HttpGetResult &result) {
                          // A failed request leaves the reply empty.
                          const QString reply = result.succeeded() ? QString::fromLatin1(result.body) : QString();
                          if (answer)
                              answer(replyAnnouncesNewerVersion(reply, type));
                      });
}

QString downloadPageUrl(int type, const QUrl &site)
{
    return siteRoot(site) + QStringLiteral("/Home/download/download.asp#") + converterInfo(type).downloadAnchor;
}

QString downloadLinkHtml(int type, const QUrl &site, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(downloadPageUrl(type, site).toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace app
