// A channel file of any content opened into a workspace, as File > Open does, and saved
// again: what was saved reads back with the same settings. The workspace is kept from run
// to run, as the program keeps it from file to file, and replaced only when a file adds a
// band to its list, so that the list does not grow without end.
#include "files/ChannelFileParser.h"
#include "files/ChannelFileReader.h"
#include "files/ChannelFileWriter.h"
#include "workspace/Localisation.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// A workspace as the program holds it after start-up with one band, and its language.
struct OpenProgram
{
    explicit OpenProgram(const QString& programFolder) : localisation(workspace, programFolder)
    {
        workspace.bands.append(QStringLiteral("400-470MHz"));
        workspace.bands.select(0);
        workspace.table.setText(1, 1, QStringLiteral("400.00000"));
    }

    Workspace workspace;
    Localisation localisation;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_channelfilesave";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir programFolder; // no language tables: switches keep the words
    static auto program = std::make_unique<OpenProgram>(programFolder.path());

    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ParsedChannelFile parsed = ChannelFileParser::parse(bytes);
    if (!parsed.ok())
        return 0;
    Workspace& workspace = program->workspace;
    const int bandsBefore = workspace.bands.count();
    workspace.editor.loading = true;
    ChannelFileReader(workspace, program->localisation).apply(parsed.content);
    workspace.editor.loading = false;

    // Whatever was read writes out again, and reads back the same.
    const QByteArray written = ChannelFileWriter(workspace).contents();
    const ParsedChannelFile again = ChannelFileParser::parse(written);
    if (!again.ok() || again.content.positions != parsed.content.positions ||
        again.content.voxInhibit != parsed.content.voxInhibit)
        __builtin_trap();

    if (workspace.bands.count() != bandsBefore)
        program = std::make_unique<OpenProgram>(programFolder.path());
    return 0;
}
