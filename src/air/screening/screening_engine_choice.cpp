#include "air/screening/screening_engine_choice.h"

#include <QSettings>

#include "air/screening/builtin_engine.h"
#include "air/screening/screen3_program_engine.h"

namespace qelvo::air {

std::optional<ScreeningEngineKind> engineKindNamed(std::string_view word)
{
    for (std::size_t i = 0; i < kEngineWords.size(); ++i)
        if (word == kEngineWords[i]) return static_cast<ScreeningEngineKind>(i);
    return std::nullopt;
}

ScreeningEngineKind chosenEngineKind(const QSettings& settings)
{
    const QString word = settings.value(QString::fromLatin1(kEngineKey)).toString();
    return engineKindNamed(word.toStdString()).value_or(ScreeningEngineKind::Builtin);
}

void setChosenEngineKind(QSettings& settings, ScreeningEngineKind kind)
{
    const std::string_view word = kEngineWords[static_cast<std::size_t>(kind)];
    settings.setValue(QString::fromLatin1(kEngineKey), QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
}

std::unique_ptr<ScreeningEngine> makeScreeningEngine(ScreeningEngineKind kind, const QSettings& settings)
{
    if (kind == ScreeningEngineKind::Screen3) return std::make_unique<Screen3ProgramEngine>(findScreen3(settings));
    return std::make_unique<BuiltinScreeningEngine>();
}

std::unique_ptr<ScreeningEngine> chosenScreeningEngine(const QSettings& settings)
{
    return makeScreeningEngine(chosenEngineKind(settings), settings);
}

}  // namespace qelvo::air
