// A channel file of any content, read into a workspace that already holds channels.
#include "files/ChannelFileParser.h"
#include "files/ChannelFileProblemText.h"
#include "files/ChannelFileReader.h"
#include "files/ChannelFileWriter.h"
#include "workspace/Localisation.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_channelfile";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir programFolder; // no language tables: switches keep the words

    Workspace workspace;
    workspace.bands.append(QStringLiteral("400-470MHz"));
    workspace.bands.select(0);
    workspace.table.setText(1, 1, QStringLiteral("400.00000"));
    Localisation localisation(workspace, programFolder.path());

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ParsedChannelFile parsed = ChannelFileParser::parse(bytes);
    if (!parsed.ok()) {
        channelFileProblemText(QStringLiteral("fuzz.F19"), *parsed.problem, Language::Chinese);
        channelFileProblemText(QStringLiteral("fuzz.F19"), *parsed.problem, Language::English);
        return 0;
    }
    // Every position converted lies inside its list.
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting) {
        const int position = parsed.content.positions[setting];
        if (position < 0 ||
            position >= FunctionSettings::entryCount(FunctionSettings::Setting(setting)))
            __builtin_trap();
    }
    workspace.editor.loading = true;
    ChannelFileReader(workspace, localisation).apply(parsed.content);

    // Whatever was read writes out again, and reads back the same.
    const QByteArray written = ChannelFileWriter(workspace).contents();
    const ParsedChannelFile again = ChannelFileParser::parse(written);
    if (!again.ok() || again.content.positions != parsed.content.positions)
        __builtin_trap();
    return 0;
}
