#include "backups/FleetRun.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QThread>

FleetRun::FleetRun(FleetTask task, BackupFolder folder, SafeWriteOptions options, QObject* parent)
    : QObject(parent), m_task(task), m_folder(std::move(folder)), m_options(options)
{
}

FleetRun::~FleetRun()
{
    // The radios' threads must not outlive the run: each is stopped in order and waited for.
    stop();
    joinThreads();
}

int FleetRun::addRadio(const FleetPort& port, const WorkspaceSnapshot& workspace)
{
    Radio radio;
    radio.port = port;
    radio.workspace = workspace;
    radio.outcome.task = m_task;
    radio.outcome.port = port;
    m_radios.push_back(std::move(radio));
    return int(m_radios.size()) - 1;
}

void FleetRun::start()
{
    if (m_running)
        return;
    m_running = true;
    m_ended = 0;
    for (int index = 0; index < radioCount(); ++index) {
        Radio& radio = m_radios[size_t(index)];
        radio.ended = false;
        radio.run = std::make_unique<FleetRadioRun>(FleetRadioRun::Setup{
            index, radio.port, m_task, radio.workspace, m_options, m_folder, m_testWaits});
        radio.thread = std::make_unique<QThread>();
        radio.thread->setObjectName(QStringLiteral("fleet radio %1").arg(radio.port.name));
        radio.run->moveToThread(radio.thread.get());
        FleetRadioRun* run = radio.run.get();
        connect(radio.thread.get(), &QThread::started, run, &FleetRadioRun::run);
        connect(run, &FleetRadioRun::stageStarted, this, &FleetRun::stageStarted);
        connect(run, &FleetRadioRun::progressChanged, this, &FleetRun::onProgressChanged);
        connect(run, &FleetRadioRun::finished, this, &FleetRun::onRadioFinished);
        if (m_stopRequested)
            run->stop();
    }
    for (Radio& radio : m_radios)
        radio.thread->start();
    if (m_radios.empty()) {
        m_running = false;
        emit finished();
    }
}

bool FleetRun::run()
{
    QEventLoop loop;
    connect(this, &FleetRun::finished, &loop, &QEventLoop::quit);
    if (auto* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    start();
    const QPointer<FleetRun> alive(this);
    if (m_running)
        loop.exec();
    // The application is closing (its exit() ends every loop of this thread at once).
    if (!alive)
        return false;
    if (!m_running)
        return true;
    stop();
    joinThreads();
    m_running = false;
    return false;
}

void FleetRun::stop()
{
    m_stopRequested = true;
    for (Radio& radio : m_radios)
        if (radio.run && !radio.ended)
            radio.run->stop();
}

void FleetRun::onProgressChanged(int index, int percent)
{
    m_radios.at(size_t(index)).percent = percent;
    emit progressChanged(index, percent);
}

int FleetRun::overallPercent() const
{
    if (m_radios.empty())
        return 0;
    int sum = 0;
    for (const Radio& radio : m_radios)
        sum += radio.percent;
    return sum / radioCount();
}

void FleetRun::onRadioFinished(int index, const FleetRadioOutcome& outcome)
{
    Radio& radio = m_radios.at(size_t(index));
    if (radio.ended)
        return;
    radio.ended = true;
    radio.percent = 100;
    radio.outcome = outcome;
    ++m_ended;
    const QPointer<FleetRun> alive(this);
    emit radioFinished(index, outcome);
    if (!alive || m_ended < radioCount())
        return;
    joinThreads();
    m_running = false;
    emit finished();
}

void FleetRun::joinThreads()
{
    // Each radio's thread ends itself once its run is over; quitting it from here would end
    // the link's waits before the run knows it was stopped.
    for (Radio& radio : m_radios) {
        if (!radio.thread)
            continue;
        radio.thread->wait();
        radio.run.reset();
        radio.thread.reset();
    }
}

FleetTally FleetRun::tally() const
{
    FleetTally tally;
    for (const Radio& radio : m_radios)
        if (radio.ended)
            tally.count(radio.outcome);
    return tally;
}
