#include "link/HexText.h"

#include <QTest>

// Hex text is how every frame is written and every reply is read.
class TestHexText : public QObject
{
    Q_OBJECT

private slots:
    void readsPairsOfDigits_data();
    void readsPairsOfDigits();
    void notHexIsRefusedWhole_data();
    void notHexIsRefusedWhole();
    void writesUpperCaseDigits_data();
    void writesUpperCaseDigits();
};

void TestHexText::readsPairsOfDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("trailing odd character ignored") << "0A1" << QByteArray::fromHex("0a");
    QTest::newRow("lone character") << "7" << QByteArray();
    QTest::newRow("lower case") << "ff" << QByteArray::fromHex("ff");
    QTest::newRow("mixed case") << "5203e0Ab" << QByteArray::fromHex("5203e0ab");
    QTest::newRow("hello") << "0251584B4D4E72" << QByteArray::fromHex("0251584b4d4e72");
    QTest::newRow("zero byte kept") << "000600" << QByteArray("\x00\x06\x00", 3);
}

void TestHexText::readsPairsOfDigits()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool ok = false;
    QCOMPARE(hexToBytes(text, &ok), bytes);
    QVERIFY(ok);
}

void TestHexText::notHexIsRefusedWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letter past F") << "520G";
    QTest::newRow("decimal point") << "435.1250";
    QTest::newRow("space") << "52 03E008";
    QTest::newRow("sign") << "+5";
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("０６");
}

void TestHexText::notHexIsRefusedWhole()
{
    QFETCH(QString, text);
    bool ok = true;
    QCOMPARE(hexToBytes(text, &ok), QByteArray());
    QVERIFY(!ok);
}

void TestHexText::writesUpperCaseDigits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("acknowledgement") << QByteArray(1, 6) << "06";
    QTest::newRow("upper case, two digits each")
        << QByteArray::fromHex("06214a7355627177") << "06214A7355627177";
    QTest::newRow("high bytes") << QByteArray::fromHex("00ff80") << "00FF80";
}

void TestHexText::writesUpperCaseDigits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(bytesToHex(bytes), text);
    QCOMPARE(hexToBytes(text), bytes);
}

QTEST_GUILESS_MAIN(TestHexText)
#include "tst_hextext.moc"
