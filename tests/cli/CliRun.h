#pragma once

#include "RadioSimulator.h"
#include "support/TemporaryProgramFolder.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// A copy of the program folder, qv3307-cli included, whose COM1 leads to a simulated radio
// on a pseudo-terminal, and a home folder of its own (backups and settings land there).
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
    // to `errorDevice` instead when one is given (a terminal, say).
    Outcome run(const QStringList& arguments, const QByteArray& input = {},
                const QString& errorDevice = {}) const;

private:
    QProcessEnvironment environment() const;

    RadioSimulator m_radio;
    TemporaryProgramFolder m_program;
    QTemporaryDir m_home;
};
