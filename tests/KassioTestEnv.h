#pragma once
// Each test process gets its own settings and data folders, so the component's
// settings and the built-in emulator's state file are fresh.

#include <QTemporaryDir>
#include <QtGlobal>

class KassioTestEnv
{
public:
    KassioTestEnv()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
        qunsetenv("KASSIO_EMULATOR_STATE");
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
