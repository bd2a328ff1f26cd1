#pragma once
// Scan results made by hand for the writers, and the written file read back
// element by element with its attributes in file order.
#include "scan/ScanLists.h"

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

namespace savetest {

using Attributes = QList<QPair<QString, QString>>;

struct Element {
    QString name;
    int depth = 0; // 1 the root
    Attributes attributes;

    QString operator[](const char *attribute) const;
    QStringList names() const;
};

// Every element of the file in document order.
QList<Element> elementsOf(const QByteArray &bytes);
// The "Nodo" or the "Variabile" elements only.
QList<Element> named(const QList<Element> &elements, const char *name);

std::unique_ptr<scan::TVariable_MBus> record(quint8 dataField, const char *desc, quint16 typeData = 0);

// A slave of primary address 5, identification 12345678, made by KAM, with
// a 32-bit energy and a 16-bit volume.
std::unique_ptr<scan::TSlave_MBus> kamstrupSlave();

// A wireless meter made by KAM with identification 80000001 and one 32-bit
// volume record.
std::unique_ptr<scan::TSlave_wMBus> kamstrupMeter();

} // namespace savetest
