#pragma once

#include <QList>
#include <QString>
#include <optional>

// One package source: where its JSON package list lives, a display name and an icon address.
// The id is the upper-case text form of a random UUID, made when the source is added and kept
// from then on.
struct ItemModel
{
    QString id;
    QString title;
    QString repourl;
    QString repoicon;

    bool operator==(const ItemModel &) const = default;

    static QString newId();
};

// The stored form of the whole source list: a JSON array of objects with exactly these four
// string members (key order free). Decoding refuses anything else as a whole, so a damaged list
// is never half read.
QByteArray encodeItems(const QList<ItemModel> &items);
std::optional<QList<ItemModel>> decodeItems(const QByteArray &json);
