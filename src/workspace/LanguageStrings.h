#pragma once

#include "workspace/ChannelColumn.h"
#include "workspace/FunctionSettings.h"

// The numbers of the language strings, and what each one captions.
namespace LanguageString {
enum : int {
    About = 1,
    ReadWriteExit = 2,  // the read/write dialog's close button
    ReadWriteStart = 7, // its start button, until a read or write captions it
    FileMenu = 9,
    ProgramMenu = 10,
    OptionsMenu = 11,
    Help = 12, // the help menu button and the Help icon's label
    New = 13,
    Open = 14,
    Save = 15,
    Exit = 16,
    Read = 17,
    Write = 18,
    ChannelEditing = 19,
    FunctionSettingsTitle = 20, // icon label and group box
    PowerAdjust = 21,           // icon label and the service page's group box
    ComPort = 22,
    LanguageTitle = 23,      // icon label and group box
    SkinTitle = 24,          // icon label and group box
    FirstColumnCaption = 25, // 25 to 33: the grid's caption row, columns 0 to 8
    OffWord = 34,
    OnWord = 35,
    HighWord = 36,
    LowWord = 37,
    FirstSettingLabel = 38, // 38 to 46: the setting labels, in Setting order
    VoxInhibit = 47,
    MinutesUnit = 48, // follows "1" to "7" in the time-out list
    ChineseVoice = 51,
    EnglishVoice = 52,
    PowerRead = 53,
    PowerWrite = 54,
    LowVoltage = 55,
    ChineseButton = 56,
    EnglishButton = 57,
    StatusLine = 61, // the first status panel of both windows
    ChannelUp = 65,
    ChannelDown = 66,
    DeleteChannel = 67,
    LowPowerLabel = 68,
    HighPowerLabel = 69,
    Band = 70,
    BackUpFirst = 71, // the read/write dialog's check boxes for a write
    VerifyAfterWriting = 72,
    WriteToEveryRadio = 73, // the read/write dialog's box for a write to every radio at once
};

constexpr int columnCaption(int column)
{
    return FirstColumnCaption + column;
}

constexpr int settingLabel(FunctionSettings::Setting setting)
{
    return FirstSettingLabel + int(setting);
}
} // namespace LanguageString
