#pragma once
// Alternating row colours: PrimaryLength rows in PrimaryColor, then
// SecondaryLength rows in SecondaryColor. Changing the look of inactive
// bands repaints nothing.
#include "controls/grid/base/OptionEvent.h"
#include "platform/Color.h"

namespace controls {

class TBands {
public:
    bool Active() const { return m_active; }
    void setActive(bool value);
    platform::TColor PrimaryColor() const { return m_primaryColor; }
    void setPrimaryColor(platform::TColor value);
    int PrimaryLength() const { return m_primaryLength; }
    void setPrimaryLength(int value);
    platform::TColor SecondaryColor() const { return m_secondaryColor; }
    void setSecondaryColor(platform::TColor value);
    int SecondaryLength() const { return m_secondaryLength; }
    void setSecondaryLength(int value);
    int TotalLength() const { return m_primaryLength + m_secondaryLength; }

    // The bands are printed too.
    bool Print = false;

    // Copies every setting; fires nothing.
    void Assign(const TBands &source);

    TOptionEvent<TBands> OnChange;

private:
    template <class T>
    void setLook(T &field, T value);

    bool m_active = false;
    platform::TColor m_primaryColor = platform::clInfoBk;
    int m_primaryLength = 1;
    platform::TColor m_secondaryColor = platform::clWindow;
    int m_secondaryLength = 1;
};

} // namespace controls
