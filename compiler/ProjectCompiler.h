#pragma once
// Compiles a configuration's ParGen.xml and M_Bus.xml into the parameter
// banks the converter loads, and writes them into the configuration's bin
// folder. Everything is compiled in memory first: a compile error leaves the
// bin folder exactly as it was.
//
// The Update Device step calls Compile_Project and goes on to an update tool
// only when the result is ok().
#include "compiler/CompileError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace compiler {

struct CompileRequest {
    int converterType = 0; // 1..7, 1001, 1007; any other compiles nothing
    int selDevValue = 0;   // board variant the caller read from ParGen.xml (types 2 and 3): 1 Ethernet board
    QString parGenPath;    // a missing file is no error
    QString mBusPath;      // a missing file is an empty network
};

struct BankFile {
    QString name; // "bank.bin", "bank1.bin" or "bank2.bin"
    QByteArray bytes;
};

struct CompileResult {
    std::vector<BankFile> banks; // in the order they are written; empty on error or for a type without banks
    std::optional<CompileError> error;
    // Wired nodes a wireless model's compile leaves out while its wired bus
    // is "Not Present", as "<node number>: <description>".
    QStringList leftOutWiredNodes;
    bool ok() const { return !error.has_value(); }
};

// Builds the banks of the converter type and board variant in memory.
CompileResult compileBanks(const CompileRequest &request);

struct SaveResult {
    bool ok = false;
    QString message;     // which file could not be written and why (English, for the error box)
    QStringList written; // every name on success; none on failure
};

// Replaces the banks as a set: each is written under a temporary name first,
// and only when all are complete are they renamed into place, so the folder
// never holds banks of two compiles side by side. On failure no bank has
// changed. Creates the folder when it is missing. Nothing to write counts as
// a failure. A bank of another board variant's compile is left as it is.
SaveResult Save_Project_Banks(const std::vector<BankFile> &banks, const QString &binFolder);

struct ProjectCompileResult {
    enum class Status {
        Written,       // every bank of the type is in the bin folder
        CompileFailed, // nothing was written; compileError says why
        WriteFailed,   // a bank could not be written, so none was; message says which and why
        NoBanks,       // the converter type has no banks
    };
    Status status = Status::NoBanks;
    QString message; // empty when Written; otherwise the text for the error box
    std::optional<CompileError> compileError;
    QStringList written;
    QStringList leftOutWiredNodes; // as CompileResult's
    bool ok() const { return status == Status::Written; }
};

// The compile of Update Device: reads <configurationFolder>/ParGen.xml and
// <configurationFolder>/M_Bus.xml and writes the banks into
// <configurationFolder>/bin.
ProjectCompileResult Compile_Project(int converterType, int selDevValue, const QString &configurationFolder);

} // namespace compiler
