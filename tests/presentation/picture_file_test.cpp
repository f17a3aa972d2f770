// Pictures written whole or not at all, in the formats their suffix names.
#include "presentation/picture_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "support/file_limit.h"

namespace qelvo::ui {
namespace {

void square(QPainter& p, double) { p.fillRect(QRect(10, 10, 20, 20), Qt::red); }

QByteArray head(const QString& path, int n)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

TEST(PictureFile, WritesPngAndSvgByTheSuffixAndReplacesWhole)
{
    QTemporaryDir dir;
    QString reason;
    const QString png = dir.filePath("a.png"), svg = dir.filePath("a.SVG"), plain = dir.filePath("noSuffix");
    QFile old(png);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    EXPECT_TRUE(writePicture(png, QSize(64, 48), square, &reason)) << reason.toStdString();
    EXPECT_EQ(head(png, 4), QByteArray("\x89PNG"));
    EXPECT_TRUE(writePicture(svg, QSize(64, 48), square, &reason));
    EXPECT_TRUE(head(svg, 5).startsWith("<?xml"));
    EXPECT_TRUE(writePicture(plain, QSize(64, 48), square, &reason));  // no suffix: PNG
    EXPECT_EQ(head(plain, 4), QByteArray("\x89PNG"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);  // no temporary left
}

TEST(PictureFile, FailuresAreSaidAndLeaveTheOldFile)
{
    QTemporaryDir dir;
    QString reason;
    EXPECT_FALSE(isPictureFormat("map.txt"));
    EXPECT_TRUE(isPictureFormat("map.svg") && isPictureFormat("map.PNG") && isPictureFormat("map"));
    EXPECT_FALSE(writePicture(dir.filePath("map.txt"), QSize(10, 10), square, &reason));
    EXPECT_EQ(reason, "不支持的图片格式“.txt”，请使用 .png 或 .svg 文件！");
    EXPECT_FALSE(QFile::exists(dir.filePath("map.txt")));

    const QString missing = dir.filePath("no/such/map.png");
    EXPECT_FALSE(writePicture(missing, QSize(10, 10), square, &reason));
    EXPECT_EQ(reason, "无法写入文件“" + missing + "”，请检查文件夹、磁盘空间和写入权限！");

    // A write that fails half way (a full disk; here a file size limit) used to pass for a
    // success: said, and the old picture stays.
    const QString target = dir.filePath("map.svg");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    {
        const qelvo::testing::FileSizeLimit limit(100);
        EXPECT_FALSE(writePicture(target, QSize(300, 300), square, &reason));
    }
    EXPECT_TRUE(reason.startsWith("无法写入文件"));
    EXPECT_EQ(head(target, 10), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace qelvo::ui
