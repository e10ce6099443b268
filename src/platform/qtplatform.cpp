#include "qtplatform.h"

#include "contentpath.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

RunFolderPaths::RunFolderPaths(const QString &root) : m_root(root) {}

QString RunFolderPaths::path(const QString &contentName) const
{
    return contentpath::resolve(m_root, contentName);
}

QtSoundPlayer::QtSoundPlayer(const ContentPaths &paths, QObject *parent)
    : QObject(parent), m_paths(paths)
{
}

void QtSoundPlayer::play(const QString &contentPath)
{
    const QString file = m_paths.path(contentPath);
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    QSoundEffect *effect = m_effects.value(file);
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(file));
        m_effects.insert(file, effect);
    }
    // A file that failed to decode stays in the Error state and is simply not heard. A new
    // request for a sound still playing starts it again from the beginning.
    if (effect->status() == QSoundEffect::Error)
        return;
    effect->stop();
    effect->play();
}

void QtMessageBoxes::ok(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorvel"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessageBoxes::okCancel(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorvel"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}
