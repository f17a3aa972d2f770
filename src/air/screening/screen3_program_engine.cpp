#include "air/screening/screen3_program_engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "air/screening/listing_reader.h"
#include "presentation/process_runner.h"

namespace qelvo::air {
namespace {

// The deck SCREEN3 reads on its standard input and the listing it writes; a file system that
// keeps case may hold either spelling of the listing.
const QString kDeckFile = QStringLiteral("screen3.inp");
const QStringList kListingFiles = {QStringLiteral("SCREEN.OUT"), QStringLiteral("screen.out")};

bool isProgram(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isExecutable();
}

}  // namespace

QString ownProgramFolder()
{
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    // The command line has no application object.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

QString findScreen3(const QSettings& settings, const QString& programFolder)
{
    const QString variable = qEnvironmentVariable(kScreen3Variable);
    if (isProgram(variable)) return QFileInfo(variable).absoluteFilePath();
    const QString configured = settings.value(QString::fromLatin1(kScreen3PathKey)).toString();
    if (isProgram(configured)) return QFileInfo(configured).absoluteFilePath();
    if (!programFolder.isEmpty()) {
        const QString beside = QDir(programFolder).filePath(QString::fromLatin1(kScreen3ProgramName));
        if (isProgram(beside)) return beside;
    }
    return QStandardPaths::findExecutable(QString::fromLatin1(kScreen3ProgramName));
}

std::string screen3MissingMessage(const QString& programFolder)
{
    return QStringLiteral("找不到SCREEN3程序！请把screen3放在本程序所在的文件夹（%1）或PATH中的文件夹里，"
                          "或在“估算模型”设置中填写它的路径，或用环境变量%2指定它。")
        .arg(QDir::toNativeSeparators(programFolder), QString::fromLatin1(kScreen3Variable))
        .toStdString();
}

ScreeningOutcome Screen3ProgramEngine::run(const std::string& deck, const std::function<bool()>& cancelled)
{
    ScreeningOutcome out;
    if (program_.isEmpty()) {
        out.failure = screen3MissingMessage();
        return out;
    }
    ui::ProcessRequest request;
    request.program = program_;
    request.inputFiles = {{kDeckFile, QByteArray::fromStdString(deck)}};
    request.standardInputFile = kDeckFile;
    request.outputFiles = kListingFiles;
    request.timeLimitMs = kScreen3TimeLimitMs;
    const ui::ProcessOutcome ran = ui::processRunner().run(request, cancelled);
    if (!ran.finished()) {
        out.failure = ran.problem.toStdString();
        return out;
    }
    for (const QString& name : kListingFiles) {
        const auto file = ran.outputFiles.find(name);
        if (file == ran.outputFiles.end()) continue;
        ScreeningResult result = readListing(file->second.toStdString());
        if (result.automated.empty() && result.discrete.empty() && result.valley.empty() && result.summary.empty()) {
            out.failure = "SCREEN3的结果文件SCREEN.OUT中没有计算结果，请检查输入！";
            return out;
        }
        result.engine = kScreen3EngineName;
        out.result = std::move(result);
        return out;
    }
    out.failure = QStringLiteral("SCREEN3没有写出结果文件SCREEN.OUT（退出代码%1），请检查输入！").arg(ran.exitCode).toStdString();
    return out;
}

}  // namespace qelvo::air
