#pragma once

#include "link/PortDiagnosis.h"
#include "workspace/Language.h"
#include "workspace/Messenger.h"

#include <QString>

// What the user reads under the numbered port message: the cause found and what to do about
// it, one function per cause, in either language.
namespace PortProblemText {
// The udev rule that keeps ModemManager away from the cable and lets dialout use it.
inline const QString UdevRule = QStringLiteral("install/60-qv3307-cable.rules");

// Where the user chooses the port: on the window's COM Port page, or with the command
// line's --port.
enum class Face { Window, CommandLine };

QString cause(const PortDiagnosis& diagnosis, Language language, Face face = Face::Window);
// The cause for a message box, in whichever language the box is shown.
Messenger::Cause causeOf(const PortDiagnosis& diagnosis);

QString missingDevice(const QString& device, const QList<SerialDevice>& present, Language language,
                      Face face = Face::Window);
QString permissionDenied(const QString& device, Language language);
QString heldByAnotherProcess(const QString& device, const std::optional<PortHolder>& holder,
                             Language language);
QString radioDidNotAnswer(const QString& device, Language language);
QString wrongAnswer(const QString& device, Language language);
QString notASerialPort(const QString& device, Language language, Face face = Face::Window);
} // namespace PortProblemText
