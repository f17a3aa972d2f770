// The setting "估算模型" and the engine it gives.
#include "air/screening/screening_engine_choice.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "air/screening/builtin_engine.h"
#include "air/screening/screen3_program_engine.h"

namespace qelvo::air {
namespace {

TEST(ScreeningEngineChoice, WordsAndLabels)
{
    EXPECT_EQ(engineKindNamed("builtin"), ScreeningEngineKind::Builtin);
    EXPECT_EQ(engineKindNamed("screen3"), ScreeningEngineKind::Screen3);
    EXPECT_EQ(engineKindNamed("SCREEN3"), std::nullopt);
    EXPECT_EQ(engineKindNamed(""), std::nullopt);
    EXPECT_EQ(std::string(kEngineSettingLabel), "估算模型");
    EXPECT_EQ(kEngineChoiceLabels[0], "内置");
    EXPECT_EQ(kEngineChoiceLabels[1], "外部SCREEN3");
}

TEST(ScreeningEngineChoice, TheBuiltInEngineUnlessTheExternalOneIsChosen)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QSettings settings(root.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(chosenEngineKind(settings), ScreeningEngineKind::Builtin);  // nothing stored
    auto engine = chosenScreeningEngine(settings);
    EXPECT_EQ(engine->name(), kBuiltinEngineName);
    EXPECT_EQ(engine->distanceLimit(), 0);  // the protection distance in one run

    setChosenEngineKind(settings, ScreeningEngineKind::Screen3);
    EXPECT_EQ(settings.value(kEngineKey).toString(), QStringLiteral("screen3"));
    EXPECT_EQ(chosenEngineKind(settings), ScreeningEngineKind::Screen3);
    settings.setValue(kScreen3PathKey, root.filePath("none"));
    engine = chosenScreeningEngine(settings);
    EXPECT_EQ(engine->name(), "SCREEN3");
    EXPECT_EQ(engine->distanceLimit(), 50);  // 50/50/8 decks for the protection distance
    // With no program anywhere, every run says where to put one.
    const QByteArray path = qgetenv("PATH"), variable = qgetenv(kScreen3Variable);
    qputenv("PATH", root.path().toLocal8Bit());
    qunsetenv(kScreen3Variable);
    engine = chosenScreeningEngine(settings);
    EXPECT_EQ(engine->run("t\n").failure, screen3MissingMessage());
    qputenv("PATH", path);
    if (!variable.isNull()) qputenv(kScreen3Variable, variable);

    setChosenEngineKind(settings, ScreeningEngineKind::Builtin);
    EXPECT_EQ(chosenEngineKind(settings), ScreeningEngineKind::Builtin);
    settings.setValue(kEngineKey, QStringLiteral("other"));
    EXPECT_EQ(chosenEngineKind(settings), ScreeningEngineKind::Builtin);
}

}  // namespace
}  // namespace qelvo::air
