#include "link/SettingsCodec.h"

#include "link/HexText.h"
#include "workspace/FunctionSettings.h"

namespace {
// Characters of a read reply (from 1) that hold each field.
enum ReplyPosition : int {
    OptionsDigit = 10,
    SquelchDigit = 12,
    VoxGainDigit = 14,
    TimeOutDigit = 16,
    VoxDelayDigit = 18,
    VoicePromptDigit = 20,
    ScanByte = 21,
};
constexpr int ReplyLengthNeeded = ScanByte + 1;

enum OptionBit : int {
    AlarmKeyOn = 1,
    PromptToneOn = 2,
    BatterySaveOn = 4,
    VoxInhibitOn = 8,
};

// On/off lists hold OFF at 0 and ON at 1; scan's list is the other way round.
constexpr int OnPosition = 1;
constexpr int ScanOffPosition = 1;
const QString ScanOffByte = QStringLiteral("FF");
const QString ScanOnByte = QStringLiteral("FE");
const QString Fill = QStringLiteral("FF");

QChar at(QStringView reply, int position)
{
    return reply[position - 1];
}

bool isOn(const FunctionSettings& settings, FunctionSettings::Setting setting)
{
    return settings.position(setting) == OnPosition;
}

// Battery save, prompt tone, alarm key and VOX inhibit from the low digit of byte 0.
void setOptionValues(QChar digit, SettingsValues& values)
{
    const int options = qMax(hexDigitValue(digit), 0);
    const auto position = [options](OptionBit bit) { return (options & bit) ? OnPosition : 0; };
    values.positions[FunctionSettings::BatterySave] = position(BatterySaveOn);
    values.positions[FunctionSettings::PromptTone] = position(PromptToneOn);
    values.positions[FunctionSettings::AlarmKey] = position(AlarmKeyOn);
    values.voxInhibit = options & VoxInhibitOn;
}
} // namespace

int SettingsCodec::settingsDigit(QChar digit, int limit)
{
    const char16_t c = digit.unicode();
    const int value = c >= u'0' && c <= u'9' ? c - u'0' : -1;
    return value >= 0 && value <= limit ? value : OutOfLimitPosition;
}

void SettingsCodec::decodeOptions(QChar digit, FunctionSettings& settings)
{
    SettingsValues values;
    setOptionValues(digit, values);
    for (const auto setting :
         {FunctionSettings::BatterySave, FunctionSettings::PromptTone, FunctionSettings::AlarmKey})
        settings.setPosition(setting, values.positions[setting]);
    settings.setVoxInhibit(values.voxInhibit);
}

QString SettingsCodec::encodeOptions(const FunctionSettings& settings)
{
    int options = 0;
    if (settings.voxInhibit())
        options |= VoxInhibitOn;
    if (isOn(settings, FunctionSettings::BatterySave))
        options |= BatterySaveOn;
    if (isOn(settings, FunctionSettings::PromptTone))
        options |= PromptToneOn;
    if (isOn(settings, FunctionSettings::AlarmKey))
        options |= AlarmKeyOn;
    return QString(QLatin1Char('F')) + hexDigit(options);
}

std::optional<SettingsValues> SettingsCodec::decode(QStringView reply)
{
    if (reply.size() < ReplyLengthNeeded)
        return std::nullopt;
    SettingsValues values;
    const auto setDigit = [&](FunctionSettings::Setting setting, int position, int limit) {
        values.positions[setting] = settingsDigit(at(reply, position), limit);
    };
    setDigit(FunctionSettings::Squelch, SquelchDigit, SquelchLimit);
    setDigit(FunctionSettings::TimeOut, TimeOutDigit, TimeOutLimit);
    setDigit(FunctionSettings::VoicePrompt, VoicePromptDigit, VoicePromptLimit);
    setDigit(FunctionSettings::VoxGain, VoxGainDigit, VoxGainLimit);
    setDigit(FunctionSettings::VoxDelay, VoxDelayDigit, VoxDelayLimit);
    const bool scanOff = reply.mid(ScanByte - 1, 2) == ScanOffByte;
    values.positions[FunctionSettings::Scan] = scanOff ? ScanOffPosition : 0;
    setOptionValues(at(reply, OptionsDigit), values);
    return values;
}

bool SettingsCodec::decode(QStringView reply, FunctionSettings& settings)
{
    const std::optional<SettingsValues> values = decode(reply);
    if (!values)
        return false;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        settings.setPosition(FunctionSettings::Setting(setting), values->positions[setting]);
    settings.setVoxInhibit(values->voxInhibit);
    return true;
}

std::optional<QString> SettingsCodec::encode(const FunctionSettings& settings)
{
    QString data = encodeOptions(settings);
    for (const auto setting :
         {FunctionSettings::Squelch, FunctionSettings::VoxGain, FunctionSettings::TimeOut,
          FunctionSettings::VoxDelay, FunctionSettings::VoicePrompt}) {
        const int position = settings.position(setting);
        if (position < 0 || position > 9)
            return std::nullopt;
        data += QLatin1Char('0') + QString::number(position);
    }
    const bool scanOff = settings.position(FunctionSettings::Scan) == ScanOffPosition;
    data += (scanOff ? ScanOffByte : ScanOnByte) + Fill;
    return data;
}
