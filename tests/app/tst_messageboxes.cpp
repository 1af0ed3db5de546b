#include "app/Skins.h"
#include "app/ThemedMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The program's own boxes: the error box and the notice after a success, each ended as one
// sentence, with the sign that says which it is.
class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void textEndsAsOneSentence_data();
    void textEndsAsOneSentence();
    void signSaysErrorOrNotice_data();
    void signSaysErrorOrNotice();
};

void TestMessageBoxes::textEndsAsOneSentence_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("english") << "Disk full"
                             << "Disk full.";
    QTest::newRow("chinese") << "磁盘已满"
                             << "磁盘已满。";
    QTest::newRow("english, already ended") << "They are as written."
                                            << "They are as written.";
    QTest::newRow("chinese, already ended") << "与写入的一致。"
                                            << "与写入的一致。";
    QTest::newRow("question") << "Write it again?"
                              << "Write it again?";
    QTest::newRow("a file name at the end") << "Cannot open a.F19"
                                            << "Cannot open a.F19.";
}

void TestMessageBoxes::textEndsAsOneSentence()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(ThemedMessageBoxes::withFullStop(text), shown);
}

void TestMessageBoxes::signSaysErrorOrNotice_data()
{
    QTest::addColumn<bool>("notice");
    QTest::addColumn<int>("icon");

    QTest::newRow("error") << false << int(QMessageBox::Critical);
    QTest::newRow("notice") << true << int(QMessageBox::Warning);
}

void TestMessageBoxes::signSaysErrorOrNotice()
{
    QFETCH(bool, notice);
    QFETCH(int, icon);

    const Skins skins{QString()};
    ThemedMessageBoxes boxes(skins);
    int shownIcon = -1;
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownIcon = int(box->icon());
        shownText = box->text();
        box->accept();
    });
    const QString text = QStringLiteral("Written and verified.");
    if (notice)
        boxes.noticeBox(text);
    else
        boxes.errorBox(text);
    QCOMPARE(shownIcon, icon);
    QCOMPARE(shownText, text);
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
