#include "updatedecoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace UpdateDecoder {

std::optional<Updates> decode(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    Updates updates;
    for (const QJsonValue &entry : document.array()) {
        const QJsonValue version = entry.toObject().value(QLatin1String("version"));
        const QJsonValue log = entry.toObject().value(QLatin1String("log"));
        if (!entry.isObject() || !version.isString() || !log.isString())
            return std::nullopt;
        updates.append({QUuid::createUuid(), version.toString(), log.toString()});
    }
    return updates;
}

namespace {
// A string quoted and escaped as JSON, so a log with line breaks still dumps on one line.
QString quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}
} // namespace

QString dump(const Updates &updates)
{
    QStringList entries;
    for (const Update &update : updates)
        entries.append(QStringLiteral("Update(id: %1, version: %2, log: %3)")
                           .arg(update.id.toString(QUuid::WithoutBraces), quoted(update.version), quoted(update.log)));
    return QLatin1Char('[') + entries.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace UpdateDecoder
