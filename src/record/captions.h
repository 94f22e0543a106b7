#pragma once

#include "record/stationrecord.h"

#include <QString>

// How the entry dialogs and messages name a text field ("コールサイン", "免許種別", ...).
QString fieldCaption(Field field);
