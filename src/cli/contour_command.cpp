#include "cli/contour_command.h"

#include <QGuiApplication>
#include <ostream>
#include <algorithm>

#include "cli/cli.h"
#include "common/fields.h"
#include "common/number_parse.h"
#include "contour/contour_map.h"
#include "contour/grid_file.h"
#include "presentation/picture_file.h"
#include "presentation/program_font.h"

namespace qelvo::cli {
namespace {

// Pictures need a GUI application object; the offscreen platform needs no display.
void ensureGuiApplication()
{
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qelvo-calc";
    static char* argv[] = {name, nullptr};
    // Start-up notes of the platform (no runtime folder and the like) are no concern of
    // someone drawing a picture from the shell.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QGuiApplication::setFont(ui::programFont());
}

}  // namespace

int runContour(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string gridPath, outPath, levelsText;
    bool levelsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--out" || a == "--levels") && i + 1 < args.size()) {
            (a == "--out" ? outPath : levelsText) = args[++i];
            levelsGiven |= a == "--levels";
        } else if (!a.empty() && a[0] != '-' && gridPath.empty()) {
            gridPath = a;
        } else {
            err << "qelvo-calc: 无法识别的参数：" << validUtf8(a) << "\n";
            return kExitUsage;
        }
    }
    if (gridPath.empty() || outPath.empty()) {
        err << "qelvo-calc: 用法：qelvo-calc contour FILE.grd [--levels a,b,c] --out map.png|map.svg\n";
        return kExitUsage;
    }
    if (!ui::isPictureFormat(QString::fromStdString(outPath))) {
        err << "qelvo-calc: " << ui::unsupportedPictureFormat(QString::fromStdString(outPath)).toStdString() << "\n";
        return kExitUsage;
    }
    contour::LevelSet levels;
    if (levelsGiven) {
        if (levelsText.find_first_not_of(" \t") == std::string::npos) {
            err << "qelvo-calc: --levels 后没有等值线值，请重新输入！\n";
            return kExitUsage;
        }
        // Every item between commas must be a number: "1,,2" and "1,2," are refused alike.
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = std::min(levelsText.find(',', start), levelsText.size());
            const std::string item = levelsText.substr(start, comma - start);
            if (item.find_first_not_of(" \t") == std::string::npos) {
                err << "qelvo-calc: --levels 中有空的等值线值，请重新输入！\n";
                return kExitUsage;
            }
            const auto v = parseSingle(item);
            if (!v) {
                err << "qelvo-calc: 等值线值“" << validUtf8(item) << "”不是一个数，请重新输入！\n";
                return kExitUsage;
            }
            levels.add(*v);
            if (levels.count() > contour::kMaxLevels) {
                err << "qelvo-calc: " << contour::kTooManyLevels << "\n";
                return kExitUsage;
            }
            if (comma == levelsText.size()) break;
            start = comma + 1;
        }
    }

    const auto read = contour::readGridFile(gridPath);
    if (!read.grid) {
        err << read.error << "\n";
        return kExitRefused;
    }
    ensureGuiApplication();
    contour::ContourMap map = contour::ContourMap::fromGrid(*read.grid);
    if (levelsGiven) map.setLevels(contour::defaultStyles(levels));
    if (!map.error.empty()) {
        err << map.error << "\n";
        return kExitRefused;
    }
    QString reason;
    if (!contour::saveContourMap(map, QString::fromStdString(outPath), &reason)) {
        err << reason.toStdString() << "\n";
        return kExitRefused;
    }
    std::size_t lines = 0;
    for (const auto& level : map.lines) lines += level.size();
    out << "levels=" << map.levels.count() << "\nlines=" << lines << "\nout=" << outPath << "\n";
    return kExitOk;
}

}  // namespace qelvo::cli
