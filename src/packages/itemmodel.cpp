#include "itemmodel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace {

constexpr QLatin1StringView IdKey("id");
constexpr QLatin1StringView TitleKey("title");
constexpr QLatin1StringView RepoUrlKey("repourl");
constexpr QLatin1StringView RepoIconKey("repoicon");

std::optional<QString> requiredString(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

QString ItemModel::newId() { return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(); }

QByteArray encodeItems(const QList<ItemModel> &items)
{
    QJsonArray array;
    for (const ItemModel &item : items) {
        array.append(QJsonObject{{IdKey, item.id},
                                 {TitleKey, item.title},
                                 {RepoUrlKey, item.repourl},
                                 {RepoIconKey, item.repoicon}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<ItemModel>> decodeItems(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<ItemModel> items;
    const QJsonArray array = document.array();
    items.reserve(array.size());
    for (const QJsonValue &value : array) {
        if (!value.isObject())
            return std::nullopt;
        const QJsonObject object = value.toObject();
        const auto id = requiredString(object, IdKey);
        const auto title = requiredString(object, TitleKey);
        const auto repourl = requiredString(object, RepoUrlKey);
        const auto repoicon = requiredString(object, RepoIconKey);
        if (!id || !title || !repourl || !repoicon)
            return std::nullopt;
        items.append(ItemModel{*id, *title, *repourl, *repoicon});
    }
    return items;
}
