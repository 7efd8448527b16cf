#pragma once

#include "application.h"

#include <QList>

// The store's fixed list of 28 apps, in table order. Built on the first call (any thread; a
// concurrent first call waits for the same build) and kept unchanged for the life of the
// process, so every read in one run sees the same ids.
const QList<application> &catalogue();
