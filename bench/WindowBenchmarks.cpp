#include "WindowBenchmarks.h"

#include "BenchLine.h"
#include "ScreenWatch.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

constexpr int StartTimeoutMs = 20000;
// What a program does just after its first frame counts towards its memory.
constexpr int SettleMs = 500;

// A private X server, so that nothing else draws on the screen being watched.
class VirtualScreen
{
public:
    bool start(QString* error)
    {
        // Xvfb picks a free display and writes its number once it accepts connections.
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        if (!m_server.waitForStarted()) {
            *error = QStringLiteral("Xvfb could not be started (scripts/install-deps installs "
                                    "it): %1")
                         .arg(m_server.errorString());
            return false;
        }
        QByteArray number;
        while (!number.endsWith('\n') && m_server.waitForReadyRead(StartTimeoutMs))
            number += m_server.readAllStandardOutput();
        if (number.trimmed().isEmpty()) {
            *error = QStringLiteral("Xvfb did not say which display it opened");
            return false;
        }
        m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        return true;
    }
    ~VirtualScreen()
    {
        m_server.terminate();
        if (!m_server.waitForFinished())
            m_server.kill();
    }
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

double residentKb(qint64 processId)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(processId));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble();
    }
    return 0;
}

// The processor time the process's threads have taken so far, in milliseconds.
double cpuMilliseconds(qint64 processId)
{
    const QDir threads(QStringLiteral("/proc/%1/task").arg(processId));
    double nanoseconds = 0;
    for (const QString& thread : threads.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(threads.filePath(thread + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            nanoseconds += schedstat.readAll().split(' ').front().toDouble();
    }
    return nanoseconds / 1e6;
}

bool copyFolder(const QString& from, const QString& to)
{
    QDirIterator files(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Starts programs on the watched screen, one at a time, as a user's desktop would.
class Launcher
{
public:
    Launcher(ScreenWatch& watch, const QProcessEnvironment& environment)
        : m_watch(watch), m_environment(environment)
    {
    }

    struct Launch
    {
        double milliseconds = 0;
        double cpuMilliseconds = 0;
        double residentKb = 0;
        QSize windowSize;
    };

    std::optional<Launch> run(const QString& program, const QStringList& arguments)
    {
        m_watch.discardEvents();
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForStarted()) {
            benchFailed(QStringLiteral("%1 could not be started").arg(program));
            return std::nullopt;
        }
        const bool drawn = m_watch.waitForDrawing(QDeadlineTimer(StartTimeoutMs));
        Launch launch;
        launch.milliseconds = double(timer.nsecsElapsed()) / 1e6;
        launch.cpuMilliseconds = cpuMilliseconds(process.processId());
        launch.windowSize = m_watch.mappedWindowSize();
        if (drawn) {
            m_watch.watchUntil(QDeadlineTimer(SettleMs));
            launch.residentKb = residentKb(process.processId());
        }
        const bool running = process.state() == QProcess::Running;
        process.terminate();
        if (!process.waitForFinished(StartTimeoutMs))
            process.kill();
        if (!drawn || !running) {
            benchFailed(QStringLiteral("%1 showed no window%2")
                            .arg(program, m_watch.error().isEmpty()
                                              ? QString()
                                              : QStringLiteral(": ") + m_watch.error()));
            return std::nullopt;
        }
        return launch;
    }

private:
    ScreenWatch& m_watch;
    QProcessEnvironment m_environment;
};

} // namespace

std::optional<double> WindowStartMeasurement::startRatio()
{
    const std::optional<Figures>& measured = figures();
    if (!measured)
        return std::nullopt;
    return measured->program.milliseconds / measured->bareWindow.milliseconds;
}

std::optional<double> WindowStartMeasurement::startCpuRatio()
{
    const std::optional<Figures>& measured = figures();
    if (!measured)
        return std::nullopt;
    return measured->program.cpuMilliseconds / measured->bareWindow.cpuMilliseconds;
}

std::optional<double> WindowStartMeasurement::rssExtraKb()
{
    const std::optional<Figures>& measured = figures();
    if (!measured)
        return std::nullopt;
    return measured->program.residentKb - measured->bareWindow.residentKb;
}

std::optional<double> WindowStartMeasurement::programStartMs()
{
    const std::optional<Figures>& measured = figures();
    return measured ? std::optional<double>(measured->program.milliseconds) : std::nullopt;
}

std::optional<double> WindowStartMeasurement::bareWindowStartMs()
{
    const std::optional<Figures>& measured = figures();
    return measured ? std::optional<double>(measured->bareWindow.milliseconds) : std::nullopt;
}

const std::optional<WindowStartMeasurement::Figures>& WindowStartMeasurement::figures()
{
    if (!m_measured) {
        m_figures = measure();
        m_measured = true;
    }
    return m_figures;
}

std::optional<WindowStartMeasurement::Figures> WindowStartMeasurement::measure()
{
    VirtualScreen screen;
    QString error;
    if (!screen.start(&error))
        return benchFailed(error);
    ScreenWatch watch(screen.display());
    if (!watch.error().isEmpty())
        return benchFailed(watch.error());

    // The program runs from a copy of its folder, with a home of its own, so that its
    // settings and backups go to scratch folders.
    const QTemporaryDir scratch;
    const QString programFolder = QDir(scratch.path()).filePath(QStringLiteral("program"));
    if (!scratch.isValid() || !copyFolder(QStringLiteral(QV3307_PROGRAM_FOLDER), programFolder))
        return benchFailed(QStringLiteral("could not copy the program folder"));
    const QString home = QDir(scratch.path()).filePath(QStringLiteral("home"));
    const QString runtime = QDir(scratch.path()).filePath(QStringLiteral("runtime"));
    QDir().mkpath(home);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), screen.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);

    Launcher launcher(watch, environment);
    const QString program = QDir(programFolder).filePath(QStringLiteral("qv3307"));
    std::vector<double> programMs, programCpuMs, programKb, bareMs, bareCpuMs, bareKb;
    for (int run = 0; run <= Runs; ++run) {
        const std::optional<Launcher::Launch> ours = launcher.run(program, {});
        if (!ours)
            return std::nullopt;
        const QSize size = ours->windowSize;
        if (size.isEmpty())
            return benchFailed(QStringLiteral("the program's window was not mapped"));
        const std::optional<Launcher::Launch> bare =
            launcher.run(QStringLiteral(QV3307_BARE_WINDOW),
                         {QString::number(size.width()), QString::number(size.height())});
        if (!bare)
            return std::nullopt;
        if (run == 0)
            continue; // warms the caches
        programMs.push_back(ours->milliseconds);
        programCpuMs.push_back(ours->cpuMilliseconds);
        programKb.push_back(ours->residentKb);
        bareMs.push_back(bare->milliseconds);
        bareCpuMs.push_back(bare->cpuMilliseconds);
        bareKb.push_back(bare->residentKb);
    }
    return Figures{{median(programMs), median(programCpuMs), median(programKb)},
                   {median(bareMs), median(bareCpuMs), median(bareKb)}};
}
