#include "cli/JsonOutput.h"

#include "cli/CliContext.h"

#include <QJsonDocument>

void JsonOutput::print(CliContext& context, const QJsonObject& document)
{
    context.writeOutput(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

QJsonObject JsonOutput::failure(ExitStatus status, const QString& message)
{
    return {{QStringLiteral("exitStatus"), int(status)}, {QStringLiteral("error"), message}};
}
