#pragma once

#include <QString>

// The camera's torch LED, where the phone has one.
class TorchDevice
{
public:
    virtual ~TorchDevice() = default;
    virtual bool isAvailable() const = 0;
    // Switches the LED; on failure returns false and fills error with a description.
    virtual bool setOn(bool on, QString *error) = 0;
};
