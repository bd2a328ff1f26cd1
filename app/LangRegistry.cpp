#include "app/LangRegistry.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>

namespace app {
namespace {

void assertUiThread()
{
    Q_ASSERT(!QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread());
}

} // namespace

LangRegistry::Id LangRegistry::add(LangOrder order, SetLang setLang)
{
    assertUiThread();
    const Id id = m_nextId++;
    // Members stay sorted by order; within one order, by joining.
    const auto at = std::upper_bound(m_members.begin(), m_members.end(), order,
                                     [](LangOrder o, const Member &m) { return o < m.order; });
    m_members.insert(at, Member{id, order, std::move(setLang)});
    return id;
}

void LangRegistry::remove(Id id)
{
    assertUiThread();
    std::erase_if(m_members, [id](const Member &m) { return m.id == id; });
}

void LangRegistry::applyLanguageToAll()
{
    assertUiThread();
    // Work from a list of ids: a Set_Lang may create or destroy windows.
    std::vector<Id> ids;
    ids.reserve(m_members.size());
    for (const Member &m : m_members)
        ids.push_back(m.id);
    for (const Id id : ids) {
        const auto it = std::find_if(m_members.begin(), m_members.end(), [id](const Member &m) { return m.id == id; });
        if (it == m_members.end() || !it->setLang)
            continue;
        const SetLang setLang = it->setLang; // the member may leave while its Set_Lang runs
        setLang();
    }
}

LangRegistry &langRegistry()
{
    static LangRegistry registry;
    return registry;
}

LangRegistration::LangRegistration(LangOrder order, LangRegistry::SetLang setLang, LangRegistry &registry)
    : m_registry(registry), m_id(registry.add(order, std::move(setLang)))
{
}

LangRegistration::~LangRegistration()
{
    m_registry.remove(m_id);
}

} // namespace app
