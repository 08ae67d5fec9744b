#include "core/cp1252.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Cp1252, NorwegianLettersAndEuroAsBytes)
{
    const QString text = QString::fromUtf8("æøåÆØÅ€");
    const QByteArray bytes = ToCp1252(text);
    EXPECT_EQ(bytes, QByteArray("\xE6\xF8\xE5\xC6\xD8\xC5\x80"));
    EXPECT_EQ(FromCp1252(bytes), text);
}

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
    EXPECT_EQ(FromCp1252("\x80\x8A\x9F"), QString::fromUtf8("€ŠŸ"));
}

TEST(Cp1252, UnmappableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(ToCp1252(QString::fromUtf8("aΩb")), QByteArray("a?b"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("x😀y")), QByteArray("x?y"));  // one '?' for a surrogate pair
    EXPECT_EQ(ToCp1252(QString(QChar(0x80))), QByteArray("?"));        // C1 control without a byte
}

TEST(Cp1252, LinesSplitOnAnyLineEnd)
{
    const QStringList lines = SplitCp1252Lines("a\r\nb\nc\rd\r\r\n\xE6");
    EXPECT_EQ(lines, (QStringList{"a", "b", "c", "d", "", QString::fromUtf8("æ")}));
    EXPECT_EQ(SplitCp1252Lines("a\r\n"), QStringList{"a"});
    EXPECT_EQ(SplitCp1252Lines("\r\n"), QStringList{""});
    EXPECT_TRUE(SplitCp1252Lines("").isEmpty());
    EXPECT_EQ(JoinCp1252Lines({QString::fromUtf8("ø"), ""}), QByteArray("\xF8\r\n\r\n"));
}

TEST(Cp1252, WholeFileHelpers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    ASSERT_EQ(WriteCp1252Lines(path, {QString::fromUtf8("blåbær"), QStringLiteral("2")}), 0);
    QStringList back;
    ASSERT_EQ(ReadCp1252Lines(path, back), 0);
    EXPECT_EQ(back, (QStringList{QString::fromUtf8("blåbær"), "2"}));

    EXPECT_EQ(ReadCp1252Lines(dir.filePath(QStringLiteral("missing.txt")), back), ENOENT);
    EXPECT_TRUE(back.isEmpty());
    EXPECT_NE(WriteCp1252Lines(dir.filePath(QStringLiteral("no/such/folder/x.txt")), {"x"}), 0);
}
