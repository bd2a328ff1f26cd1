#include "SaveFixture.h"

#include <QXmlStreamReader>

namespace savetest {

QString Element::operator[](const char *attribute) const
{
    for (const auto &[name, value] : attributes)
        if (name == QLatin1StringView(attribute))
            return value;
    return QStringLiteral("<missing>");
}

QStringList Element::names() const
{
    QStringList list;
    for (const auto &attribute : attributes)
        list << attribute.first;
    return list;
}

QList<Element> elementsOf(const QByteArray &bytes)
{
    QList<Element> elements;
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            Element e{reader.name().toString(), ++depth, {}};
            for (const QXmlStreamAttribute &a : reader.attributes())
                e.attributes.append({a.name().toString(), a.value().toString()});
            elements.append(e);
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return reader.hasError() ? QList<Element>() : elements;
}

QList<Element> named(const QList<Element> &elements, const char *name)
{
    QList<Element> list;
    for (const Element &e : elements)
        if (e.name == QLatin1StringView(name))
            list.append(e);
    return list;
}

std::unique_ptr<scan::TVariable_MBus> record(quint8 dataField, const char *desc, quint16 typeData)
{
    auto r = std::make_unique<scan::TVariable_MBus>();
    r->dimension = dataField;
    r->Desc_Type_Data = QString::fromLatin1(desc);
    r->type_data = typeData;
    return r;
}

std::unique_ptr<scan::TSlave_MBus> kamstrupSlave()
{
    auto slave = std::make_unique<scan::TSlave_MBus>();
    slave->Primary_Addresss = 5;
    slave->Secondary_Addresss = QStringLiteral("12345678");
    slave->descManufacture = QStringLiteral("KAM");
    slave->Manufacture = 0x2C2D;
    slave->List_Var.push_back(record(4, "Energy", 1));
    slave->List_Var.push_back(record(2, "Volume", 3));
    return slave;
}

std::unique_ptr<scan::TSlave_wMBus> kamstrupMeter()
{
    auto meter = std::make_unique<scan::TSlave_wMBus>();
    meter->ALA_Manufacturer = 0x2C2D;
    meter->ALA_Manu_str = QStringLiteral("KAM");
    meter->ALA_Address = qint32(0x80000001u);
    meter->List_Var.push_back(record(4, "Volume", 3));
    meter->List_Var[0]->Real_Wireless_Var = true;
    return meter;
}

} // namespace savetest
