#include "files/ChannelListCsv.h"

#include "channels/FrequencyNormaliser.h"
#include "files/CsvRecords.h"
#include "workspace/ChannelColumn.h"
#include "workspace/ToneList.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <variant>

namespace {

using Reason = SkippedCsvRow::Reason;

// The channel list counts frequencies in hertz: its six decimals of MHz.
constexpr qint64 HzPerMHz = 1000000;
constexpr qint64 HzPerUnit = HzPerMHz / FrequencyNormaliser::UnitsPerMHz;
constexpr qint64 LowestHz = FrequencyNormaliser::Lowest * HzPerUnit;
constexpr qint64 HighestHz = FrequencyNormaliser::Highest * HzPerUnit;
constexpr qint64 Step5kHzInHz = FrequencyNormaliser::Step5kHz * HzPerUnit;
// Far beyond every frequency and wattage; larger numbers saturate here.
constexpr qint64 Saturation = qint64(1) << 52;
// 2 W and above is high power.
constexpr qint64 HighPowerMicrowatts = 2 * 1000000;
constexpr int CtcssCount = ToneList::CtcssCount;
constexpr int ChannelFieldCount = Column::LastField - Column::FirstField + 1;

const QString UnusedCtcss = QStringLiteral("88.5");
const QString UnusedDcsCode = QStringLiteral("023");
const QString UnusedCrossMode = QStringLiteral("Tone->Tone");
const QString Arrow = QStringLiteral("->");

// The words of either language, and the active language's own.
struct WordForms
{
    const char16_t* chinese;
    const char16_t* english;

    bool matches(const QString& text, const QString& activeWord) const
    {
        return (!activeWord.isEmpty() && text == activeWord) || text == QStringView(chinese) ||
               text == QStringView(english);
    }

    // The active word; before any language is applied, when it is empty, the English
    // one, so an imported value is never an empty cell that reads as another value.
    QString in(const QString& activeWord) const
    {
        return activeWord.isEmpty() ? QString::fromUtf16(english) : activeWord;
    }
};

constexpr WordForms OffForms{u"禁用", u"OFF"};
constexpr WordForms OnForms{u"启用", u"ON"};
constexpr WordForms HighForms{u"高功率", u"High"};
constexpr WordForms LowForms{u"低功率", u"Low"};

// A plain decimal ("446.00625", "5", "0,5") in units of 10^-decimals, truncated beyond
// them; nothing for any other text, a sign included.
std::optional<qint64> readDecimal(QStringView text, int decimals)
{
    const QStringView trimmed = text.trimmed();
    qint64 value = 0;
    int digits = 0;
    int fractionDigits = -1; // -1 until the separator has been read
    for (const QChar character : trimmed) {
        if ((character == u'.' || character == u',') && fractionDigits < 0) {
            fractionDigits = 0;
            continue;
        }
        if (character < u'0' || character > u'9')
            return std::nullopt;
        ++digits;
        if (fractionDigits >= 0 && fractionDigits++ >= decimals)
            continue;
        value = std::min(value * 10 + character.digitValue(), Saturation);
    }
    if (digits == 0)
        return std::nullopt;
    for (int missing = decimals - std::max(fractionDigits, 0); missing > 0; --missing)
        value = std::min(value * 10, Saturation);
    return value;
}

QString megahertzText(qint64 hz)
{
    const qint64 magnitude = hz < 0 ? -hz : hz;
    return QStringLiteral("%1%2.%3")
        .arg(hz < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / HzPerMHz)
        .arg(magnitude % HzPerMHz, 6, 10, QLatin1Char('0'));
}

// A frequency the radio can hold, on the channel step, in the normaliser's units; nothing
// when `hz` lies outside 100 to 550 MHz, where typing would have clamped it.
std::optional<qint64> onChannelStep(qint64 hz)
{
    if (hz < LowestHz || hz > HighestHz)
        return std::nullopt;
    return FrequencyNormaliser::toChannelStep(megahertzText(hz));
}

// --- Tones ---------------------------------------------------------------------------

struct Ctcss
{
    QString text; // "67.0"
};
struct Dcs
{
    QString code; // "023"
    bool inverted = false;
};
using Tone = std::variant<std::monostate, Ctcss, Dcs>;

// A tone cell's tone; nothing for a text that is neither a tone of the radio nor no tone.
std::optional<Tone> toneOfCell(const QString& cell, const CellWords& words)
{
    const QString text = cell.trimmed();
    if (text.isEmpty() || OffForms.matches(text, words.offWord))
        return Tone{};
    const qsizetype index = ToneList::toneTexts().indexOf(text);
    if (index < 0)
        return std::nullopt;
    if (index < CtcssCount)
        return Tone{Ctcss{text}};
    return Tone{Dcs{text.mid(1, 3), text.endsWith(u'I')}};
}

QString cellOfTone(const Tone& tone, const CellWords& words)
{
    if (const auto* ctcss = std::get_if<Ctcss>(&tone))
        return ctcss->text;
    if (const auto* dcs = std::get_if<Dcs>(&tone))
        return QLatin1Char('D') + dcs->code + (dcs->inverted ? u'I' : u'N');
    return OffForms.in(words.offWord);
}

// The tone columns of one line, the unused ones at their neutral values.
struct ToneFields
{
    QString mode;
    QString rToneFreq = UnusedCtcss;
    QString cToneFreq = UnusedCtcss;
    QString dtcsCode = UnusedDcsCode;
    QString dtcsPolarity;
    QString rxDtcsCode = UnusedDcsCode;
    QString crossMode = UnusedCrossMode;
};

QChar polarityLetter(const Tone& tone)
{
    const auto* dcs = std::get_if<Dcs>(&tone);
    return dcs && dcs->inverted ? u'R' : u'N';
}

QString crossSide(const Tone& tone)
{
    if (std::holds_alternative<Ctcss>(tone))
        return QStringLiteral("Tone");
    if (std::holds_alternative<Dcs>(tone))
        return QStringLiteral("DTCS");
    return {};
}

ToneFields toneFields(const Tone& transmit, const Tone& receive)
{
    ToneFields fields;
    fields.dtcsPolarity = QString(polarityLetter(transmit)) + polarityLetter(receive);
    const auto* txCtcss = std::get_if<Ctcss>(&transmit);
    const auto* rxCtcss = std::get_if<Ctcss>(&receive);
    const auto* txDcs = std::get_if<Dcs>(&transmit);
    const auto* rxDcs = std::get_if<Dcs>(&receive);
    const bool rxNone = std::holds_alternative<std::monostate>(receive);

    if (std::holds_alternative<std::monostate>(transmit) && rxNone)
        return fields;
    if (txCtcss && rxNone) {
        fields.mode = QStringLiteral("Tone");
        fields.rToneFreq = txCtcss->text;
    } else if (txCtcss && rxCtcss && txCtcss->text == rxCtcss->text) {
        fields.mode = QStringLiteral("TSQL");
        fields.cToneFreq = rxCtcss->text;
    } else if (txDcs && rxDcs && txDcs->code == rxDcs->code && txDcs->inverted == rxDcs->inverted) {
        fields.mode = QStringLiteral("DTCS");
        fields.dtcsCode = txDcs->code;
    } else {
        fields.mode = QStringLiteral("Cross");
        fields.crossMode = crossSide(transmit) + Arrow + crossSide(receive);
        if (txCtcss)
            fields.rToneFreq = txCtcss->text;
        if (txDcs)
            fields.dtcsCode = txDcs->code;
        if (rxCtcss)
            fields.cToneFreq = rxCtcss->text;
        if (rxDcs)
            fields.rxDtcsCode = rxDcs->code;
    }
    return fields;
}

// --- Export --------------------------------------------------------------------------

// The four flags as the radio would store them, reading the words of either language.
struct Flags
{
    bool highPower = true;
    bool wideband = true;
    bool busyLock = false;
    bool scramble = false;
};

Flags flagsOfRow(const QStringList& row, const CellWords& words)
{
    const QString power = row.value(Column::Power - 1);
    const QString wideband = row.value(Column::Wideband - 1);
    const QString busyLock = row.value(Column::BusyLock - 1);
    const QString scramble = row.value(Column::Scramble - 1);
    // The radio gets the new-channel flags when these three are empty.
    if (power.isEmpty() && wideband.isEmpty() && busyLock.isEmpty())
        return {};
    Flags flags;
    flags.highPower = HighForms.matches(power, words.highWord);
    flags.wideband = OnForms.matches(wideband, words.onWord);
    flags.busyLock = !OffForms.matches(busyLock, words.offWord);
    flags.scramble = !OffForms.matches(scramble, words.offWord);
    return flags;
}

// A frequency cell's frequency, as committing it would leave it; nothing when it does
// not read as a number of 100 to 550 MHz (a half-typed "44", a word).
std::optional<qint64> frequencyOfCell(const QString& cell)
{
    const std::optional<qint64> hz = readDecimal(cell, 6);
    if (!hz)
        return std::nullopt;
    return onChannelStep(*hz);
}

QString onOff(bool on)
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}

class Exporter
{
public:
    explicit Exporter(const CellWords& words) : m_words(words) {}

    ExportedChannelList write(const ChannelRows& channels)
    {
        ExportedChannelList exported;
        const QString lineEnd = QStringLiteral("\r\n");
        QString text = CsvRecords::join(ChannelListCsv::Header) + lineEnd;
        for (int index = 0; index < int(channels.size()); ++index) {
            const QStringList& row = channels[size_t(index)];
            if (row.value(Column::RxFrequency - 1).isEmpty())
                continue;
            const std::optional<QStringList> line = channelLine(index + 1, row);
            if (!line) {
                exported.problem = m_problem;
                return exported;
            }
            text += CsvRecords::join(*line) + lineEnd;
        }
        exported.bytes = text.toUtf8();
        return exported;
    }

private:
    std::optional<QStringList> channelLine(int channel, const QStringList& row)
    {
        const auto cell = [&row](int column) { return row.value(column - 1); };
        const std::optional<qint64> receive = frequencyOfCell(cell(Column::RxFrequency));
        if (!receive)
            return fail(channel, Column::RxFrequency, cell(Column::RxFrequency));
        const QString transmitText = cell(Column::TxFrequency);
        std::optional<qint64> transmit;
        if (!transmitText.isEmpty()) {
            transmit = frequencyOfCell(transmitText);
            if (!transmit)
                return fail(channel, Column::TxFrequency, transmitText);
        }
        const std::optional<Tone> receiveTone = toneOfCell(cell(Column::RxTone), m_words);
        if (!receiveTone)
            return fail(channel, Column::RxTone, cell(Column::RxTone));
        const std::optional<Tone> transmitTone = toneOfCell(cell(Column::TxTone), m_words);
        if (!transmitTone)
            return fail(channel, Column::TxTone, cell(Column::TxTone));

        QString duplex;
        qint64 offsetHz = 0;
        if (!transmit) {
            duplex = QStringLiteral("off");
        } else if (*transmit != *receive) {
            duplex = *transmit > *receive ? QStringLiteral("+") : QStringLiteral("-");
            offsetHz = qAbs(*transmit - *receive) * HzPerUnit;
        }
        const qint64 receiveHz = *receive * HzPerUnit;
        const ToneFields tones = toneFields(*transmitTone, *receiveTone);
        const Flags flags = flagsOfRow(row, m_words);
        return lineOf({
            {QStringLiteral("Location"), QString::number(channel)},
            {QStringLiteral("Frequency"), megahertzText(receiveHz)},
            {QStringLiteral("Duplex"), duplex},
            {QStringLiteral("Offset"), megahertzText(offsetHz)},
            {QStringLiteral("Tone"), tones.mode},
            {QStringLiteral("rToneFreq"), tones.rToneFreq},
            {QStringLiteral("cToneFreq"), tones.cToneFreq},
            {QStringLiteral("DtcsCode"), tones.dtcsCode},
            {QStringLiteral("DtcsPolarity"), tones.dtcsPolarity},
            {QStringLiteral("RxDtcsCode"), tones.rxDtcsCode},
            {QStringLiteral("CrossMode"), tones.crossMode},
            {QStringLiteral("Mode"), flags.wideband ? QStringLiteral("FM") : QStringLiteral("NFM")},
            {QStringLiteral("TStep"),
             receiveHz % Step5kHzInHz == 0 ? QStringLiteral("5.00") : QStringLiteral("6.25")},
            {QStringLiteral("Power"),
             flags.highPower ? QStringLiteral("High") : QStringLiteral("Low")},
            {QStringLiteral("Comment"), QStringLiteral("BusyLock=%1 Scramble=%2")
                                            .arg(onOff(flags.busyLock), onOff(flags.scramble))},
        });
    }

    // A line in the header's order from its cells by column name; the columns not named
    // (Name, Skip and the digital voice calls) stay empty.
    static QStringList lineOf(const QHash<QString, QString>& cells)
    {
        QStringList line;
        line.reserve(ChannelListCsv::Header.size());
        for (const QString& column : ChannelListCsv::Header)
            line << cells.value(column);
        Q_ASSERT(std::all_of(cells.keyBegin(), cells.keyEnd(), [](const QString& column) {
            return ChannelListCsv::Header.contains(column);
        }));
        return line;
    }

    std::nullopt_t fail(int channel, int column, const QString& text)
    {
        m_problem = {channel, column, text};
        return std::nullopt;
    }

    const CellWords& m_words;
    ChannelListCsvExportProblem m_problem;
};

// --- Import --------------------------------------------------------------------------

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(const QStringList& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

// One data row, read through the header's column names.
class CsvRow
{
public:
    CsvRow(const QHash<QString, qsizetype>& columns, const CsvRecords::Record& record)
        : m_columns(&columns), m_record(&record)
    {
    }

    int number() const { return m_record->row; }

    // The field under `name`, trimmed; `otherwise` when the field is empty or the file has
    // no such column.
    QString field(const QString& name, const QString& otherwise = {}) const
    {
        const qsizetype index = m_columns->value(name.toLower(), -1);
        const QString text = index < 0 ? QString() : m_record->fields.value(index).trimmed();
        return text.isEmpty() ? otherwise : text;
    }

private:
    const QHash<QString, qsizetype>* m_columns;
    const CsvRecords::Record* m_record;
};

// Reads one row into the eight cells of a channel, or notes why it cannot.
class RowReader
{
public:
    RowReader(const CsvRow& row, qint64 lowerLimit, qint64 upperLimit, const CellWords& words)
        : m_row(row), m_lower(lowerLimit), m_upper(upperLimit), m_words(words)
    {
    }

    std::optional<QStringList> read()
    {
        const QString frequencyText = m_row.field(QStringLiteral("Frequency"));
        if (frequencyText.isEmpty())
            return skip(Reason::NoReceiveFrequency, QStringLiteral("Frequency"), {});
        const std::optional<qint64> receiveHz = readDecimal(frequencyText, 6);
        if (!receiveHz)
            return skip(Reason::NotANumber, QStringLiteral("Frequency"), frequencyText);
        const std::optional<qint64> receive = inBand(*receiveHz);
        if (!receive)
            return skip(Reason::ReceiveOutsideBand, QStringLiteral("Frequency"), frequencyText);

        std::optional<qint64> transmit;
        if (!readTransmit(*receiveHz, transmit))
            return std::nullopt;
        Tone transmitTone;
        Tone receiveTone;
        if (!readTones(transmitTone, receiveTone))
            return std::nullopt;
        const std::optional<bool> highPower = readPower();
        if (!highPower)
            return std::nullopt;

        const QString comment = m_row.field(QStringLiteral("Comment"));
        const QChar separator = FrequencyNormaliser::separator();
        return QStringList{
            FrequencyNormaliser::toText(*receive, separator),
            cellOfTone(receiveTone, m_words),
            transmit ? FrequencyNormaliser::toText(*transmit, separator) : QString(),
            cellOfTone(transmitTone, m_words),
            *highPower ? HighForms.in(m_words.highWord) : LowForms.in(m_words.lowWord),
            onOffWord(m_row.field(QStringLiteral("Mode"))
                          .compare(QStringLiteral("NFM"), Qt::CaseInsensitive) != 0),
            onOffWord(commentSaysOn(comment, QStringLiteral("BusyLock"))),
            onOffWord(commentSaysOn(comment, QStringLiteral("Scramble"))),
        };
    }

    const SkippedCsvRow& skipped() const { return m_skipped; }

private:
    std::optional<qint64> inBand(qint64 hz) const
    {
        const std::optional<qint64> frequency = onChannelStep(hz);
        if (!frequency || *frequency < m_lower || *frequency >= m_upper)
            return std::nullopt;
        return frequency;
    }

    // `transmit` stays empty for a channel that does not transmit.
    bool readTransmit(qint64 receiveHz, std::optional<qint64>& transmit)
    {
        const QString duplex = m_row.field(QStringLiteral("Duplex")).toLower();
        if (duplex == QStringLiteral("off"))
            return true;
        const bool simplex = duplex.isEmpty();
        const bool known = simplex || duplex == QStringLiteral("+") ||
                           duplex == QStringLiteral("-") || duplex == QStringLiteral("split");
        if (!known) {
            skip(Reason::UnknownValue, QStringLiteral("Duplex"),
                 m_row.field(QStringLiteral("Duplex")));
            return false;
        }
        qint64 offsetHz = 0;
        if (!simplex) {
            const QString offsetText = m_row.field(QStringLiteral("Offset"), QStringLiteral("0"));
            const std::optional<qint64> offset = readDecimal(offsetText, 6);
            if (!offset) {
                skip(Reason::NotANumber, QStringLiteral("Offset"), offsetText);
                return false;
            }
            offsetHz = *offset;
        }
        qint64 transmitHz = receiveHz;
        if (duplex == QStringLiteral("+"))
            transmitHz = receiveHz + offsetHz;
        else if (duplex == QStringLiteral("-"))
            transmitHz = receiveHz - offsetHz;
        else if (duplex == QStringLiteral("split"))
            transmitHz = offsetHz;
        transmit = inBand(transmitHz);
        if (!transmit) {
            skip(Reason::TransmitOutsideBand, QStringLiteral("Offset"), megahertzText(transmitHz));
            return false;
        }
        return true;
    }

    bool readTones(Tone& transmit, Tone& receive)
    {
        const QString mode = m_row.field(QStringLiteral("Tone"));
        const auto is = [&mode](const char* name) {
            return mode.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
        };
        std::optional<Tone> tx = Tone{};
        std::optional<Tone> rx = Tone{};
        if (mode.isEmpty())
            return true;
        if (is("Tone")) {
            tx = ctcss(QStringLiteral("rToneFreq"));
        } else if (is("TSQL")) {
            rx = tx = ctcss(QStringLiteral("cToneFreq"));
        } else if (is("DTCS")) {
            tx = dcs(QStringLiteral("DtcsCode"), 0);
            rx = tx ? dcs(QStringLiteral("DtcsCode"), 1) : tx;
        } else if (is("Cross")) {
            const QString crossMode = m_row.field(QStringLiteral("CrossMode"));
            const qsizetype arrow = crossMode.indexOf(Arrow);
            const QString txSide = crossMode.left(qMax<qsizetype>(arrow, 0)).toLower();
            const QString rxSide = crossMode.mid(arrow + Arrow.size()).toLower();
            const auto side = [](const QString& text) {
                return text.isEmpty() || text == QStringLiteral("tone") ||
                       text == QStringLiteral("dtcs");
            };
            if (arrow < 0 || !side(txSide) || !side(rxSide) ||
                (txSide.isEmpty() && rxSide.isEmpty())) {
                skip(Reason::UnknownValue, QStringLiteral("CrossMode"), crossMode);
                return false;
            }
            if (txSide == QStringLiteral("tone"))
                tx = ctcss(QStringLiteral("rToneFreq"));
            else if (txSide == QStringLiteral("dtcs"))
                tx = dcs(QStringLiteral("DtcsCode"), 0);
            if (tx && rxSide == QStringLiteral("tone"))
                rx = ctcss(QStringLiteral("cToneFreq"));
            else if (tx && rxSide == QStringLiteral("dtcs"))
                rx = dcs(QStringLiteral("RxDtcsCode"), 1);
        } else {
            skip(Reason::UnknownValue, QStringLiteral("Tone"), mode);
            return false;
        }
        if (!tx || !rx)
            return false;
        transmit = *tx;
        receive = *rx;
        return true;
    }

    // The CTCSS tone in `column`: a tone of the radio in hertz, "88.5" or "88.50".
    std::optional<Tone> ctcss(const QString& column)
    {
        const QString text = m_row.field(column, UnusedCtcss);
        const std::optional<qint64> millionths = readDecimal(text, 6);
        constexpr qint64 PerTenth = 100000;
        if (millionths && *millionths % PerTenth == 0) {
            const qint64 tenths = *millionths / PerTenth;
            const QString tone = QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
            const qsizetype index = ToneList::toneTexts().indexOf(tone);
            if (index >= 0 && index < CtcssCount)
                return Tone{Ctcss{tone}};
        }
        skip(Reason::ToneNotInList, column, text);
        return std::nullopt;
    }

    // The DCS code in `column` ("23" or "023"), its polarity the letter at `side` of
    // DtcsPolarity: transmit first, "N" normal, "R" (or "I") inverted.
    std::optional<Tone> dcs(const QString& column, int side)
    {
        const QString polarityText = m_row.field(QStringLiteral("DtcsPolarity"));
        const QChar letter =
            side < polarityText.size() ? polarityText[side].toUpper() : QChar(u'N');
        if (letter != u'N' && letter != u'R' && letter != u'I') {
            skip(Reason::ToneNotInList, QStringLiteral("DtcsPolarity"), polarityText);
            return std::nullopt;
        }
        const QString text = m_row.field(column, UnusedDcsCode);
        const bool digits =
            !text.isEmpty() && text.size() <= 3 &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        const Dcs tone{text.rightJustified(3, u'0'), letter != u'N'};
        if (!digits || !ToneList::toneTexts().contains(cellOfTone(Tone{tone}, m_words))) {
            skip(Reason::ToneNotInList, column, text);
            return std::nullopt;
        }
        return Tone{tone};
    }

    // High, Low in any case, or a wattage ("5W", "0.5"); empty is high.
    std::optional<bool> readPower()
    {
        const QString text = m_row.field(QStringLiteral("Power"));
        if (text.isEmpty() || text.compare(QStringLiteral("High"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QStringLiteral("Low"), Qt::CaseInsensitive) == 0)
            return false;
        QString watts = text;
        if (watts.endsWith(u'W', Qt::CaseInsensitive))
            watts.chop(1);
        const std::optional<qint64> microwatts = readDecimal(watts, 6);
        if (!microwatts) {
            skip(Reason::UnknownValue, QStringLiteral("Power"), text);
            return std::nullopt;
        }
        return *microwatts >= HighPowerMicrowatts;
    }

    static bool commentSaysOn(const QString& comment, const QString& name)
    {
        const QRegularExpression setting(QStringLiteral("\\b%1=(\\w*)").arg(name),
                                         QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = setting.match(comment);
        return match.hasMatch() &&
               match.captured(1).compare(QStringLiteral("ON"), Qt::CaseInsensitive) == 0;
    }

    QString onOffWord(bool on) const
    {
        return on ? OnForms.in(m_words.onWord) : OffForms.in(m_words.offWord);
    }

    std::nullopt_t skip(Reason reason, const QString& column, const QString& value)
    {
        m_skipped = {m_row.number(), reason, column, value};
        return std::nullopt;
    }

    const CsvRow& m_row;
    qint64 m_lower;
    qint64 m_upper;
    const CellWords& m_words;
    SkippedCsvRow m_skipped;
};

ImportedChannelList failed(ChannelListCsvProblem problem)
{
    ImportedChannelList imported;
    imported.problem = problem;
    return imported;
}

ImportedChannelList failed(ChannelListCsvProblem::Kind kind, int row = 0, const QString& found = {})
{
    return failed(ChannelListCsvProblem{kind, row, found});
}

// A Location's channel, from 0; nothing for a text that is not a whole number from 1 to 16.
std::optional<size_t> channelOfLocation(const QString& text)
{
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    bool converted = false;
    const int location = digits ? text.toInt(&converted) : 0;
    if (!converted || location < 1 || location > ChannelFileContent::ChannelCount)
        return std::nullopt;
    return size_t(location - 1);
}

// The channel of each row, in order, by the rows' Locations; or the first row whose
// Location does not give it a channel of its own.
std::variant<QList<size_t>, ChannelListCsvProblem> channelsByLocation(const QList<CsvRow>& rows)
{
    using Kind = ChannelListCsvProblem::Kind;
    QList<size_t> channels;
    std::array<int, ChannelFileContent::ChannelCount> rowOfChannel{};
    for (const CsvRow& row : rows) {
        const QString location = row.field(QStringLiteral("Location"));
        const std::optional<size_t> channel = channelOfLocation(location);
        if (!channel)
            return ChannelListCsvProblem{Kind::LocationNotAChannel, row.number(), location};
        if (rowOfChannel[*channel] != 0)
            return ChannelListCsvProblem{Kind::LocationRepeated, row.number(), location,
                                         rowOfChannel[*channel]};
        rowOfChannel[*channel] = row.number();
        channels << *channel;
    }
    return channels;
}

// The band limits rows are checked against, in the normaliser's units; the upper one is
// no usable frequency.
struct Limits
{
    qint64 lower = 0;
    qint64 upper = 0;
};

ImportedChannelList importList(const QByteArray& bytes, const std::optional<QString>& band,
                               const CellWords& words, ChannelListCsv::Placement placement)
{
    using Kind = ChannelListCsvProblem::Kind;
    const QByteArray body = bytes.startsWith(ByteOrderMark) ? bytes.mid(3) : bytes;
    if (body.contains('\0'))
        return failed(Kind::Binary);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(body);
    if (decoder.hasError())
        return failed(Kind::NotUtf8);

    const CsvRecords::Split split = CsvRecords::split(text);
    if (split.unclosedQuoteRow)
        return failed(Kind::UnclosedQuote, *split.unclosedQuoteRow);
    const auto header = std::find_if(split.records.begin(), split.records.end(),
                                     [](const auto& record) { return !isBlank(record.fields); });
    if (header == split.records.end())
        return failed(Kind::Empty);
    QHash<QString, qsizetype> columns;
    // Where a name repeats, its first column counts.
    for (qsizetype index = header->fields.size() - 1; index >= 0; --index)
        columns.insert(header->fields[index].trimmed().toLower(), index);
    if (!columns.contains(QStringLiteral("frequency")))
        return failed(Kind::NoFrequencyColumn, header->row, header->fields.join(u','));

    Limits limits{FrequencyNormaliser::Lowest, FrequencyNormaliser::Highest + 1};
    if (band) {
        const std::optional<qint64> lower =
            FrequencyNormaliser::toBandLimit(FrequencyNormaliser::lowerLimitText(*band));
        const std::optional<qint64> upper =
            FrequencyNormaliser::toBandLimit(FrequencyNormaliser::upperLimitText(*band));
        if (!lower || !upper)
            return failed(Kind::BandUnreadable, 0, *band);
        limits = {*lower, *upper};
    }

    QList<CsvRow> rows;
    for (auto record = std::next(header); record != split.records.end(); ++record) {
        if (!isBlank(record->fields))
            rows.append(CsvRow(columns, *record));
    }
    if (rows.isEmpty())
        return failed(Kind::NoRows);

    std::optional<QList<size_t>> byLocation;
    if (placement == ChannelListCsv::Placement::ByLocation &&
        columns.contains(QStringLiteral("location"))) {
        auto channels = channelsByLocation(rows);
        if (const auto* problem = std::get_if<ChannelListCsvProblem>(&channels))
            return failed(*problem);
        byLocation = std::get<QList<size_t>>(std::move(channels));
    }

    ImportedChannelList imported;
    imported.channels.fill(QStringList(ChannelFieldCount));
    size_t filled = 0;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const CsvRow& row = rows[index];
        if (!byLocation && filled == imported.channels.size()) {
            imported.skipped.append({row.number(), Reason::NoChannelLeft, {}, {}});
            continue;
        }
        RowReader reader(row, limits.lower, limits.upper, words);
        if (const std::optional<QStringList> cells = reader.read())
            imported.channels[byLocation ? byLocation->at(index) : filled++] = *cells;
        else
            imported.skipped.append(reader.skipped());
    }
    // Replacing every channel with nothing because no row fits (the wrong band selected,
    // say) would only lose the user's channels.
    if (imported.skipped.size() == rows.size())
        imported.problem = ChannelListCsvProblem{Kind::NothingImported, 0, {}};
    return imported;
}

} // namespace

namespace ChannelListCsv {

const QStringList Header = {
    QStringLiteral("Location"),     QStringLiteral("Name"),       QStringLiteral("Frequency"),
    QStringLiteral("Duplex"),       QStringLiteral("Offset"),     QStringLiteral("Tone"),
    QStringLiteral("rToneFreq"),    QStringLiteral("cToneFreq"),  QStringLiteral("DtcsCode"),
    QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
    QStringLiteral("Mode"),         QStringLiteral("TStep"),      QStringLiteral("Skip"),
    QStringLiteral("Power"),        QStringLiteral("Comment"),    QStringLiteral("URCALL"),
    QStringLiteral("RPT1CALL"),     QStringLiteral("RPT2CALL"),   QStringLiteral("DVCODE"),
};

ExportedChannelList write(const ChannelRows& channels, const CellWords& words)
{
    return Exporter(words).write(channels);
}

ImportedChannelList read(const QByteArray& bytes, const QString& band, const CellWords& words,
                         Placement placement)
{
    return importList(bytes, band, words, placement);
}

ImportedChannelList readInAnyBand(const QByteArray& bytes, const CellWords& words,
                                  Placement placement)
{
    return importList(bytes, std::nullopt, words, placement);
}

} // namespace ChannelListCsv
