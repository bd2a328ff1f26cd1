#pragma once
// The windows whose texts follow a language change. Each window that takes
// its texts from the language table joins when it is created and leaves when
// it is destroyed; a confirmed language change re-applies every member's
// texts at once, in a fixed order of windows. The About dialog never joins
// (its texts are fixed), nor do the scan dialogs (they keep the language of
// the start). Used on the user-interface thread only.
#include <functional>
#include <vector>

namespace app {

// Order in which the texts are re-applied.
enum class LangOrder {
    MainWindow,
    SerialUpdate,
    EthernetUpdate,
    NewConfiguration,
    OpenConfiguration,
    Options,
    GeneralParameters,
    MBusNetwork,
    Paste,
};

class LangRegistry {
public:
    using Id = unsigned;
    using SetLang = std::function<void()>;

    // Adds a window's Set_Lang; the id removes it again.
    Id add(LangOrder order, SetLang setLang);
    void remove(Id id);

    // Re-applies the texts of every member: by LangOrder, then in the order
    // they joined. A member may leave or join while this runs.
    void applyLanguageToAll();

    int size() const { return int(m_members.size()); }

private:
    struct Member {
        Id id;
        LangOrder order;
        SetLang setLang;
    };
    std::vector<Member> m_members;
    Id m_nextId = 1;
};

// The program's registry.
LangRegistry &langRegistry();

// A window's membership for its lifetime.
class LangRegistration {
public:
    LangRegistration(LangOrder order, LangRegistry::SetLang setLang, LangRegistry &registry = langRegistry());
    ~LangRegistration();
    LangRegistration(const LangRegistration &) = delete;
    LangRegistration &operator=(const LangRegistration &) = delete;

private:
    LangRegistry &m_registry;
    LangRegistry::Id m_id;
};

} // namespace app
