#pragma once
// Configuration folders and source files for the compiler tests.
#include "compiler/ProjectCompiler.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace compilertest {

// One change to ParGen.xml: an element set to a value, or removed.
struct ParGenEdit {
    const char *element;
    const char *value; // nullptr removes the element
};

// ParGen.xml as a list of elements in file order.
class ParGen {
public:
    // Every element any converter type reads, with the values the golden banks expect.
    static ParGen standard();

    ParGen &set(const QString &name, const QString &value);
    ParGen &remove(const QString &name);
    ParGen &apply(const std::vector<ParGenEdit> &edits);
    QByteArray xml() const;

private:
    QList<QPair<QString, QString>> m_elements;
};

// A configuration folder in a temporary directory.
class ConfigurationFolder {
public:
    ConfigurationFolder();
    QString path() const { return m_dir.path(); }
    QString binPath() const { return m_dir.path() + QStringLiteral("/bin"); }

    void writeParGen(const ParGen &parGen) const;
    void writeParGenBytes(const QByteArray &bytes) const;
    void writeMBus(const QByteArray &xml) const;

    QByteArray bin(const QString &name) const;
    QStringList binFiles() const; // sorted
    // Puts files into bin/ as an earlier compile would have left them.
    void seedBin(const QStringList &names) const;

    compiler::CompileResult compile(int converterType, int selDevValue = 0) const;

private:
    QTemporaryDir m_dir;
};

// The bank of that name in a compile result, or an empty array.
QByteArray bankNamed(const compiler::CompileResult &result, const QString &name);
QStringList bankNames(const compiler::CompileResult &result);

// The wired network of the golden banks: two compiled nodes with four
// variables, plus a disabled node and a node without enabled variables.
QByteArray wiredNetworkXml();

// M_Bus.xml with the given "Nodo" elements under the root.
QByteArray networkXml(const QString &nodes);

} // namespace compilertest
