#pragma once
// The general parameters of one configuration for one converter type, each
// kept as ParGen.xml holds it: indexes and flags as the dialog would store
// them back, texts exactly as typed ("0xFF" stays "0xFF").
#include "project/ParGenElements.h"

#include <QString>
#include <vector>

namespace project {

class ParGenValues {
public:
    // Every element of the type at its default.
    explicit ParGenValues(int type);

    int converterType() const { return m_type; }
    const std::vector<ParGenElement> &elements() const { return *m_elements; }
    bool contains(const QString &name) const { return position(name) >= 0; }

    // The text written for the element: its fixed value when it has one;
    // empty for an element the type does not have.
    QString text(const QString &name) const;
    // Index: -1 when nothing is chosen or the element is not an index.
    int index(const QString &name) const;
    bool flag(const QString &name) const;
    PollMode polls() const;

    // Each setter returns false, changing nothing, for an element the type
    // does not have, one of another encoding, or one with a fixed value.
    // setText takes a value as the file holds it and converts it the way the
    // reader does (an index beyond the pick list becomes -1, a flag other
    // than "1" becomes "0").
    bool setText(const QString &name, const QString &value);
    bool setIndex(const QString &name, int itemIndex);
    bool setFlag(const QString &name, bool ticked);
    bool setPolls(PollMode mode);

    // The reader's rule for one element: a missing value gives the default.
    void setFromFile(const QString &name, const std::optional<QString> &fileText);

    bool operator==(const ParGenValues &other) const
    {
        return m_type == other.m_type && m_values == other.m_values;
    }

private:
    int position(const QString &name) const;
    QString normalized(const ParGenElement &element, const QString &fileText) const;

    int m_type;
    const std::vector<ParGenElement> *m_elements;
    std::vector<QString> m_values; // one per element, in file order
};

} // namespace project
