#include "support/RunningProgram.h"

namespace {
RadioMemory memoryOf(const QByteArray& image)
{
    RadioMemory memory;
    memory.write(0, image);
    return memory;
}
} // namespace

RunningProgram::RunningProgram(const QByteArray& image, const RadioFaults& faults,
                               Language language)
    : radio(memoryOf(image))
{
    radio.setFaults(faults);
    folder.copyCompanionFiles();
    // The shipped installer's log starts the program in English.
    if (language == Language::Chinese)
        folder.writeFile("install.Log", "Installation Log\r\nTitle: QV3307\r\n");
    if (radio.start())
        folder.mapComPort(1, radio.slavePath());
    Platform platform;
    platform.programFolder = folder.path();
    platform.messages = &messages;
    window = std::make_unique<MainWindow>(platform);
    dialog = std::make_unique<ReadWriteDialog>(window.get());
    window->attachReadWriteDialog(*dialog);
    window->show();
}

RunningProgram::~RunningProgram()
{
    dialog.reset();
    window.reset(); // closes the port, letting the last bytes leave before the radio goes
}

QStringList RunningProgram::row(int row)
{
    return window->workspace().table.fields(row);
}
