#pragma once

#include "navigation.h"

#include <QString>

struct AppContext;

// The topic hubs' ways into the activities.
namespace activities
{
using navigation::Topic;
// Sets the labelling (or ordering) screen's Label6 caption to title and shows it.
void openLabelling(AppContext &ctx, Topic topic, const QString &title);
void openOrdering(AppContext &ctx, Topic topic, const QString &title);
// Reads and keeps the pictures both activities of a topic open with.
void warm(AppContext &ctx, Topic topic, qreal ratio);
} // namespace activities
