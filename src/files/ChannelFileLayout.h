#pragma once

#include "workspace/FunctionSettings.h"

#include <array>
#include <string_view>

// The layout of a .F19 channel file: 33 lines of 8-bit text, each ended by CR LF. Every
// value has a fixed line and a fixed character position; the labels are for a human
// reader only. Line numbers and character positions count from 1.
namespace ChannelFileLayout {

constexpr int LineCount = 33;
constexpr std::string_view Header = "QV-3307 MEMORY CHANNEL";
constexpr std::string_view LineEnd = "\r\n";

constexpr int LanguageLine = 4;
constexpr std::string_view LanguageLabel = "Language ";

constexpr int BandLine = 5;
constexpr std::string_view BandLabel = "BAND ";
constexpr int BandLength = 10; // "400-470MHz"

struct SettingLine
{
    FunctionSettings::Setting setting;
    std::string_view label;
};
// Lines 6 to 14, in file order.
constexpr int FirstSettingLine = 6;
constexpr std::array<SettingLine, FunctionSettings::SettingCount> SettingLines = {{
    {FunctionSettings::Squelch, "Squelch "},
    {FunctionSettings::BatterySave, "BatSave "},
    {FunctionSettings::TimeOut, "TxT.O.T "},
    {FunctionSettings::PromptTone, "TONE "},
    {FunctionSettings::AlarmKey, "EMG "},
    {FunctionSettings::Scan, "SCAN "},
    {FunctionSettings::VoicePrompt, "VOICE "},
    {FunctionSettings::VoxGain, "VoxGainLevel "},
    {FunctionSettings::VoxDelay, "VoxDelay "},
}};

constexpr int VoxInhibitLine = 15;
constexpr std::string_view VoxInhibitLabel = "VoxInhibit ";
constexpr std::string_view VoxInhibitOn = "VoxInhibit 1";

// Lines 18 to 33 hold rows 1 to 16: "CH01", then " | " before each of the eight cells,
// and a last " | ".
constexpr int FirstChannelLine = 18;
constexpr std::string_view ChannelPrefix = "CH";
constexpr std::string_view Separator = " | ";
constexpr int RxFrequencyPosition = 8; // just after "CH01 | "

// A value starts right after its label.
constexpr int valuePosition(std::string_view label)
{
    return int(label.size()) + 1;
}

} // namespace ChannelFileLayout
