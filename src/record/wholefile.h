#pragma once

#include "record/result.h"

#include <QByteArray>
#include <QString>

// Writes bytes to path as a whole or not at all: a temporary file beside it takes the place of
// the old one only once every byte is on disk. Any failure leaves the old file as it was.
Result writeWholeFile(const QString& path, const QByteArray& bytes);
