#include "compiler/ProjectCompiler.h"

#include "app/ConverterType.h"
#include "compiler/CompileContext.h"
#include "compiler/ParGenReader.h"
#include "compiler/SingleBank.h"
#include "compiler/TwoBanks.h"
#include "compiler/TypeOneBank.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "project/ParGenFile.h"

#include <QDir>

namespace compiler {
namespace {

// The main model reads its board variant itself; a failure to read it means the serial board.
int typeOneBoardVariant(SourceDocuments &documents)
{
    const auto root = documents.parGenIfReadable();
    return root ? project::boardVariant(*root) : 0;
}

std::vector<BankFile> Compile_Three_Banks(CompileContext &context)
{
    const bool ethernetBoard = project::isEthernetBoard(typeOneBoardVariant(context.documents));
    QByteArray bank = ethernetBoard ? Compile_Bank_B2(context) : Compile_Bank(context);
    TwoBankFiles two = Compile_Two_Banks(context);
    return {{QStringLiteral("bank1.bin"), two.bank1},
            {QStringLiteral("bank2.bin"), two.bank2},
            {QStringLiteral("bank.bin"), bank}};
}

std::vector<BankFile> twoBanks(CompileContext &context)
{
    TwoBankFiles two = Compile_Two_Banks(context);
    return {{QStringLiteral("bank1.bin"), two.bank1}, {QStringLiteral("bank2.bin"), two.bank2}};
}

std::vector<BankFile> singleBank(CompileContext &context)
{
    return {{QStringLiteral("bank.bin"), Compile_Bank_Serial(context)}};
}

std::vector<BankFile> compileByType(CompileContext &context)
{
    if (!app::isValidConverterType(context.converterType))
        return {};
    switch (app::traitsOf(context.converterType).banks) {
    case app::BankSet::ThreeBanks: return Compile_Three_Banks(context);
    case app::BankSet::ByBoardVariant: // Compile_By_Sel_Dev
        return project::isEthernetBoard(context.selDevValue) ? twoBanks(context) : singleBank(context);
    case app::BankSet::SingleBank: return singleBank(context);
    case app::BankSet::TwoBanks: return twoBanks(context);
    }
    return {};
}

} // namespace

CompileResult compileBanks(const CompileRequest &request)
{
    CompileResult result;
    SourceDocuments documents(request.parGenPath, request.mBusPath);
    CompileContext context{request.converterType, request.selDevValue, documents};
    try {
        result.banks = compileByType(context);
        result.leftOutWiredNodes = context.leftOutWiredNodes;
    } catch (const CompileFailure &failure) {
        result.banks.clear();
        result.error = failure.error();
    }
    return result;
}

SaveResult Save_Project_Banks(const std::vector<BankFile> &banks, const QString &binFolder)
{
    SaveResult result;
    if (banks.empty()) {
        result.message = QStringLiteral("This converter type has no parameter banks to write.");
        return result;
    }
    if (!QDir().mkpath(binFolder)) {
        result.message = QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(binFolder));
        return result;
    }
    std::vector<platform::FileToWrite> files;
    for (const BankFile &bank : banks)
        files.push_back({platform::joinPath(binFolder, bank.name), bank.bytes});
    QString failed;
    QString error;
    if (!platform::writeFilesAtomically(files, &failed, &error)) {
        result.message = QStringLiteral("%1 cannot be written: %2").arg(QDir::toNativeSeparators(failed), error);
        return result;
    }
    for (const BankFile &bank : banks)
        result.written << bank.name;
    result.ok = true;
    return result;
}

ProjectCompileResult Compile_Project(int converterType, int selDevValue, const QString &configurationFolder)
{
    using Status = ProjectCompileResult::Status;
    ProjectCompileResult outcome;
    const CompileResult compiled =
        compileBanks({converterType, selDevValue, platform::joinPath(configurationFolder, QStringLiteral("ParGen.xml")),
                      platform::joinPath(configurationFolder, QStringLiteral("M_Bus.xml"))});
    if (!compiled.ok()) {
        outcome.status = Status::CompileFailed;
        outcome.compileError = compiled.error;
        outcome.message = compiled.error->message;
        return outcome;
    }
    if (compiled.banks.empty()) {
        outcome.status = Status::NoBanks;
        outcome.message = QStringLiteral("Converter type %1 has no parameter banks.").arg(converterType);
        return outcome;
    }
    const SaveResult saved =
        Save_Project_Banks(compiled.banks, platform::joinPath(configurationFolder, QStringLiteral("bin")));
    outcome.written = saved.written;
    outcome.leftOutWiredNodes = compiled.leftOutWiredNodes;
    outcome.status = saved.ok ? Status::Written : Status::WriteFailed;
    outcome.message = saved.message;
    return outcome;
}

} // namespace compiler
