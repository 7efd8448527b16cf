#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

// One entry of the maker's update document. `id` is made anew for every decoded entry (never
// read from the document), so equal entries still list apart.
struct Update
{
    QUuid id;
    QString version;
    QString log;
};

using Updates = QList<Update>;
Q_DECLARE_METATYPE(Update)
