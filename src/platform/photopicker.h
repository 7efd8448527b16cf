#pragma once

#include <QImage>
#include <QObject>
#include <functional>

// The phone's photo library picker: yields one still picture, or nothing when cancelled.
class PhotoPicker : public QObject
{
    Q_OBJECT

public:
    using Reply = std::function<void(const QImage &picture)>; // null image: cancelled or not a picture

    using QObject::QObject;
    virtual void pick(Reply reply) = 0;
};
