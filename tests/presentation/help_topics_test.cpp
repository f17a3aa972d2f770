// Where the help lies and which file a topic is.
#include "presentation/help_topics.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "presentation/help_window.h"

namespace qelvo::ui {
namespace {

// Sets an environment variable for one test and restores it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_) qputenv(name_, old_);
        else qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(HelpTopics, LocatorsAndCalculatorsNameFilesBelowTheHelpFolder)
{
    EXPECT_EQ(locatorTopic(QStringLiteral("\\qelvohelp.chm::\\固废预测\\沉淀池污泥量计算.htm")),
              QStringLiteral("固废预测/沉淀池污泥量计算.htm"));
    EXPECT_EQ(locatorTopic(QStringLiteral("calculators/water.sp.html")), QStringLiteral("calculators/water.sp.html"));
    EXPECT_EQ(calculatorTopic("noise.green"), QStringLiteral("calculators/noise.green.html"));
    EXPECT_EQ(helpFilePath(QStringLiteral("\\qelvohelp.chm::\\a\\b.htm")), QDir(helpDirectory()).filePath("a/b.htm"));
}

TEST(HelpTopics, TheFolderBesideTheProgramServesABuild)
{
    ScopedEnv none("QELVO_HELP_DIR", "");
    EXPECT_EQ(helpDirectory(), QDir(QCoreApplication::applicationDirPath()).filePath("help"));
}

TEST(HelpTopics, TheEnvironmentNamesAnotherFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        ScopedEnv env("QELVO_HELP_DIR", dir.path().toUtf8());
        EXPECT_EQ(helpDirectory(), QDir::cleanPath(dir.path()));
    }
    // A folder that does not exist is passed over.
    ScopedEnv missing("QELVO_HELP_DIR", dir.filePath("没有").toUtf8());
    EXPECT_EQ(helpDirectory(), QDir(QCoreApplication::applicationDirPath()).filePath("help"));
}

TEST(HelpTopics, AReferenceLocatorOpensInTheHelpWindow)
{
    openHelpTopic(nullptr, QStringLiteral("\\qelvohelp.chm::\\噪声预测模式\\stueber.htm"));
    ASSERT_NE(openHelpWindow(), nullptr);
    EXPECT_EQ(openHelpWindow()->currentTopic(), QStringLiteral("噪声预测模式/stueber.htm"));
    EXPECT_TRUE(openHelpWindow()->isVisible());
}

}  // namespace
}  // namespace qelvo::ui
