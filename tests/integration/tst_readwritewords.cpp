#include "app/IconButton.h"
#include "app/LanguagePage.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"

#include "support/RunningProgram.h"
#include "support/SampleRadio.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// A radio read and written back by the program keeps every power level and option, with
// whatever language tables lie beside the program: words that a table lacks come from the
// copy built into the program, so a cell is never empty and never means something else.

namespace {

// The sample radio's channel texts in the built-in words of `language`.
QStringList rowIn(Language language, int row)
{
    if (language == Language::English)
        return SampleRadio::rowTexts(row);
    const QHash<QString, QString> chinese = {
        {"OFF", "禁用"}, {"ON", "启用"}, {"High", "高功率"}, {"Low", "低功率"}};
    QStringList texts = SampleRadio::rowTexts(row);
    for (int field = Column::RxTone - Column::FirstField; field < texts.size(); ++field)
        texts[field] = chinese.value(texts[field], texts[field]);
    return texts;
}

} // namespace

class TestReadWriteWords : public QObject
{
    Q_OBJECT

private slots:
    void readAndWrittenBackKeepsEveryFlag_data();
    void readAndWrittenBackKeepsEveryFlag();
};

void TestReadWriteWords::readAndWrittenBackKeepsEveryFlag_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QByteArray>("table"); // the language's table; a null array: none

    QTest::newRow("english.lang missing") << Language::English << QByteArray();
    QTest::newRow("english.lang without its words")
        << Language::English << QByteArray("25=CH\n26=RX\n30=Power\n");
    QTest::newRow("english.lang with bad lines")
        << Language::English << QByteArray("34=\n35=OFF\n36 =High\n37=\xB5\xCD\n");
    QTest::newRow("english.lang ending lines in CR alone")
        << Language::English << QByteArray("34=OFF\r35=ON\r36=High\r37=Low\r");
    QTest::newRow("chinese.lang missing") << Language::Chinese << QByteArray();
}

void TestReadWriteWords::readAndWrittenBackKeepsEveryFlag()
{
    QFETCH(Language, language);
    QFETCH(QByteArray, table);
    const QByteArray image = SampleRadio::image();
    // Starts in the other language, so that choosing this one applies its table.
    const Language other = language == Language::English ? Language::Chinese : Language::English;
    RunningProgram program(ProgramOptions::withRadio(image, {}, other));
    const QString tableFile = languageName(language) + ".lang";
    if (table.isNull())
        QVERIFY(QFile::remove(program.folder.filePath(tableFile)));
    else
        program.folder.writeFile(tableFile, table);
    LanguagePage& languagePage = *program.window->languagePage();
    (language == Language::English ? languagePage.englishButton() : languagePage.chineseButton())
        ->click();
    QCOMPARE(program.workspace().checkedLanguage, language);

    MenuPages& menu = *program.window->menuPages();
    program.runFromMenu(menu.readButton());
    QTest::mouseClick(program.dialog->exitButton(), Qt::LeftButton);
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        QCOMPARE(program.row(row), rowIn(language, row));

    program.radio.setMemory(RadioMemory());
    program.runFromMenu(menu.writeButton());
    QTest::mouseClick(program.dialog->exitButton(), Qt::LeftButton);
    QVERIFY(program.messages.boxes.isEmpty());
    QVERIFY(program.messages.errors.isEmpty());
    // Nothing waits for the answer to the band, the last block: it may still be on its way.
    QTRY_COMPARE(program.radio.memory().image(), image);
}

QTEST_MAIN(TestReadWriteWords)
#include "tst_readwritewords.moc"
