#include "files/FileNames.h"

#include <gtest/gtest.h>

namespace garabel::test {

TEST(FileNames, AUtf8NameReadsAsItsCharactersAndANameInOtherBytesKeepsEveryByte)
{
    const QByteArray utf8 = QStringLiteral("/tmp/dibujo ñandú 中 \U0001F600.png").toUtf8();
    EXPECT_EQ(decodedFileName(utf8), QString::fromUtf8(utf8));
    EXPECT_EQ(encodedFileName(decodedFileName(utf8)), utf8);

    // Latin-1, a cut character, an overlong "/", an encoded surrogate, bytes
    // that start nothing, and good characters between them.
    for (const QByteArray &stored : {QByteArray("/tmp/caf\xE9.png"), QByteArray("\xC3"), QByteArray("a\xE4\xB8 \xF0\x9F\x98"),
                                     QByteArray("\xC0\xAF\xED\xA0\x80"), QByteArray("\xFF\xFE\xF5\x80 \xC3\xB1\xE9")}) {
        const QString name = decodedFileName(stored);
        EXPECT_EQ(encodedFileName(name), stored) << stored.toHex().toStdString();
        EXPECT_FALSE(name.contains(QChar::ReplacementCharacter)) << stored.toHex().toStdString();
    }
    EXPECT_EQ(decodedFileName("caf\xE9 \xC3\xB1"), QStringLiteral("caf") + QChar(0xDCE9) + QStringLiteral(" ñ"));
}

} // namespace garabel::test
