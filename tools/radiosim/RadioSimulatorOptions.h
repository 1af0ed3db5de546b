#pragma once

#include "RadioFaults.h"

#include <QString>
#include <QStringList>

// The command line of qv3307-radiosim.
class RadioSimulatorOptions
{
public:
    // False on a mistake, with the reason in error(); also false when help was asked for.
    bool parse(const QStringList& arguments);

    QString error() const { return m_error; }
    bool helpRequested() const { return m_helpRequested; }
    QString helpText() const { return m_helpText; }

    QString imagePath;
    bool paced = false;
    RadioFaults faults;
    // Where to create dosdevices/comN; empty for no link.
    QString programFolder;
    int port = 1;
    // How many radios to serve, each on a pseudo-terminal of its own (with --link on COM
    // `port`, the next on the port after it, and so on), all with the same options.
    int radios = 1;

private:
    QString m_error;
    QString m_helpText;
    bool m_helpRequested = false;
};
