#pragma once

#include "platform.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// The real machine: content beside the executable, Qt sound effects, Qt message boxes.

class RunFolderPaths : public ContentPaths
{
public:
    // root: the folder holding Images, wav, multiple … (normally the executable's folder).
    // userWorksheets: where the worksheets live instead of root's "multiple" folder, for an
    // installation whose own folder cannot be written. It is seeded from root's "multiple" with
    // every file it does not have yet, so a teacher's worksheets and catalogue are never
    // overwritten.
    explicit RunFolderPaths(const QString &root, const QString &userWorksheets = QString());
    QString path(const QString &contentName) const override;
    QString root() const { return m_root; }

    // The folder for the worksheets of this installation: root's "multiple" when it can be
    // written and root holds no "read-only" mark, otherwise "multiple" under the user's
    // application data folder.
    static QString worksheetFolderFor(const QString &root);

private:
    QString m_root;
    QString m_userWorksheets;
};

class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(const ContentPaths &paths, QObject *parent = nullptr);
    void play(const QString &contentPath) override;

    // Whether a file is a WAV the player can play: RIFF/WAVE with uncompressed 8- or 16-bit PCM,
    // one or two channels, a sensible rate, and sample data present.
    static bool isPlayable(const QByteArray &wav);

    // Whether the effect of a content file is playing now (for checks on a real sound device).
    bool isPlaying(const QString &contentPath) const;

private:
    const ContentPaths &m_paths;
    QHash<QString, QSoundEffect *> m_effects; // one per resolved file
};

class QtMessageBoxes : public MessageBoxes
{
public:
    void ok(QWidget *parent, const QString &text) override;
    bool okCancel(QWidget *parent, const QString &text) override;
};
