#include "profile.h"

#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <chrono>
#include <thread>

class TestProfile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Two copies of the program ending together take turns: a save waits while another copy
    // holds the profile's lock, and then writes its own entries beside the other's.
    void savesTakeTurns()
    {
        const QString name = QStringLiteral("tst_profile_turns");
        CSettingsProfile mine(name);
        const QString path = mine.FileName();
        QFile::remove(path);
        QLockFile otherCopy(path + QStringLiteral(".save-lock"));
        QVERIFY(otherCopy.tryLock(0));

        mine.WriteProfileString(QStringLiteral("ZANT"), QStringLiteral("Description"),
                                QStringLiteral("Mine"));
        std::thread save([&mine] { mine.Flush(); });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const bool waited = !QFile::exists(path);
        {
            QSettings other(path, QSettings::IniFormat);
            other.setValue(QStringLiteral("ZANT/Lender1"), QStringLiteral("Theirs"));
        }
        otherCopy.unlock();
        save.join();
        QVERIFY(waited);

        QSettings stored(path, QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("ZANT/Description")).toString(), QStringLiteral("Mine"));
        QCOMPARE(stored.value(QStringLiteral("ZANT/Lender1")).toString(), QStringLiteral("Theirs"));
        QVERIFY(!QFile::exists(path + QStringLiteral(".save-lock")));
        QFile::remove(path);
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
