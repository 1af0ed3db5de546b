#pragma once

#include "RadioSimulator.h"
#include "support/TemporaryProgramFolder.h"

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A copy of the program folder, qv3307-cli included, whose COM1 leads to a simulated radio
// on a pseudo-terminal, and a home folder of its own (backups and settings land there).
// Under the sanitizers its qv3307-cli is the same program with the suites' link waits
// (TestWaitsCli.cpp).
class CliRun
{
public:
    struct Outcome
    {
        int status = -1;
        QByteArray out;
        QByteArray err;

        QString firstOutLine() const { return firstLine(out); }
        QString firstErrLine() const { return firstLine(err); }
        static QString firstLine(const QByteArray& bytes);
    };

    explicit CliRun(const QByteArray& image);

    bool start();
    RadioSimulator& radio() { return m_radio; }
    TemporaryProgramFolder& program() { return m_program; }
    const TemporaryProgramFolder& program() const { return m_program; }
    QString home() const { return m_home.path(); }
    QString backupFolder() const;
    // A file in a scratch folder of the run.
    QString file(const QString& name) const;

    // Runs qv3307-cli with `arguments`, `input` on its standard input. Standard error goes
    // to `errorDevice` instead when one is given (a terminal, say), standard output to
    // `outputDevice` (/dev/full, say).
    Outcome run(const QStringList& arguments, const QByteArray& input = {},
                const QString& errorDevice = {}, const QString& outputDevice = {}) const;

    // Starts qv3307-cli with `arguments` and leaves it running, its standard input open,
    // with Ctrl+C and the other stop signals as a terminal would deliver them.
    std::unique_ptr<QProcess> start(const QStringList& arguments) const;
    // Waits for a run that start() began to end.
    static Outcome finish(QProcess& process);

    // Sets an environment variable for the runs after this, such as XDG_DATA_HOME.
    void setEnvironment(const QString& name, const QString& value);

private:
    QProcessEnvironment environment() const;

    RadioSimulator m_radio;
    TemporaryProgramFolder m_program;
    QTemporaryDir m_home;
    QProcessEnvironment m_extraEnvironment;
};
