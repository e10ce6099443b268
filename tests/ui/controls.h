// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A screen's controls as tests reach them: by the object name each control has for its role
// (controlnames.h). control<QLabel>(screen, "scoreText"), or one of an array by its index,
// control<LabelButton>(screen, "buttons", 1). A control missing, or not of the type asked for,
// ends the test program at once with the screen's class and the name looked for.

#include <QList>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <utility>

template <class T = QWidget> T *control(const QObject *screen, const QString &name)
{
    T *found = screen->findChild<T *>(name);
    if (!found)
        qFatal("%s has no %s named \"%s\"", screen->metaObject()->className(),
               T::staticMetaObject.className(), qPrintable(name));
    return found;
}

template <class T = QWidget, class Index>
T *control(const QObject *screen, const char *array, Index index)
{
    return control<T>(screen, QLatin1String(array) + QString::number(qlonglong(index)));
}

// Every control of an array, in the order of their indices; indices without a control are
// passed over.
template <class T = QWidget> QList<T *> controls(const QObject *screen, const char *array)
{
    const QRegularExpression name(QStringLiteral("^%1(\\d+)$").arg(QLatin1String(array)));
    QList<std::pair<int, T *>> found;
    for (T *child : screen->findChildren<T *>(name))
        found.append({name.match(child->objectName()).captured(1).toInt(), child});
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    if (found.isEmpty())
        qFatal("%s has no %s named %s0, %s1, ...", screen->metaObject()->className(),
               T::staticMetaObject.className(), array, array);
    QList<T *> out;
    for (const auto &entry : found)
        out.append(entry.second);
    return out;
}
